// Moves the pointer of the compositor named by WAYLAND_DISPLAY through KWin's fake input, as a
// hand would (KWin lets any client use it with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1). Ends with 0
// once the compositor has taken the motion.

#include "fake-input-client-protocol.h"

#include <cstring>
#include <wayland-client.h>

namespace {

void global(void* data, wl_registry* registre, uint32_t id, const char* interface, uint32_t) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0)
        *static_cast<void**>(data) =
            wl_registry_bind(registre, id, &org_kde_kwin_fake_input_interface, 1);
}

const wl_registry_listener ecoute{.global = global,
                                  .global_remove = [](void*, wl_registry*, uint32_t) {}};

} // namespace

int main() {
    wl_display* affichage = wl_display_connect(nullptr);
    if (!affichage)
        return 1;
    org_kde_kwin_fake_input* entree = nullptr;
    wl_registry_add_listener(wl_display_get_registry(affichage), &ecoute, &entree);
    if (wl_display_roundtrip(affichage) < 0 || !entree)
        return 1;
    org_kde_kwin_fake_input_authenticate(entree, "lumivane-essais", "essais");
    org_kde_kwin_fake_input_pointer_motion(entree, wl_fixed_from_int(7), wl_fixed_from_int(7));
    return wl_display_roundtrip(affichage) < 0 ? 1 : 0;
}
