#pragma once

#include "settings/avisecriture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class FileChooser;
struct LectureAlbum;

// The album as the configuration dialog keeps it, without its widgets: the photo list, its
// mirror in the settings store, the album file, and the commands that work on them through the
// message boxes and the file dialog.
//
// The dialog owns one Album for its whole life and shows its state:
//   - the list box ListeS shows `Liste`, one entry per line, in order;
//   - the label TitreAlbum shows `TitreAlbum`;
//   - `FichierAlbum` and `AlbumModifie` are the dialog's variables of those names.
// Every procedure below changes `Liste` in one go and returns; the dialog then refills ListeS
// from `Liste` and does the widget work the procedure's comment names (thumbnails, preview,
// selection, buttons). The mirror and the album file are kept up to date here: the dialog never
// writes "Liste de Fichiers" itself, and need not delete that section before a save.
//
// Paths are joined and split at the native separator; folders written to "Demarrage" end with it.
class Album {
public:
    // `dossierProgramme`: the program's own folder, where the file dialogs start when no folder
    // is remembered.
    Album(SettingsStore& reglages, Prompts& messages, FileChooser& fichiers,
          QString dossierProgramme);

    QStringList Liste;
    QString TitreAlbum;
    QString FichierAlbum;
    bool AlbumModifie = false;

    // Form_Load, when the list is loaded: `Liste` = the mirror. Then, when `Liste` is not empty,
    // the dialog hides the thumbnail area, shows ListeS, marks thumbnail 0 as highlighted, runs
    // its click handling and selects entry 0 of ListeS. The mirror is read off the UI thread
    // first (lireMiroirEnFond).
    void ChargerListe(const QStringList& miroir) { Liste = miroir; }

    // Form_Load, at its end: takes up the album opened last (its title and file as remembered in
    // "Demarrage"), also for an empty list, and, when one is remembered and the list is not
    // empty, reopens it as ReouvrirFichier does. A file that cannot be read leaves the list and
    // the mirror as they are. True when it reopened a file: the dialog then treats the list as
    // after ReouvrirFichier. The same in two steps, so that the file is read off the UI thread:
    // dernierAlbumARouvrir takes up the title and the file and names the file to read, if any;
    // reprendreDernierAlbum then takes what was read, unless the list or the file changed
    // meanwhile.
    bool retrouverDernierAlbum();
    std::optional<QString> dernierAlbumARouvrir();
    bool reprendreDernierAlbum(const LectureAlbum& lecture);

    // Appends `chemin` to the list and writes it under the key of `numero`, and no other key:
    // the caller picks the number that keeps the mirror contiguous.
    void AjouterFichier(const QString& chemin, int numero);

    // Replaces the list and the mirror by the contents of the file `FichierAlbum` and sets the
    // title from the file name. A file that cannot be read, is too large to be an album or gives
    // no photo changes nothing (the user is told, naming the file) and the result is false; of a
    // file numbering more photos than it can, the first ones are taken and the user is told.
    // When true, the dialog empties its thumbnail pane, shows ListeS and highlights and selects
    // entry 0 as after ChargerListe.
    bool ReouvrirFichier();

    enum class Sauvegarde {
        Enregistree, // the file and the mirror hold the list
        Abandonnee,  // the user gave up naming the album; the mirror holds the list
        Echouee,     // the file could not be written (the user was told); the mirror holds the list
    };
    // Writes the list to the album file `Fichier` and to the mirror. When the album has no name
    // (an empty title) or no file, asks the user for one until a name is given or the user gives
    // up; a name chosen is stored into `Fichier` and its caption becomes the title. `AlbumModifie`
    // is false afterwards unless the file could not be written. The previous file is replaced
    // only by a complete new one. Once written, the file is the album's: `FichierAlbum` names it
    // and "Demarrage" remembers it for the next start. Nothing of the dialog changes but the
    // title.
    Sauvegarde Sauvegarder(QString& Fichier);

    // The removal menu item, for the selected entry `index` (a photo or a folder, each with its
    // own question): asks for confirmation; on No nothing
    // changes and the result is false. On Yes the entry leaves the list, `apresRetrait` runs (the
    // dialog refills ListeS, enables "Enregistrer Album" and empties its thumbnail pane, before
    // any message of the save), then the album is saved to `FichierAlbum`. True on Yes.
    bool Supp(int index, const std::function<void()>& apresRetrait = {});

    // The "Album" command, between the selection looks of the command bar. Offers to save
    // unsaved changes, then asks for an album file. False when the user cancelled that, when
    // the changes could not be saved, or when the file gives no photo (the user was told; the
    // list and the album's file stay): the dialog only clears
    // its thumbnail highlight marker. True when `FichierAlbum` names the
    // chosen file, reopened as by ReouvrirFichier, and "Demarrage" remembers it: the dialog
    // clears the highlight marker, stops a running thumbnail build (ArretChargement), clears the
    // preview and its tooltip, empties its thumbnail pane, shows ListeS and, when the list is not
    // empty, highlights and selects entry 0.
    bool ouvrirAlbum();

    enum class ResultatPhotos {
        Annule,      // nothing chosen, nothing changed
        Ajoutees,    // the photos follow the entries already listed
        NouvelAlbum, // the list holds only the new photos; the title is empty
    };
    // The "Photos" command: asks for photos (or one folder, kept as a folder entry) and adds them,
    // or starts a new album with them when the list was not empty and the user wants a new album;
    // "Demarrage" then forgets the former album. Unless Annule, `AlbumModifie` becomes true.
    // Whatever the result, the dialog enables "Enregistrer Album". Unless Annule, it empties its
    // thumbnail pane, hides the thumbnail area and shows ListeS with the new list.
    ResultatPhotos photos();

    // The "Enregistrer Album" command: asks for a file and a confirmation, then saves the album
    // to that file, which gives it its title and becomes its file (as for Sauvegarder). Nothing
    // when the user cancelled or said No (the remembered save folder is updated all the same).
    // A save that fails leaves the title and the file as they were.
    std::optional<Sauvegarde> enregistrerAlbum();

    // The close button, before the dialog ends the program: offers to save unsaved changes.
    // False only when the user asked for a save that failed: the dialog then stays open so that
    // the album can be saved elsewhere; the next close asks again.
    bool fermer();

    const SettingsStore& reglages() const { return m_reglages; }

    // The caption of a file: its name without folder and without its last four characters, in
    // capitals; nothing when the name is shorter than four characters.
    static std::optional<QString> titreDuFichier(const QString& chemin);

private:
    // The title an album saved to `fichier` takes, on every save path: the file's caption, or
    // the present title when the name is too short to give one.
    QString titreDe(const QString& fichier) const;
    QString dossierDepart(const QString& dossierRetenu) const;
    // The list, the mirror (unless it already holds the list) and the title from what the file
    // `FichierAlbum` gave; false, with the user told, when it gave nothing.
    bool remplacerPar(const LectureAlbum& lecture, bool ecrireMiroir);
    // `fichier` becomes the album's file, here and for the next start.
    void retenirFichier(const QString& fichier);
    std::optional<QString> demanderNom();

    SettingsStore& m_reglages;
    Prompts& m_messages;
    FileChooser& m_fichiers;
    QString m_dossierProgramme;
    QStringList m_listeAvantLecture; // the list when the remembered album's file began to be read
    AvisEcriture m_avis;
};
