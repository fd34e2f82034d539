#include "platform/display.h"

#include <QByteArray>
#include <xcb/xcb.h>

bool displayAvailable() {
    // Another window system chosen by the user (offscreen, Wayland) is left to Qt.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return true;
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    xcb_connection_t* connexion = xcb_connect(nullptr, nullptr);
    const bool ouverte = xcb_connection_has_error(connexion) == 0;
    xcb_disconnect(connexion);
    return ouverte;
}
