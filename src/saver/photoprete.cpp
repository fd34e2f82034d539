#include "saver/photoprete.h"

#include "pictures/exifdate.h"
#include "pictures/pictures.h"
#include "saver/fondflou.h"

PhotoPrete preparerPhoto(const Pictures& pictures, const QString& chemin,
                         const PreparationPhoto& p) {
    PhotoPrete r;
    r.image = pictures.loadFitted(chemin, p.ecran);
    if (p.date)
        r.prise = ExifDate::dateTaken(chemin);
    r.ecran = p.ecran;
    if (!FondFlou::laisseDesBords(r.image.size(), p.ecran))
        return r;
    const QImage fond = p.fondFlou ? FondFlou::fond(r.image, p.ecran) : QImage();
    if (p.ecranEntier)
        r.image = FondFlou::composer(r.image, fond, p.ecran);
    else if (p.fondFlou)
        r.autour = FondFlou::autour(r.image, fond, p.ecran);
    return r;
}
