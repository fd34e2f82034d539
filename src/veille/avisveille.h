#pragma once

#include "veille/desktopidleaction.h"

#include <QString>
#include <chrono>
#include <optional>

// What the dialog's idle-start group tells the user, one line each.

// Why the show cannot be started when idle in this session; empty when it can. A screen-saver
// host that runs starts its programs itself (Lumivane among them), and without an idle source
// the watcher has nothing to wait on.
QString raisonVeilleIndisponible(bool sourceRepond, bool hoteActif);

struct AvisBureau {
    QString texte;
    bool alerte = false;
};

// The desktop's own blanking or lock beside the show's delay: a warning when it comes first or
// at the same time (the show would start behind it, or never), else what the desktop does and
// when; empty when the desktop's delay is unknown or it does nothing.
AvisBureau avisDelaiBureau(const std::optional<DesktopIdleAction>& bureau,
                           std::chrono::seconds delai);
