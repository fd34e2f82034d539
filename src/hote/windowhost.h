#pragma once

#include <QSize>
#include <QtGlobal>

class QWidget;

// Puts a top-level widget of ours inside a window that belongs to another program (the preview
// pane of a settings tool, the window of a screen-saver host).
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Client size of the foreign window, or an invalid size when no such window exists.
    virtual QSize clientSize(quintptr foreign) const = 0;
    // Makes `widget` a child of the foreign window, at its top-left corner. False when the
    // foreign window does not exist.
    virtual bool embed(QWidget& widget, quintptr foreign) = 0;
    // The screen's root window, where the system has one; 0 otherwise.
    virtual quintptr rootWindow() const { return 0; }
};
