#pragma once

#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

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

// What a cached bitmap was made from. The source's size and modification time tell a photo
// replaced under the same path; `bitmap` is the bitmap's own pixel size, so that a warm build
// places a thumbnail without opening its file.
struct Origine {
    QString source;
    qint64 taille = -1;
    qint64 modifiee = 0; // ms since the epoch
    QSize bitmap;

    // The source as it is on disk now; nothing when it is not a readable file.
    static std::optional<Origine> duFichier(const QString& chemin);
    bool memeSource(const Origine& autre) const {
        return source == autre.source && taille == autre.taille && modifiee == autre.modifiee;
    }
};

// The records of one album folder, kept in one file beside the bitmaps.
class IndexCache {
public:
    static inline const QString NomFichier = QStringLiteral(".lumivane-origines");

    IndexCache() = default;
    // Reads the records of `dossier`; a missing or damaged file gives none.
    explicit IndexCache(const QString& dossier);
    bool enregistrer(const QString& dossier) const;

    std::optional<Origine> origine(const QString& nom) const;
    void noter(const QString& nom, const Origine& origine) { m_origines.insert(nom, origine); }
    qsizetype size() const { return m_origines.size(); }
    // The names of the bitmaps recorded: plain file names, never a path.
    QStringList noms() const { return m_origines.keys(); }

    // Cache names of the photos, in album order. The first photo of a name keeps it; a photo
    // whose name is taken by another photo, in this album or in the records, gets the next free
    // variant ("a_b~2.jpg"). A path given twice gets the same name twice; a photo without a name
    // gets "".
    QStringList attribuerNoms(const QStringList& chemins) const;

private:
    QHash<QString, Origine> m_origines; // by cache name
};
