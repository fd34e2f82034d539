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
    if (p.fondFlou && FondFlou::laisseDesBords(r.image.size(), p.ecran)) {
        QImage fond = FondFlou::fond(r.image, p.ecran);
        if (p.fondSepare)
            r.fond = std::move(fond);
        else
            r.image = FondFlou::composer(r.image, fond, p.ecran);
    }
    return r;
}
