#include "hote/x11windowhost.h"

#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

const X11Connection& X11WindowHost::x11() const {
    if (!m_x11)
        m_x11 = std::make_unique<X11Connection>();
    return *m_x11;
}

QSize X11WindowHost::clientSize(quintptr foreign) const {
    xcb_connection_t* c = x11().connection();
    if (!c || foreign == 0)
        return {};
    xcb_generic_error_t* error = nullptr;
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(c, xcb_get_geometry(c, xcb_drawable_t(foreign)), &error);
    std::free(error);
    if (!geometry)
        return {};
    const QSize size(geometry->width, geometry->height);
    std::free(geometry);
    return size;
}

bool X11WindowHost::embed(QWidget& widget, quintptr foreign) {
    if (!clientSize(foreign).isValid())
        return false;
    QWindow* host = QWindow::fromWinId(static_cast<WId>(foreign));
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
    return x11().root();
}
