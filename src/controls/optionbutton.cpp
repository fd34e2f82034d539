#include "controls/optionbutton.h"

#include "controls/fonts.h"

#include <QButtonGroup>

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
    setFont(dialogFont());
    // Qt's own auto-exclusive grouping also reaches into nested panels: an explicit group per
    // parent keeps the options of a panel inside a panel apart.
    if (parent) {
        const QString nom = QStringLiteral("optionButtonGroup");
        auto* groupe = parent->findChild<QButtonGroup*>(nom, Qt::FindDirectChildrenOnly);
        if (!groupe) {
            groupe = new QButtonGroup(parent);
            groupe->setObjectName(nom);
        }
        groupe->addButton(this);
    }
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit selected();
    });
}

void OptionButton::setTextColor(const QColor& colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, colour.darker(180));
    setPalette(pal);
}
