#include "vignettes/ajustement.h"

#include <cmath>

namespace Ajustement {

double demiEcart(double ecart) {
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return double(static_cast<long long>(std::nearbyint(ecart)) / 2);
}

QRectF ajusterDansCadre(const QSizeF& naturelle, const QRectF& cadre, double marge) {
    const double lp = naturelle.width();
    const double hp = naturelle.height();
    double largeur = lp;
    double hauteur = hp;
    if (lp > cadre.width() || hp > cadre.height()) {
        if (lp > hp) {
            largeur = cadre.width() - marge;
            hauteur = hp * largeur / lp;
        } else {
            hauteur = cadre.height() - marge;
            largeur = lp * hauteur / hp;
        }
    }
    return QRectF(cadre.left() + demiEcart(cadre.width() - largeur),
                  cadre.top() + demiEcart(cadre.height() - hauteur), largeur, hauteur);
}

} // namespace Ajustement
