#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class SharedThumbnails;

// Thumbnails that exist before the build, used instead of decoding the photo: the desktop's
// shared thumbnails, then the small picture the camera stored in the photo. One is taken only
// when it is at least the bitmap's size and shows the whole photo: a thumbnail with bars added
// around it (a camera's 4:3 thumbnail of a 16:9 photo) would put those bars in the grid.
namespace VignettesDejaFaites {

// The largest difference of proportions that still shows the photo without visible bars.
inline constexpr double EcartProportions = 0.02;

// A thumbnail of size `vignette` can stand for a photo of size `naturelle` (as shown) in a
// bitmap of size `besoin`.
bool convient(const QSize& vignette, const QSize& naturelle, const QSize& besoin);

// A thumbnail of the photo `chemin` that suits it, or a null image.
QImage trouver(const QString& chemin, const QSize& naturelle, const QSize& besoin,
               const SharedThumbnails& partagees);

} // namespace VignettesDejaFaites
