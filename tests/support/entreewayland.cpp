// Moves the pointer of the compositor named by WAYLAND_DISPLAY through KWin's fake input, as a
// user's hand would (KWin lets any client use it with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1).
// Ends with 0 once the compositor has taken the motion.

#include "fake-input-client-protocol.h"

#include <cstdio>
#include <cstring>
#include <wayland-client.h>

namespace {

org_kde_kwin_fake_input* entree = nullptr;

void global(void* data, wl_registry* registre, uint32_t id, const char* interface, uint32_t) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0)
        *static_cast<org_kde_kwin_fake_input**>(data) = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registre, id, &org_kde_kwin_fake_input_interface, 1));
}

const wl_registry_listener ecouteRegistre{.global = global,
                                          .global_remove = [](void*, wl_registry*, uint32_t) {}};

} // namespace

int main() {
    wl_display* affichage = wl_display_connect(nullptr);
    if (!affichage) {
        std::fputs("pas de compositeur\n", stderr);
        return 1;
    }
    wl_registry* registre = wl_display_get_registry(affichage);
    wl_registry_add_listener(registre, &ecouteRegistre, &entree);
    wl_display_roundtrip(affichage);
    if (!entree) {
        std::fputs("le compositeur n'offre pas org_kde_kwin_fake_input\n", stderr);
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(entree, "lumivane-essais", "essais");
    org_kde_kwin_fake_input_pointer_motion(entree, wl_fixed_from_int(7), wl_fixed_from_int(7));
    const int fin = wl_display_roundtrip(affichage);
    wl_display_disconnect(affichage);
    return fin < 0 ? 1 : 0;
}
