#pragma once

#include <QColor>

// The colours the dialog's artwork shares with its panels.
namespace Teintes {
inline const QColor Cyan{0, 255, 255};
} // namespace Teintes
