#pragma once

#include "platform/windowhost.h"

struct _XDisplay;

// WindowHost for X11: the foreign window is looked up on the X server and our window is
// reparented into it. One connection of its own, opened at the first lookup, serves every later
// one (the host window is watched several times a second).
class X11WindowHost final : public WindowHost {
public:
    X11WindowHost() = default;
    ~X11WindowHost() override;
    X11WindowHost(const X11WindowHost&) = delete;
    X11WindowHost& operator=(const X11WindowHost&) = delete;

    QSize clientSize(quintptr foreign) const override;
    bool embed(QWidget& widget, quintptr foreign) override;
    quintptr rootWindow() const override;

private:
    _XDisplay* display() const;

    mutable _XDisplay* m_display = nullptr;
    mutable bool m_opened = false;
};
