#include "album/balayage.h"

#include "pictures/pictureformats.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// Deeper than any photo library; a chain of bind mounts, each a new path to the same folder,
// ends here.
constexpr int ProfondeurMax = 64;

class Parcours {
public:
    Parcours(const QString& racine, qsizetype maximum, const std::atomic<bool>* arret)
        : m_racine(QFileInfo(racine).canonicalFilePath()), m_maximum(maximum), m_arret(arret) {}

    Balayage resultat;

    void commencer(const QString& dossier) {
        // The folder itself may be a link: the user chose it, wherever it leads.
        if (!m_racine.isEmpty() && QFileInfo(m_racine).isDir())
            lire(QDir::cleanPath(QDir::fromNativeSeparators(dossier)), m_racine, 0);
    }

private:
    void lire(const QString& dossier, const QString& reel, int profondeur) {
        if (fini() || profondeur > ProfondeurMax || m_vus.contains(reel))
            return;
        m_vus.insert(reel);
        const QDir d(dossier);
        // One read of the folder: its photos first, then its sub-folders, each in name order.
        const QFileInfoList entrees = d.entryInfoList(
            QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& f : entrees) {
            if (f.isDir() || !f.isReadable() || !PictureFormats::isPictureName(f.fileName()) ||
                (f.isSymLink() && !dedans(f.canonicalFilePath())))
                continue;
            if (resultat.photos.size() == m_maximum) {
                resultat.borne = true;
                return;
            }
            resultat.photos.append(d.filePath(f.fileName()));
        }
        for (const QFileInfo& s : entrees) {
            if (!s.isDir() || !s.isExecutable())
                continue;
            const QString cible = s.canonicalFilePath();
            if (s.isSymLink() && !dedans(cible))
                continue;
            lire(d.filePath(s.fileName()), cible, profondeur + 1);
            if (fini())
                return;
        }
    }

    bool fini() const { return resultat.borne || (m_arret && m_arret->load()); }
    bool dedans(const QString& cible) const {
        return !cible.isEmpty() && (cible == m_racine || cible.startsWith(m_racine + u'/'));
    }

    const QString m_racine;
    const qsizetype m_maximum;
    const std::atomic<bool>* m_arret;
    QSet<QString> m_vus; // folders read, by their real path
};

} // namespace

bool estDossier(const QString& chemin) {
    return chemin.endsWith(QDir::separator()) || chemin.endsWith(u'/');
}

Balayage balayerDossier(const QString& dossier, qsizetype maximum, const std::atomic<bool>* arret) {
    Parcours p(dossier, maximum, arret);
    p.commencer(dossier);
    for (QString& photo : p.resultat.photos)
        photo = QDir::toNativeSeparators(photo);
    return p.resultat;
}

AlbumDeplie deplierAlbum(const QStringList& entrees,
                         const std::function<const Balayage*(int)>& contenu, qsizetype maximum) {
    AlbumDeplie a;
    qsizetype desDossiers = 0;
    for (int i = 0; i < entrees.size() && a.photos.size() < maximum; ++i) {
        if (!estDossier(entrees[i])) {
            a.photos.append(entrees[i]);
            a.entrees.append(i);
            continue;
        }
        const Balayage* b = contenu(i);
        if (!b)
            continue;
        a.borne = a.borne || b->borne;
        for (const QString& photo : b->photos) {
            if (desDossiers == MaxPhotosDossiers || a.photos.size() == maximum) {
                a.borne = true;
                break;
            }
            a.photos.append(photo);
            a.entrees.append(i);
            ++desDossiers;
        }
    }
    return a;
}

AlbumDeplie deplierAlbum(const QStringList& entrees, const std::atomic<bool>* arret) {
    QList<Balayage> balayages(entrees.size());
    qsizetype reste = MaxPhotosDossiers;
    for (int i = 0; i < entrees.size(); ++i) {
        if (!estDossier(entrees[i]) || (arret && arret->load()))
            continue;
        // One photo more than the rest, so that the bound is known to be reached.
        balayages[i] = balayerDossier(entrees[i], reste + 1, arret);
        reste = std::max<qsizetype>(0, reste - balayages[i].photos.size());
    }
    return deplierAlbum(entrees, [&](int i) { return &balayages[i]; });
}
