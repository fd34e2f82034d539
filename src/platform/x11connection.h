#pragma once

#include <QtGlobal>

struct xcb_connection_t;
struct xcb_screen_t;

// A connection of its own to the X server that DISPLAY names, closed with the object, and the
// screen DISPLAY names on it. Without a server connected() is false; a screen the server does
// not have gives no screen() and no root().
class X11Connection {
public:
    X11Connection();
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    bool connected() const { return m_connection != nullptr; }
    xcb_connection_t* connection() const { return m_connection; }
    const xcb_screen_t* screen() const { return m_screen; }
    // The screen's root window, or 0.
    quint32 root() const;

private:
    xcb_connection_t* m_connection = nullptr;
    const xcb_screen_t* m_screen = nullptr;
};
