#pragma once

#include "saver/tirage.h"

#include <QString>
#include <optional>

// Where the rounds of the shows stand, kept between runs in a small file of the program's own
// state (not in the settings store: nothing there is a choice of the user's), one entry per
// show. The file is rewritten whole and atomically, under a lock, so that the shows of several
// processes (a screen-saver host runs one per screen) keep each other's entries.
namespace FichierTirages {

// The folder of the program's state: `xdgStateHome`/Lumivane when it is an absolute path,
// otherwise (unset, empty or relative, which the base-directory rules say to ignore)
// `home`/.local/state/Lumivane.
QString dossierEtat(const QString& xdgStateHome, const QString& home);
// The state file in that folder.
QString fichier(const QString& dossier);

// The entry of the show `cle`; none when the file, the entry or one of its fields is missing
// or malformed.
std::optional<Tirage::Etat> lire(const QString& fichier, const QString& cle);
// Writes the entry of `cle`, keeping the others; the folder is made (for its owner only) when
// it is missing. False when the file could not be written.
bool ecrire(const QString& fichier, const QString& cle, const Tirage::Etat& etat);

} // namespace FichierTirages
