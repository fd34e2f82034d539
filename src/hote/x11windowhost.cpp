#include "hote/x11windowhost.h"

#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

X11WindowHost::~X11WindowHost() {
    if (m_connection)
        xcb_disconnect(m_connection);
}

xcb_connection_t* X11WindowHost::connection() const {
    if (!m_opened) {
        m_opened = true;
        m_connection = xcb_connect(nullptr, &m_screen);
        if (xcb_connection_has_error(m_connection)) {
            // A failed connection is still an object to free.
            xcb_disconnect(m_connection);
            m_connection = nullptr;
        }
    }
    return m_connection;
}

QSize X11WindowHost::clientSize(quintptr foreign) const {
    xcb_connection_t* c = connection();
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
    xcb_connection_t* c = connection();
    if (!c)
        return 0;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; it.rem && i < m_screen; ++i)
        xcb_screen_next(&it);
    return it.rem ? quintptr(it.data->root) : 0;
}
