#include "album/formatalbum.h"

#include "album/textesalbum.h"
#include "album/windows1252.h"

namespace {

const QByteArray MarqueUtf8{"\xEF\xBB\xBF"};

std::optional<int> numeroDe(QStringView debut) {
    const QString chiffres = sansBlancs(debut.toString());
    if (chiffres.isEmpty())
        return std::nullopt;
    int n = 0;
    for (const QChar c : chiffres) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

} // namespace

QString sansBlancs(const QString& texte) {
    qsizetype debut = 0;
    qsizetype fin = texte.size();
    while (debut < fin && texte[debut] == u' ')
        ++debut;
    while (fin > debut && texte[fin - 1] == u' ')
        --fin;
    return texte.mid(debut, fin - debut);
}

QList<LigneAlbum> lireLignesAlbum(const QByteArray& contenu, bool* tronque) {
    if (tronque)
        *tronque = false;
    const QString texte = contenu.startsWith(MarqueUtf8)
                              ? QString::fromUtf8(contenu.sliced(MarqueUtf8.size()))
                              : Windows1252::decoder(contenu);
    QList<LigneAlbum> lignes;
    qsizetype debut = 0;
    while (debut < texte.size()) {
        qsizetype fin = texte.indexOf(u'\r', debut);
        if (fin < 0)
            fin = texte.size();
        const QStringView ligne = QStringView(texte).sliced(debut, fin - debut);
        debut = fin + 1;
        if (debut < texte.size() && texte[debut] == u'\n')
            ++debut;
        const auto numero = numeroDe(ligne.left(4));
        if (!numero)
            continue;
        if (lignes.size() == MaxPhotosFichierAlbum) {
            if (tronque)
                *tronque = true;
            break;
        }
        lignes.append({*numero, sansBlancs(ligne.mid(4).toString())});
    }
    return lignes;
}

QString refusAlbum(const QStringList& photos) {
    if (photos.size() > MaxPhotosFichierAlbum)
        return TextesAlbum::tropDePhotos(photos.size());
    for (const QString& chemin : photos) {
        if (chemin.contains(u'\r'))
            return TextesAlbum::cheminImpossible(chemin);
    }
    return {};
}

std::optional<QByteArray> ecrireLignesAlbum(const QStringList& photos) {
    if (!refusAlbum(photos).isEmpty())
        return std::nullopt;
    QString texte;
    for (qsizetype i = 0; i < photos.size(); ++i)
        texte +=
            QStringLiteral("%1 ").arg(i, 4, 10, QChar(u'0')) + photos[i] + QStringLiteral("\r\n");
    if (auto octets = Windows1252::encoder(texte))
        return octets;
    return MarqueUtf8 + texte.toUtf8();
}
