#include "veille/gnomeidlesource.h"
#include "veille/idlesource.h"
#include "veille/screensaveridlesource.h"
#include "veille/waylandidlesource.h"
#include "veille/x11idlesource.h"

#include <QtGlobal>
#include <vector>

namespace {

using CreateIdleSource = std::unique_ptr<IdleSource> (*)();

// Under Wayland, DISPLAY names Xwayland, which sees only the input of X programs.
bool x11Session() {
    const bool wayland =
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    return !wayland && !qEnvironmentVariableIsEmpty("DISPLAY");
}

// The one place where the sources are ranked, first tried first. The desktop's own count leads:
// on Wayland it may be the only one, and on X11 it also knows inputs the X server does not see
// (remote sessions). In an X11 session the X server's count comes next, whoever owns the
// ScreenSaver name on the bus; that name answers in the unit its owner chose. Elsewhere the
// compositor's own idle notifications come next (KWin, sway and the other wlroots compositors;
// KWin's ScreenSaver name refuses the idle time there), and the ScreenSaver name only where it
// answers.
std::vector<CreateIdleSource> sourcesInOrder() {
    if (x11Session())
        return {&GnomeIdleSource::create, &X11IdleSource::create};
    return {&GnomeIdleSource::create, &WaylandIdleSource::create, &ScreenSaverIdleSource::create};
}

} // namespace

std::unique_ptr<IdleSource> createIdleSource() {
    for (const CreateIdleSource create : sourcesInOrder()) {
        if (auto source = create())
            return source;
    }
    return nullptr;
}
