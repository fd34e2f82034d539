#include "decor/etiquette.h"

#include "controls/fonts.h"

#include <QCheckBox>
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

QCheckBox* caseACocher(QWidget* parent, const QString& nom, const QString& texte,
                       const QColor& couleur) {
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(nom);
    c->setFont(dialogFont());
    QPalette pal = c->palette();
    pal.setColor(QPalette::WindowText, couleur);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, couleur.darker(180));
    c->setPalette(pal);
    return c;
}
