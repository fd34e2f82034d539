#pragma once

#include "platform/windowhost.h"

// WindowHost for X11: the foreign window is looked up on the X server and our window is
// reparented into it.
class X11WindowHost final : public WindowHost {
public:
    QSize clientSize(quintptr foreign) const override;
    bool embed(QWidget& widget, quintptr foreign) override;
    quintptr rootWindow() const override;
};
