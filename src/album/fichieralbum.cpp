#include "album/fichieralbum.h"

#include "platform/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString enregistrerFichierAlbum(const QString& chemin, const QByteArray& contenu) {
    // The rename that puts the new file in place would also replace a file the user protected.
    const QFileInfo existant(chemin);
    if (existant.exists() && existant.isFile() && !existant.isWritable())
        return QStringLiteral("le fichier est protégé en écriture");
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return fichier.errorString();
    if (fichier.write(contenu) != contenu.size()) {
        const QString raison = fichier.errorString();
        fichier.cancelWriting();
        return raison;
    }
    if (!fichier.commit())
        return fichier.errorString();
    return {};
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
