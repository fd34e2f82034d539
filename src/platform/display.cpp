#include "platform/display.h"

#include "platform/x11connection.h"

#include <QByteArray>

bool displayAvailable() {
    // Another window system chosen by the user (offscreen, Wayland) is left to Qt.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return true;
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    return X11Connection().connected();
}
