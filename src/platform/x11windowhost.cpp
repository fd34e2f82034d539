#include "platform/x11windowhost.h"

#include <QWidget>
#include <QWindow>
#include <X11/Xlib.h>

namespace {

// Xlib reports a bad window id through its error handler, which by default ends the process.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

X11WindowHost::~X11WindowHost() {
    if (m_display)
        XCloseDisplay(m_display);
}

Display* X11WindowHost::display() const {
    if (!m_opened) {
        m_opened = true;
        m_display = XOpenDisplay(nullptr);
    }
    return m_display;
}

QSize X11WindowHost::clientSize(quintptr foreign) const {
    Display* x = display();
    if (!x || foreign == 0)
        return {};
    auto previous = XSetErrorHandler(ignoreErrors);
    XWindowAttributes attributes{};
    const Status ok = XGetWindowAttributes(x, Window(foreign), &attributes);
    XSync(x, False);
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
    Display* x = display();
    return x ? quintptr(DefaultRootWindow(x)) : 0;
}
