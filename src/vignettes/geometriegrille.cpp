#include "vignettes/geometriegrille.h"

#include "vignettes/ajustement.h"

#include <QtMath>
#include <algorithm>

namespace GeometrieGrille {

namespace {

constexpr double TwipsParPixel = 15;

int pixels(double twips) {
    return qRound(twips / TwipsParPixel);
}

} // namespace

QRectF cellule(int i, const QRectF& cadre0) {
    const int c = i % Colonnes;
    const int r = i / Colonnes;
    const double l0 = cadre0.left();
    const double t0 = cadre0.top();
    const double gauche = c == 0 ? l0 : c * cadre0.width() + (c + 1) * l0;
    const double haut = r == 0 ? t0 : r * cadre0.height() + (r + 1) * t0;
    return QRectF(gauche, haut, cadre0.width(), cadre0.height());
}

QRectF AfficherThumb(const QSizeF& naturelle, const QRectF& cellule) {
    return Ajustement::ajusterDansCadre(naturelle, cellule, MargeCellule);
}

QRectF AfficherThumb2(const QSizeF& naturelle, const QRectF& cellule) {
    const double largeur = naturelle.width() / FacteurCache;
    const double hauteur = naturelle.height() / FacteurCache;
    return QRectF(cellule.left() + Ajustement::demiEcart(cellule.width() - largeur),
                  cellule.top() + Ajustement::demiEcart(cellule.height() - hauteur), largeur,
                  hauteur);
}

QSize tailleBitmap(const QSizeF& affichee) {
    return QSize(std::max(1, qRound(FacteurCache * pixels(affichee.width()))),
                 std::max(1, qRound(FacteurCache * pixels(affichee.height()))));
}

QSize tailleAffichee(const QSize& bitmap) {
    return QSize(std::max(1, qRound(bitmap.width() / FacteurCache)),
                 std::max(1, qRound(bitmap.height() / FacteurCache)));
}

Etendue etendueDefilement(int nombre, double hauteurVue, const QRectF& cadre0) {
    // Photo 0 is never placed by the rule: with it alone the grid has no last row to speak of.
    if (nombre < 2)
        return {};
    // Waiting for a sixth row would leave a fifth one below the view out of reach.
    if (cellule(nombre - 1, cadre0).bottom() <= hauteurVue)
        return {};
    const int r = (nombre - 1) / Colonnes;
    const double regle = qRound((r + 2) * (cadre0.height() + 350));
    // The rule alone falls behind the rows from about 640 photos on and would leave the last
    // rows out of reach.
    const double basDerniere = cellule(nombre - 1, cadre0).bottom() + cadre0.top();
    return {true, std::max(regle, basDerniere)};
}

} // namespace GeometrieGrille
