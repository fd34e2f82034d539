#include "platform/x11windowhost.h"

#include <QWidget>
#include <QWindow>
#include <X11/Xlib.h>

namespace {

// Xlib reports a bad window id through its error handler, which by default ends the process.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

struct XConnection {
    Display* display = XOpenDisplay(nullptr);
    ~XConnection() {
        if (display)
            XCloseDisplay(display);
    }
};

} // namespace

QSize X11WindowHost::clientSize(quintptr foreign) const {
    XConnection x;
    if (!x.display || foreign == 0)
        return {};
    auto previous = XSetErrorHandler(ignoreErrors);
    XWindowAttributes attributes{};
    const Status ok = XGetWindowAttributes(x.display, Window(foreign), &attributes);
    XSync(x.display, False);
    XSetErrorHandler(previous);
    if (!ok)
        return {};
    return QSize(attributes.width, attributes.height);
}

bool X11WindowHost::embed(QWidget& widget, quintptr foreign) {
    if (!clientSize(foreign).isValid())
        return false;
    QWindow* host = QWindow::fromWinId(WId(foreign));
    if (!host)
        return false;
    widget.winId(); // creates the native window
    QWindow* own = widget.windowHandle();
    if (!own)
        return false;
    own->setParent(host);
    widget.move(0, 0);
    return true;
}

quintptr X11WindowHost::rootWindow() const {
    XConnection x;
    return x.display ? quintptr(DefaultRootWindow(x.display)) : 0;
}
