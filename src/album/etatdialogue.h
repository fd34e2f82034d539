#pragma once

#include "album/album.h"
#include "album/contenudossiers.h"

// The configuration dialog's shared state, given to every panel that needs it: the album, with
// its file and its change flag, and what its folders hold.
struct EtatDialogue {
    EtatDialogue(SettingsStore& reglages, Prompts& messages, FileChooser& fichiers,
                 const QString& dossierProgramme)
        : album(reglages, messages, fichiers, dossierProgramme), dossiers(messages) {}
    EtatDialogue(const EtatDialogue&) = delete;
    EtatDialogue& operator=(const EtatDialogue&) = delete;

    Album album;
    ContenuDossiers dossiers;
    bool& AlbumModifie = album.AlbumModifie;
    QString& FichierAlbum = album.FichierAlbum;
};
