#include "saver/mouvement.h"

#include "platform/randomsource.h"

PhotoMotion mouvementAuHasard(RandomSource& hasard, int fonduMs) {
    const double bas = 1.0 + 0.04 * hasard.next();
    const double haut = bas + 0.04 + 0.04 * hasard.next();
    const bool avance = hasard.next() < 0.5f;
    PhotoMotion m;
    m.zoomFrom = avance ? bas : haut;
    m.zoomTo = avance ? haut : bas;
    m.from = QPointF(hasard.next(), hasard.next());
    m.to = QPointF(hasard.next(), hasard.next());
    // A photo stays for its fade in, a tick or two and the next one's fade.
    m.durationMs = 2.0 * fonduMs + 2000;
    return m;
}
