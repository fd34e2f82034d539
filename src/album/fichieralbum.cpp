#include "album/fichieralbum.h"

#include "platform/regularfile.h"
#include "platform/writewholefile.h"

#include <QFile>
#include <QFileInfo>

QString enregistrerFichierAlbum(const QString& chemin, const QByteArray& contenu) {
    // The rename that puts the new file in place would also replace a file the user protected.
    const QFileInfo existant(chemin);
    if (existant.exists() && existant.isFile() && !existant.isWritable())
        return QStringLiteral("le fichier est protégé en écriture");
    return writeWholeFile(chemin, contenu);
}

std::optional<QByteArray> lireFichierAlbum(const QString& chemin, bool* tropGros) {
    if (tropGros)
        *tropGros = false;
    if (!isRegularFile(chemin))
        return std::nullopt;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A sparse file of gigabytes costs nothing on disk: its size is refused before any read, and
    // a file growing meanwhile is not read past the bound.
    QByteArray contenu;
    if (fichier.size() <= MaxOctetsFichierAlbum)
        contenu = fichier.read(MaxOctetsFichierAlbum + 1);
    if (fichier.size() > MaxOctetsFichierAlbum || contenu.size() > MaxOctetsFichierAlbum) {
        if (tropGros)
            *tropGros = true;
        return std::nullopt;
    }
    if (fichier.error() != QFileDevice::NoError)
        return std::nullopt;
    return contenu;
}
