#pragma once

#include "hote/windowhost.h"
#include "platform/x11connection.h"

#include <memory>

// WindowHost for X11: the foreign window is looked up on the X server and our window is
// reparented into it. One connection of its own, opened at the first lookup, serves every later
// one (the host window is watched several times a second). Lookups are checked requests: a
// window that is gone is an answer on this connection, not an error for a process-wide handler
// that other threads swap too.
class X11WindowHost final : public WindowHost {
public:
    X11WindowHost() = default;
    X11WindowHost(const X11WindowHost&) = delete;
    X11WindowHost& operator=(const X11WindowHost&) = delete;

    QSize clientSize(quintptr foreign) const override;
    bool embed(QWidget& widget, quintptr foreign) override;
    quintptr rootWindow() const override;

private:
    const X11Connection& x11() const;

    mutable std::unique_ptr<X11Connection> m_x11;
};
