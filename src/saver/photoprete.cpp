#include "saver/photoprete.h"

#include "platform/exifdate.h"
#include "platform/pictures.h"
#include "saver/fondflou.h"

PhotoPrete preparerPhoto(const Pictures& pictures, const QString& chemin,
                         const PreparationPhoto& p) {
    PhotoPrete r;
    r.image = pictures.loadFitted(chemin, p.ecran);
    if (p.date) {
        r.prise = ExifDate::dateTaken(chemin);
        r.priseLue = true;
    }
    if ((p.fondFlou || p.ecranEntier) && FondFlou::laisseDesBords(r.image.size(), p.ecran))
        r.image = FondFlou::composer(r.image, p.fondFlou ? FondFlou::fond(r.image, p.ecran) : QImage(),
                                     p.ecran);
    return r;
}
