#include "vignettes/indexcache.h"

#include "platform/regularfile.h"
#include "platform/writewholefile.h"
#include "vignettes/cachevignettes.h"

#include <QDataStream>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>

std::optional<Origine> Origine::duFichier(const QString& chemin) {
    if (chemin.isEmpty())
        return std::nullopt;
    const QFileInfo info(chemin);
    if (!isRegularFile(info))
        return std::nullopt;
    return Origine{chemin, info.size(), info.lastModified().toMSecsSinceEpoch(), QSize()};
}

namespace {

constexpr quint32 Signature = 0x4c4d5649; // "LMVI"
constexpr quint16 Version = 1;

} // namespace

IndexCache::IndexCache(const QString& dossier) {
    QFile fichier(dossier + NomFichier);
    if (!fichier.open(QIODevice::ReadOnly))
        return;
    QDataStream in(&fichier);
    quint32 signature = 0;
    quint16 version = 0;
    qint32 nombre = 0;
    in >> signature >> version >> nombre;
    if (signature != Signature || version != Version || nombre < 0)
        return;
    QHash<QString, Origine> lues;
    for (qint32 k = 0; k < nombre && in.status() == QDataStream::Ok; ++k) {
        QString nom;
        Origine o;
        in >> nom >> o.source >> o.taille >> o.modifiee >> o.bitmap;
        lues.insert(nom, o);
    }
    // A damaged file could pair a name with the wrong photo: then nothing of it is trusted.
    if (in.status() == QDataStream::Ok)
        m_origines = std::move(lues);
}

bool IndexCache::enregistrer(const QString& dossier) const {
    QByteArray octets;
    QDataStream out(&octets, QIODevice::WriteOnly);
    out << Signature << Version << qint32(m_origines.size());
    for (auto it = m_origines.cbegin(); it != m_origines.cend(); ++it)
        out << it.key() << it->source << it->taille << it->modifiee << it->bitmap;
    return out.status() == QDataStream::Ok &&
           writeWholeFile(dossier + NomFichier, octets).isEmpty();
}

std::optional<Origine> IndexCache::origine(const QString& nom) const {
    const auto it = m_origines.constFind(nom);
    if (it == m_origines.cend())
        return std::nullopt;
    return *it;
}

namespace {

// "a_b.jpg" -> "a_b~2.jpg": the variant keeps the photo's extension.
QString variante(const QString& nom, int k) {
    const qsizetype point = nom.lastIndexOf(u'.');
    const QString suffixe = QStringLiteral("~%1").arg(k);
    if (point <= 0)
        return nom + suffixe;
    return nom.left(point) + suffixe + nom.mid(point);
}

} // namespace

QStringList IndexCache::attribuerNoms(const QStringList& chemins) const {
    QStringList noms;
    noms.reserve(chemins.size());
    // Names are claimed without regard to case, for the file systems that ignore it.
    QSet<QString> pris{NomFichier.toLower()};
    QHash<QString, QString> dejaNommes;
    for (const QString& chemin : chemins) {
        if (const auto it = dejaNommes.constFind(chemin); it != dejaNommes.cend()) {
            noms << *it;
            continue;
        }
        const QString base = CacheVignettes::ConvertirNom(chemin);
        QString nom;
        for (int k = 1; !base.isEmpty(); ++k) {
            const QString candidat = k == 1 ? base : variante(base, k);
            if (pris.contains(candidat.toLower()))
                continue;
            const auto o = origine(candidat);
            if (!o || o->source == chemin) {
                nom = candidat;
                break;
            }
        }
        if (!nom.isEmpty())
            pris.insert(nom.toLower());
        dejaNommes.insert(chemin, nom);
        noms << nom;
    }
    return noms;
}
