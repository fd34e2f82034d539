#include "decor/etiquette.h"

#include "controls/fonts.h"

#include <QLabel>

QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte, const QColor& couleur,
                  bool gras) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    l->setFont(dialogFont(gras));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, couleur);
    l->setPalette(pal);
    return l;
}
