#include "bureau/fondecran.h"

#include "platform/desktopwallpaper.h"
#include "platform/pictures.h"
#include "platform/poolsimages.h"
#include "platform/services.h"
#include "settings/reglages.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

QString CheminDans(const QString& dossier, const QString& nom) {
    const QChar sep = QDir::separator();
    if (dossier.endsWith(sep) || dossier.endsWith(u'/'))
        return dossier + nom;
    return dossier + sep + nom;
}

QString DossierSecoursFondEcran() {
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir::toNativeSeparators(donnees + QStringLiteral("/Lumivane/"));
}

QSize PlusGrandEcran() {
    QSize plusGrand;
    for (const QScreen* ecran : QGuiApplication::screens()) {
        const QSize taille = (QSizeF(ecran->size()) * ecran->devicePixelRatio()).toSize();
        if (qint64(taille.width()) * taille.height() >
            qint64(plusGrand.width()) * plusGrand.height())
            plusGrand = taille;
    }
    return plusGrand;
}

namespace {

bool EcrireDans(const Pictures& pictures, const QImage& image, const QString& dossier,
                QString& bitmap) {
    if (dossier.isEmpty() || !QDir().mkpath(dossier))
        return false;
    const QString chemin = CheminDans(dossier, NomBitmapFondEcran);
    if (!pictures.saveBmp(image, chemin))
        return false;
    bitmap = chemin;
    return true;
}

} // namespace

FondEcran EcrireFondEcran(const QString& chemin, QImage& Tempo, const Pictures& pictures,
                          DesktopWallpaper& bureau, const QSize& ecran,
                          const QString& dossierProgramme, const QString& dossierSecours) {
    FondEcran resultat;
    Tempo = pictures.loadFitted(chemin, ecran);
    resultat.imageLue = !Tempo.isNull();
    if (resultat.imageLue) {
        if (!EcrireDans(pictures, Tempo, dossierProgramme, resultat.bitmap))
            EcrireDans(pictures, Tempo, dossierSecours, resultat.bitmap);
    }
    Tempo = QImage();
    if (!resultat.bitmap.isEmpty()) {
        // The end of the process lets the desktop take the file in full (a tool that hangs is
        // stopped by cancel()).
        const PoolsImages::Ecriture ecriture;
        resultat.bureauAccepte = bureau.setWallpaper(resultat.bitmap);
    }
    return resultat;
}

bool EnregistrerFondEcran(SettingsStore& settings, const QString& chemin, const FondEcran& fond) {
    if (fond.bureauAccepte)
        Reglages::ecrire(settings, Reglages::wallTemp(), chemin);
    return fond.bureauAccepte;
}

FondEcran AppliquerFondEcran(const QString& chemin, QImage& Tempo, Services& services,
                             const QString& dossierProgramme, const QString& dossierSecours) {
    const FondEcran resultat = EcrireFondEcran(chemin, Tempo, services.pictures, services.wallpaper,
                                               PlusGrandEcran(), dossierProgramme, dossierSecours);
    EnregistrerFondEcran(services.settings, chemin, resultat);
    return resultat;
}
