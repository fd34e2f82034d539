#pragma once

#include <QString>

// The thumbnail cache on disk: a root folder under the programs folder, one folder per album
// title, one bitmap per photo named after the photo's path. Folders are kept with '/' and end
// with it.
namespace CacheVignettes {

// The photo's path without its root part ("C:\" or "/"), every separator turned into "_":
// C:\photos\Noel\sapin.jpg gives Photos_Noel_sapin.jpg. Empty when nothing is left.
QString ConvertirNom(const QString& fichier);

// The programs folder + "Lumivane/". Empty (no cache at all) when the folder is not an absolute
// path, as with the reader's answers "Error" or "": the bitmaps would land wherever the process
// happens to run.
QString racineCache(const QString& dossierProgrammes);

// The cache never writes nor deletes through a symbolic link or in a folder of someone else: a
// root that is a link to a folder of the user's would lose their files. True when `dossier`
// (root or album folder) exists, is a folder, is not a link and belongs to the user.
bool dossierSur(const QString& dossier);

// Makes the root and the album folder `dossier` (the root or a folder right under it) as needed;
// true when both are dossierSur() and the bitmaps may be written there. Otherwise the
// thumbnails are made in memory only.
bool preparerDossiers(const QString& racine, const QString& dossier);

// Deletes the bitmaps lying directly in a dossierSur() root that its records name (those of an
// album without a title), and the records; no other file, whoever made it, and no folder.
void nettoyerRacine(const QString& racine);

// The root + the trimmed title + "/"; the root itself for an empty title. A title cannot lead
// out of the root: separators in it become "_" and a title of dots counts as empty.
QString dossierAlbum(const QString& racine, const QString& titre);

} // namespace CacheVignettes
