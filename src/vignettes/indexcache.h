#pragma once

#include <QHash>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

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
