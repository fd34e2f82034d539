#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class DesktopWallpaper;
class Pictures;
class SettingsStore;
struct Services;

// What one application of a wallpaper did.
struct FondEcran {
    bool imageLue = false;      // the picture could be loaded
    QString bitmap;             // the LMV.bmp written, empty when none could be written
    bool bureauAccepte = false; // the desktop took it
};

// How long the show waits before it tries again a wallpaper that no desktop backend accepted.
inline constexpr int DelaiNouvelEssaiFondEcranMs = 60000;

// Name of the wallpaper bitmap, in the program folder or, failing that, in the fallback folder.
inline const QString NomBitmapFondEcran = QStringLiteral("LMV.bmp");

// `dossier` joined with `nom` by one native separator (none added when the folder already ends
// with one, as a root folder does).
QString cheminDans(const QString& dossier, const QString& nom);

// The per-user folder that receives the bitmap when the program folder cannot be written:
// $XDG_DATA_HOME/Lumivane/ on Linux (~/.local/share/Lumivane/ when the variable is relative).
QString dossierSecoursFondEcran();

// Size in device pixels of the screen with the most pixels; invalid when there is no screen.
// Only the UI thread may ask.
QSize plusGrandEcran();

// Turns the picture `chemin` into a 24-bit Windows bitmap LMV.bmp (in `dossierProgramme`, else
// in `dossierSecours`), at most as large as the largest screen (the desktop scales it anyway,
// and a large photo decoded whole would cost the show its memory), hands the desktop the same
// picture under a name of its own, LMV-N.bmp next to it (desktops reload only a path that
// changed), and records `chemin` as "WallTemp" when the desktop accepted it (enregistrerFondEcran).
// `Tempo` holds the picture while it is saved and is empty afterwards. Nothing here opens a message
// box; the caller sees the outcome in the result.
FondEcran AppliquerFondEcran(const QString& chemin, QImage& Tempo, Services& services,
                             const QString& dossierProgramme, const QString& dossierSecours);

// Records `chemin` as the wallpaper applied ("WallTemp") when a desktop backend accepted it, and
// tells whether it did. A picture that could not be loaded or written, or that the desktop
// refused, is not recorded: the show tries it again later (it must pace its attempts, see
// DelaiNouvelEssaiFondEcranMs) and the weekday editor tells the user.
bool enregistrerFondEcran(SettingsStore& settings, const QString& chemin, const FondEcran& fond);

// The part of AppliquerFondEcran that takes time (loading the picture, writing the bitmap,
// handing it to the desktop), without the record in the settings store: the display form runs
// it off the UI thread and records "WallTemp" itself when it is done. It touches nothing but
// its arguments, and `pictures` and `bureau`, which must not be used elsewhere meanwhile. The
// picture is scaled to fit inside `ecran` (plusGrandEcran(), asked on the UI thread), never
// enlarged; an invalid `ecran` keeps it whole.
FondEcran ecrireFondEcran(const QString& chemin, QImage& Tempo, const Pictures& pictures,
                          DesktopWallpaper& bureau, const QSize& ecran,
                          const QString& dossierProgramme, const QString& dossierSecours);
