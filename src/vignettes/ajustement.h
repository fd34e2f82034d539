#pragma once

#include <QRectF>
#include <QSizeF>

// Where a picture stands when it is shown over a frame, in twips. Margins: 200 for a thumbnail
// cell, 300 for the preview of a thumbnail, 500 for the preview of the album list.
namespace Ajustement {

// A picture larger than `cadre` in either direction is scaled with its proportions kept, so
// that its longer side (the height when both are equal) is the frame's side less `marge`; a
// picture that fits keeps its natural size `naturelle`. It is then centred over the frame, each
// offset being the difference rounded to a whole number (a half to the even one) and halved
// without its fraction, as the forms have always placed it.
QRectF ajusterDansCadre(const QSizeF& naturelle, const QRectF& cadre, double marge);

// The offset that centres a length inside a room `ecart` longer: `ecart` rounded to the nearest
// whole number (a half to the even neighbour), halved towards zero.
double demiEcart(double ecart);

} // namespace Ajustement
