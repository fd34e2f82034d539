#include "controls/optionbutton.h"

#include "controls/fonts.h"

OptionButton::OptionButton(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
    setFont(dialogFont());
    setAutoExclusive(true);
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
