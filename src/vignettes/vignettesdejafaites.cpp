#include "vignettes/vignettesdejafaites.h"

#include "pictures/exifthumbnail.h"
#include "pictures/sharedthumbnails.h"

#include <cmath>

bool VignettesDejaFaites::convient(const QSize& vignette, const QSize& naturelle,
                                   const QSize& besoin) {
    if (vignette.isEmpty() || naturelle.isEmpty() || vignette.width() < besoin.width() ||
        vignette.height() < besoin.height())
        return false;
    const double rapport = (double(vignette.width()) * naturelle.height()) /
                           (double(vignette.height()) * naturelle.width());
    return std::abs(rapport - 1.0) <= EcartProportions;
}

QImage VignettesDejaFaites::trouver(const QString& chemin, const QSize& naturelle,
                                    const QSize& besoin, const SharedThumbnails& partagees) {
    // The shared thumbnail first: it was made from the whole photo, larger than the camera's.
    QImage image = partagees.find(chemin, besoin);
    if (!image.isNull() && convient(image.size(), naturelle, besoin))
        return image;
    image = ExifThumbnail::fromFile(chemin);
    if (!image.isNull() && convient(image.size(), naturelle, besoin))
        return image;
    return {};
}
