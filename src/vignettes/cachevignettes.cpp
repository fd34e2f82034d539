#include "vignettes/cachevignettes.h"

#include "vignettes/indexcache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace CacheVignettes {

namespace {

bool estSeparateur(QChar c) {
    return c == u'/' || c == u'\\';
}

// Length of the root part: a drive ("C:\"), or the separators a path begins with.
qsizetype longueurRacine(const QString& chemin) {
    if (chemin.size() >= 3 && chemin[0].isLetter() && chemin[1] == u':' && estSeparateur(chemin[2]))
        return 3;
    qsizetype n = 0;
    while (n < chemin.size() && estSeparateur(chemin[n]))
        ++n;
    return n;
}

} // namespace

QString ConvertirNom(const QString& fichier) {
    QString nom = fichier.mid(longueurRacine(fichier));
    for (QChar& c : nom)
        if (estSeparateur(c))
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
        if (estSeparateur(c))
            c = u'_';
    if (nom.count(u'.') == nom.size())
        return racine;
    return racine + nom + u'/';
}

} // namespace CacheVignettes
