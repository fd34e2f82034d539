#pragma once

#include <QString>

class SettingsStore;

// Every section and key of the settings store, with the default a reader gets when the key is
// absent. Nothing else in the program spells a section or a key.
namespace Reglages {

struct Entree {
    QString section;
    QString cle;
    QString defaut;
};

namespace Section {
inline const QString Param = QStringLiteral("Param");
inline const QString Demarrage = QStringLiteral("Demarrage");
inline const QString ListeDeFichiers = QStringLiteral("Liste de Fichiers");
inline const QString Wallpaper = QStringLiteral("Wallpaper");
inline const QString Veille = QStringLiteral("Veille");
} // namespace Section

// A key that carries a number: the name, then the number as a sign-reserving number-to-text
// conversion writes it (a blank before zero and positive numbers): "Fichier 12", "Wall 3".
QString cleNumerotee(const QString& nom, int n);

// "Param": the slide-show options.
Entree titre();            // "Titre": "0" titles on, "1" off
Entree position();         // "Position": "0" top, "1" bottom
Entree vitesseAffichage(); // "Combo 0" as the screen saver reads it (settings/vitesses)
Entree vitesseDialogue();  // "Combo 0" as the dialog reads it
// The show's further options, each "0" by default, the show as it always was.
Entree legende();   // "Legende": what a title says: "0" the full path, "1" the file name,
                    // "2" the date the photo was taken
Entree fondFlou();  // "FondFlou": "1" a blurred copy of the photo around it, "0" black
Entree mouvement(); // "Mouvement": "1" a slow pan and zoom while a photo is shown
Entree dessin();    // "Dessin": "0" OpenGL where the renderer is a hardware one, "1" OpenGL
                    // always, "2" never

// "Demarrage": what the dialog remembers between starts.
Entree album();
Entree nomAlbum();
Entree repertoireOpen();
Entree repertoireExplore();
Entree repertoireSave();

// "Liste de Fichiers": the photo list, "Fichier 0", "Fichier 1", ...
Entree fichier(int n);

// "Wallpaper": "Wall 0" (Sunday) ... "Wall 6" (Saturday), and the picture applied last.
Entree wall(int jour);
Entree wallTemp();

// "Veille": seconds of inactivity before the idle watcher starts the show.
Entree delaiVeille();

QString lire(const SettingsStore& store, const Entree& e);
void ecrire(SettingsStore& store, const Entree& e, const QString& valeur);
void effacer(SettingsStore& store, const Entree& e);
void effacerSection(SettingsStore& store, const QString& section);

// How the screen saver reads a numeric option: a number equal to 0 is 0, anything else is 1.
bool vautZero(const QString& valeur);
// How the show reads one of `nombre` choices: the stored whole number from 0 to nombre - 1,
// anything else the entry's default.
int choix(const SettingsStore& store, const Entree& e, int nombre);

} // namespace Reglages
