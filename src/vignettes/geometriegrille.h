#pragma once

#include <QRectF>
#include <QSize>
#include <QSizeF>

// Where the thumbnail grid puts its cells and pictures, in twips relative to the grid's content.
// Every cell is placed from the geometry of the first one, four to a row.
namespace GeometrieGrille {

inline constexpr int Colonnes = 4;
// The first cell and its picture as they stand in the dialog's design.
inline constexpr QRectF CadreIm0{200, 360, 1305, 1245};
inline constexpr QRectF Im0{480, 600, 735, 735};
// Room left around a thumbnail inside its cell.
inline constexpr double MargeCellule = 200;
// A cached bitmap is this much larger than the thumbnail it gives back.
inline constexpr double FacteurCache = 1.5;

// Cell of photo i: column i mod 4, row i div 4; photo 0 keeps `cadre0` itself.
QRectF cellule(int i, const QRectF& cadre0 = CadreIm0);

// A freshly decoded photo of natural size `naturelle` fitted into its cell and centred.
QRectF AfficherThumb(const QSizeF& naturelle, const QRectF& cellule);
// A cached bitmap of natural size `naturelle` shown at two thirds of it, centred in the cell.
QRectF AfficherThumb2(const QSizeF& naturelle, const QRectF& cellule);

// Pixel size of the bitmap cached for a thumbnail shown at `affichee`: 1.5 times the pixel size
// the thumbnail takes on screen, so that two thirds of it give that size back.
QSize tailleBitmap(const QSizeF& affichee);
// Pixel size at which a bitmap of `bitmap` pixels is shown: two thirds of it.
QSize tailleAffichee(const QSize& bitmap);

// The grid's scrolling once `nombre` photos are placed in a view `hauteurVue` twips high: the bar
// is shown as soon as the last row does not fit in the view, and the content is then at least
// tall enough to bring the last row into view.
struct Etendue {
    bool barre = false;
    double hauteur = 0; // meaningful only with the bar
};
Etendue etendueDefilement(int nombre, double hauteurVue, const QRectF& cadre0 = CadreIm0);

} // namespace GeometrieGrille
