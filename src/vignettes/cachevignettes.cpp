#include "vignettes/cachevignettes.h"

#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace CacheVignettes {

namespace {

bool EstSeparateur(QChar c) {
    return c == u'/' || c == u'\\';
}

// Length of the root part: a drive ("C:\"), or the separators a path begins with.
qsizetype LongueurRacine(const QString& chemin) {
    if (chemin.size() >= 3 && chemin[0].isLetter() && chemin[1] == u':' && EstSeparateur(chemin[2]))
        return 3;
    qsizetype n = 0;
    while (n < chemin.size() && EstSeparateur(chemin[n]))
        ++n;
    return n;
}

} // namespace

QString ConvertirNom(const QString& fichier) {
    QString nom = fichier.mid(LongueurRacine(fichier));
    for (QChar& c : nom)
        if (EstSeparateur(c))
            c = u'_';
    return nom;
}

QString racineCache(const QString& dossierProgrammes) {
    if (dossierProgrammes.isEmpty() || !QDir::isAbsolutePath(dossierProgrammes))
        return QString();
    QString racine = QDir::fromNativeSeparators(dossierProgrammes);
    if (!racine.endsWith(u'/'))
        racine += u'/';
    return racine + QStringLiteral("Lumivane/");
}

bool dossierSur(const QString& dossier) {
    QString chemin = dossier;
    // With its final separator, the path would name the link's target instead of the link.
    while (chemin.size() > 1 && chemin.endsWith(u'/'))
        chemin.chop(1);
    const QFileInfo info(chemin);
    if (chemin.isEmpty() || info.isSymLink() || info.isJunction() || !info.isDir())
        return false;
#ifdef Q_OS_UNIX
    return info.ownerId() == ::geteuid();
#else
    return true;
#endif
}

bool preparerDossiers(const QString& racine, const QString& dossier) {
    if (racine.isEmpty() || dossier.isEmpty())
        return false;
    // The root is made alone first: mkpath() would go through a root that is a link.
    if (!dossierSur(racine) && !(QDir().mkpath(racine) && dossierSur(racine)))
        return false;
    return dossierSur(dossier) || (QDir().mkdir(dossier) && dossierSur(dossier));
}

void nettoyerRacine(const QString& racine) {
    if (racine.isEmpty() || !dossierSur(racine))
        return;
    for (const QString& nom : IndexCache(racine).noms())
        if (!nom.isEmpty() && !nom.contains(u'/') && !nom.contains(u'\\') && nom != u"." &&
            nom != u"..")
            QFile::remove(racine + nom);
    QFile::remove(racine + IndexCache::NomFichier);
}

QString dossierAlbum(const QString& racine, const QString& titre) {
    if (racine.isEmpty())
        return QString();
    QString nom = titre.trimmed();
    for (QChar& c : nom)
        if (EstSeparateur(c))
            c = u'_';
    if (nom.count(u'.') == nom.size())
        return racine;
    return racine + nom + u'/';
}

} // namespace CacheVignettes

std::optional<Origine> Origine::duFichier(const QString& chemin) {
    if (chemin.isEmpty())
        return std::nullopt;
    const QFileInfo info(chemin);
    if (!info.isFile())
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
    QSaveFile fichier(dossier + NomFichier);
    if (!fichier.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&fichier);
    out << Signature << Version << qint32(m_origines.size());
    for (auto it = m_origines.cbegin(); it != m_origines.cend(); ++it)
        out << it.key() << it->source << it->taille << it->modifiee << it->bitmap;
    return out.status() == QDataStream::Ok && fichier.commit();
}

std::optional<Origine> IndexCache::origine(const QString& nom) const {
    const auto it = m_origines.constFind(nom);
    if (it == m_origines.cend())
        return std::nullopt;
    return *it;
}

namespace {

// "a_b.jpg" -> "a_b~2.jpg": the variant keeps the photo's extension.
QString Variante(const QString& nom, int k) {
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
            const QString candidat = k == 1 ? base : Variante(base, k);
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
