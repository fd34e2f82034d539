#pragma once

#include "album/album.h"

// The configuration dialog's shared state, given to every panel that needs it: the album, with
// its file and its change flag.
struct EtatDialogue {
    EtatDialogue(SettingsStore& reglages, Prompts& messages, FileChooser& fichiers,
                 const QString& dossierProgramme)
        : album(reglages, messages, fichiers, dossierProgramme) {}
    EtatDialogue(const EtatDialogue&) = delete;
    EtatDialogue& operator=(const EtatDialogue&) = delete;

    Album album;
    bool& AlbumModifie = album.AlbumModifie;
    QString& FichierAlbum = album.FichierAlbum;
};
