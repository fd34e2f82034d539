#include "veille/x11idlesource.h"

#include <cstdlib>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

std::unique_ptr<IdleSource> X11IdleSource::create() {
    auto x11 = std::make_unique<X11Connection>();
    if (!x11->connected() || !x11->root())
        return nullptr;
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(x11->connection(), &xcb_screensaver_id);
    if (!extension || !extension->present)
        return nullptr;
    return std::unique_ptr<IdleSource>(new X11IdleSource(std::move(x11)));
}

X11IdleSource::X11IdleSource(std::unique_ptr<X11Connection> x11) : m_x11(std::move(x11)) {}

X11IdleSource::~X11IdleSource() = default;

std::optional<std::chrono::milliseconds> X11IdleSource::idleTime() {
    xcb_connection_t* c = m_x11->connection();
    xcb_screensaver_query_info_reply_t* info =
        xcb_screensaver_query_info_reply(c, xcb_screensaver_query_info(c, m_x11->root()), nullptr);
    if (!info)
        return std::nullopt;
    const std::chrono::milliseconds idle(info->ms_since_user_input);
    std::free(info);
    return idle;
}
