#include "platform/dbusidlesources.h"
#include "platform/idlesource.h"
#include "platform/x11idlesource.h"

std::unique_ptr<IdleSource> createIdleSource() {
    // The desktop's own count first: on Wayland it is the only one, and on X11 it also knows
    // inputs the X server does not see (remote sessions).
    for (auto create :
         {&GnomeIdleSource::create, &ScreenSaverIdleSource::create, &X11IdleSource::create}) {
        if (auto source = create())
            return source;
    }
    return nullptr;
}
