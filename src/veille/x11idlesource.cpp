#include "veille/x11idlesource.h"

#include <cstdlib>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

std::unique_ptr<IdleSource> X11IdleSource::create() {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &xcb_screensaver_id);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && it.rem > 0; ++i)
        xcb_screen_next(&it);
    if (!extension || !extension->present || it.rem == 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<IdleSource>(new X11IdleSource(connection, it.data->root));
}

X11IdleSource::X11IdleSource(xcb_connection_t* connection, quint32 root)
    : m_connection(connection), m_root(root) {}

X11IdleSource::~X11IdleSource() {
    xcb_disconnect(m_connection);
}

std::optional<std::chrono::milliseconds> X11IdleSource::idleTime() {
    xcb_screensaver_query_info_reply_t* info = xcb_screensaver_query_info_reply(
        m_connection, xcb_screensaver_query_info(m_connection, m_root), nullptr);
    if (!info)
        return std::nullopt;
    const std::chrono::milliseconds idle(info->ms_since_user_input);
    std::free(info);
    return idle;
}
