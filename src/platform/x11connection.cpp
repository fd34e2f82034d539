#include "platform/x11connection.h"

#include <xcb/xcb.h>

X11Connection::X11Connection() {
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection)) {
        // A failed connection is still an object to free.
        xcb_disconnect(m_connection);
        m_connection = nullptr;
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; it.rem && i < screenNumber; ++i)
        xcb_screen_next(&it);
    m_screen = it.rem ? it.data : nullptr;
}

X11Connection::~X11Connection() {
    if (m_connection)
        xcb_disconnect(m_connection);
}

quint32 X11Connection::root() const {
    return m_screen ? m_screen->root : 0;
}
