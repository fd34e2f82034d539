#include "platform/display.h"

#include <QByteArray>
#include <X11/Xlib.h>

bool displayAvailable() {
    // Another window system chosen by the user (offscreen, Wayland) is left to Qt.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return true;
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}
