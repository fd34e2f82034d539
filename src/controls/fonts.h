#pragma once

#include <QFont>

// The dialog's text font: Verdana 8.25 points where installed, else the closest sans-serif.
inline QFont dialogFont(bool bold = false) {
    QFont f(QStringLiteral("Verdana"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}
