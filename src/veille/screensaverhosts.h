#pragma once

// Whether a screen-saver host (the X11 host, MATE's, XFCE's) already runs for this user on this
// display: it starts its own programs, and a second show must not cover it.
class ScreenSaverHosts {
public:
    virtual ~ScreenSaverHosts() = default;
    virtual bool hostRunning() const = 0;
};
