#pragma once

#include "album/album.h"

// The configuration dialog's shared state, given to every panel that needs it: the album (with
// its file and its change flag), whether a running thumbnail build must stop, and which command
// of the bar is the active one.
struct EtatDialogue {
    EtatDialogue(SettingsStore& reglages, Prompts& messages, FileChooser& fichiers,
                 const QString& dossierProgramme)
        : album(reglages, messages, fichiers, dossierProgramme) {}
    EtatDialogue(const EtatDialogue&) = delete;
    EtatDialogue& operator=(const EtatDialogue&) = delete;

    Album album;
    bool& AlbumModifie = album.AlbumModifie;
    QString& FichierAlbum = album.FichierAlbum;
    // Set when another album replaces the one whose thumbnails are being built.
    bool ArretChargement = false;
    // The command of the bar shown as selected; 999 for none.
    qint16 BoutonActif = 999;
};
