#include "desktop/fondecran.h"

#include "desktop/desktopwallpaper.h"
#include "pictures/pictures.h"
#include "platform/imagepools.h"
#include "platform/services.h"
#include "settings/reglages.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>

QString cheminDans(const QString& dossier, const QString& nom) {
    const QChar sep = QDir::separator();
    if (dossier.endsWith(sep) || dossier.endsWith(u'/'))
        return dossier + nom;
    return dossier + sep + nom;
}

QString dossierSecoursFondEcran() {
    QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // A relative XDG_DATA_HOME is to be ignored, and Qt takes it as it is: "--help" would be a
    // folder of the current one, and the picture's path an option to the desktop's tool.
    if (QDir::isRelativePath(donnees))
        donnees = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::toNativeSeparators(donnees + QStringLiteral("/Lumivane/"));
}

QSize plusGrandEcran() {
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

bool ecrireDans(const Pictures& pictures, const QImage& image, const QString& dossier,
                QString& bitmap) {
    if (dossier.isEmpty() || !QDir().mkpath(dossier))
        return false;
    const QString chemin = cheminDans(dossier, NomBitmapFondEcran);
    if (!pictures.saveBmp(image, chemin))
        return false;
    bitmap = chemin;
    return true;
}

// The copies handed to the desktop: LMV-1.bmp, LMV-2.bmp…
const QRegularExpression& nomCopie() {
    static const QRegularExpression nom(QStringLiteral("^LMV-([1-9][0-9]{0,8})\\.bmp$"));
    return nom;
}

// The copies left in `dossier` by earlier applications, and the highest number they bear.
QStringList copiesDans(const QString& dossier, int& plusGrand) {
    QStringList copies;
    if (dossier.isEmpty())
        return copies;
    for (const QString& nom : QDir(dossier).entryList(QDir::Files | QDir::System)) {
        const QRegularExpressionMatch m = nomCopie().match(nom);
        if (!m.hasMatch())
            continue;
        copies << cheminDans(dossier, nom);
        plusGrand = std::max(plusGrand, m.captured(1).toInt());
    }
    return copies;
}

// A new name in the bitmap's folder for the same picture: a hard link, or a copy where the
// file system has none. Empty when neither could be made.
QString copier(const QString& bitmap, int numero) {
    const QString dossier = QFileInfo(bitmap).path();
    for (;; ++numero) {
        const QString copie = cheminDans(dossier, QStringLiteral("LMV-%1.bmp").arg(numero));
        const QFileInfo existe(copie);
        if (existe.exists() || existe.isSymLink())
            continue;
        std::error_code erreur;
        std::filesystem::create_hard_link(QFileInfo(bitmap).filesystemFilePath(),
                                          existe.filesystemFilePath(), erreur);
        if (!erreur || QFile::copy(bitmap, copie))
            return copie;
        return {};
    }
}

// Desktops reload the wallpaper only when its path changes (KDE Plasma ignores a path that it
// already shows), while LMV.bmp keeps its name. So the desktop is handed a name of its own at
// each change, the same picture as the LMV.bmp just written (whose rewrite is a new file: the
// copy the desktop showed so far keeps its picture). The earlier copies go once the desktop
// took the new one; a refused copy goes at once, or each attempt would leave one behind. When
// no copy can be made, LMV.bmp itself is handed over.
bool remettre(DesktopWallpaper& bureau, const QString& bitmap, const QString& dossierProgramme,
              const QString& dossierSecours) {
    int plusGrand = 0;
    QStringList anciennes =
        copiesDans(dossierProgramme, plusGrand) + copiesDans(dossierSecours, plusGrand);
    anciennes.removeDuplicates();
    const QString copie = copier(bitmap, plusGrand + 1);
    // The end of the process lets the desktop take the file in full (a tool that hangs is
    // stopped by cancel()).
    const ImagePools::PendingWrite ecriture;
    const bool accepte = bureau.setWallpaper(copie.isEmpty() ? bitmap : copie);
    for (const QString& fichier : accepte ? anciennes : QStringList{copie})
        if (!fichier.isEmpty())
            QFile::remove(fichier);
    return accepte;
}

} // namespace

FondEcran ecrireFondEcran(const QString& chemin, QImage& Tempo, const Pictures& pictures,
                          DesktopWallpaper& bureau, const QSize& ecran,
                          const QString& dossierProgramme, const QString& dossierSecours) {
    FondEcran resultat;
    Tempo = pictures.loadFitted(chemin, ecran);
    resultat.imageLue = !Tempo.isNull();
    if (resultat.imageLue) {
        if (!ecrireDans(pictures, Tempo, dossierProgramme, resultat.bitmap))
            ecrireDans(pictures, Tempo, dossierSecours, resultat.bitmap);
    }
    Tempo = QImage();
    if (!resultat.bitmap.isEmpty())
        resultat.bureauAccepte =
            remettre(bureau, resultat.bitmap, dossierProgramme, dossierSecours);
    return resultat;
}

bool enregistrerFondEcran(SettingsStore& settings, const QString& chemin, const FondEcran& fond) {
    if (fond.bureauAccepte)
        Reglages::ecrire(settings, Reglages::wallTemp(), chemin);
    return fond.bureauAccepte;
}

FondEcran AppliquerFondEcran(const QString& chemin, QImage& Tempo, Services& services,
                             const QString& dossierProgramme, const QString& dossierSecours) {
    const FondEcran resultat = ecrireFondEcran(chemin, Tempo, services.pictures, services.wallpaper,
                                               plusGrandEcran(), dossierProgramme, dossierSecours);
    enregistrerFondEcran(services.settings, chemin, resultat);
    return resultat;
}
