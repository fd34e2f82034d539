#include "vignettes/constructionvignettes.h"

#include "pictures/pictures.h"
#include "platform/imagepools.h"
#include "vignettes/cachevignettes.h"
#include "vignettes/indexcache.h"
#include "vignettes/vignettesdejafaites.h"

#include <QDir>
#include <QMutex>
#include <QSemaphore>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <atomic>

namespace {
constexpr double TwipsParPixel = 15;
} // namespace

struct ConstructionVignettes::Etat {
    Etat(const Pictures& i, const Demande& d)
        : images(i), demande(d), partagees(d.partagees), n(int(d.chemins.size())) {}

    const Pictures& images;
    const Demande demande;
    const SharedThumbnails partagees;
    const int n;
    // Made by the preparation, read by the workers.
    QStringList noms;
    QSet<QString> presents;
    IndexCache index;
    bool cacheable = false;

    std::unique_ptr<Vignette[]> resultats{new Vignette[std::size_t(n)]};
    std::unique_ptr<std::atomic<bool>[]> prets { new std::atomic<bool>[std::size_t(n)] {} };
    std::unique_ptr<Origine[]> nouvelles{new Origine[std::size_t(n)]};
    std::atomic<int> suivante{0};
    std::atomic<int> actifs{0};
    std::atomic<bool> arret{false};
    std::atomic<bool> finie{false};
    std::atomic<bool> avisEnAttente{false};
    int prises = 0; // UI thread only
    QSemaphore terminee;

    QMutex verrou; // guards cible
    ConstructionVignettes* cible = nullptr;

    // One build at a time owns the cache folders, from reading the records to writing them
    // back; the others wait in line without holding a thread.
    static inline QMutex fileVerrou;
    static inline std::shared_ptr<Etat> proprietaire;
    static inline QList<std::shared_ptr<Etat>> file;

    static void lancer(const std::shared_ptr<Etat>& etat);
    static void passerAuSuivant();
    static void travaillerPour(const std::shared_ptr<Etat>& etat);
    void preparer();
    void travailler();
    Vignette faire(int i);
    void finir();
    void aviser();
};

void ConstructionVignettes::Etat::lancer(const std::shared_ptr<Etat>& etat) {
    {
        QMutexLocker garde(&fileVerrou);
        file.append(etat);
        if (proprietaire)
            return;
    }
    passerAuSuivant();
}

void ConstructionVignettes::Etat::passerAuSuivant() {
    std::shared_ptr<Etat> etat;
    {
        QMutexLocker garde(&fileVerrou);
        proprietaire = file.isEmpty() ? nullptr : file.takeFirst();
        etat = proprietaire;
    }
    if (etat)
        ImagePools::longJobs().start([etat] { travaillerPour(etat); });
}

void ConstructionVignettes::Etat::travaillerPour(const std::shared_ptr<Etat>& etat) {
    if (!etat->arret)
        etat->preparer();
    const int fils = etat->demande.fils > 0 ? etat->demande.fils : QThread::idealThreadCount();
    etat->actifs = fils;
    for (int k = 1; k < fils; ++k)
        ImagePools::longJobs().start([etat] { etat->travailler(); });
    etat->travailler();
}

void ConstructionVignettes::Etat::preparer() {
    CacheVignettes::nettoyerRacine(demande.racine);
    cacheable = CacheVignettes::preparerDossiers(demande.racine, demande.dossier);
    if (cacheable) {
        index = IndexCache(demande.dossier);
        const auto fichiers = QDir(demande.dossier).entryList(QDir::Files | QDir::Hidden);
        presents = QSet<QString>(fichiers.cbegin(), fichiers.cend());
    }
    noms = index.attribuerNoms(demande.chemins);
}

Vignette ConstructionVignettes::Etat::faire(int i) {
    Vignette v;
    v.chemin = demande.chemins[i];
    const std::optional<Origine> source = Origine::duFichier(v.chemin);
    if (!source)
        return v;
    const QString& nom = noms.at(i);
    // A file of that name that the records do not know is not the cache's: it stays as it is.
    const bool nomme =
        cacheable && !nom.isEmpty() && (!presents.contains(nom) || index.origine(nom));
    if (nomme && presents.contains(nom)) {
        const std::optional<Origine> connue = index.origine(nom);
        if (connue && connue->memeSource(*source) && connue->bitmap.isValid()) {
            v.fichierCache = demande.dossier + nom;
            v.bitmap = connue->bitmap;
            return v;
        }
    }
    const QSize naturelle = images.size(v.chemin);
    if (!naturelle.isValid() || naturelle.isEmpty())
        return v;
    const QRectF ajustee =
        GeometrieGrille::AfficherThumb(QSizeF(naturelle) * TwipsParPixel, demande.cellule);
    const QSize taille = GeometrieGrille::tailleBitmap(ajustee.size());
    QImage image = VignettesDejaFaites::trouver(v.chemin, naturelle, taille, partagees);
    if (image.isNull())
        image = images.loadFitted(v.chemin, taille);
    if (image.isNull())
        return v;
    if (image.size() != taille)
        image = image.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    v.bitmap = taille;
    if (nomme && images.saveBmp(image, demande.dossier + nom)) {
        v.fichierCache = demande.dossier + nom;
        nouvelles[std::size_t(i)] =
            Origine{source->source, source->taille, source->modifiee, taille};
    }
    // Kept at its shown size: the grid needs nothing larger, and nothing else in memory.
    v.image = image.scaled(GeometrieGrille::tailleAffichee(taille), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
    return v;
}

void ConstructionVignettes::Etat::travailler() {
    for (int i = suivante++; i < n && !arret; i = suivante++) {
        resultats[std::size_t(i)] = faire(i);
        prets[std::size_t(i)] = true;
        aviser();
    }
    if (--actifs == 0)
        finir();
}

void ConstructionVignettes::Etat::finir() {
    bool change = false;
    for (int i = 0; i < n; ++i)
        if (!nouvelles[std::size_t(i)].source.isEmpty()) {
            index.noter(noms[i], nouvelles[std::size_t(i)]);
            change = true;
        }
    if (change) {
        const ImagePools::PendingWrite ecriture;
        index.enregistrer(demande.dossier);
    }
    finie = true;
    avisEnAttente = false;
    aviser();
    terminee.release();
    passerAuSuivant();
}

void ConstructionVignettes::Etat::aviser() {
    // At most one notice waits in the UI thread's queue, however many photos are done.
    if (avisEnAttente.exchange(true))
        return;
    QMutexLocker garde(&verrou);
    if (cible)
        QMetaObject::invokeMethod(cible, &ConstructionVignettes::signaler, Qt::QueuedConnection);
}

ConstructionVignettes::ConstructionVignettes(const Pictures& images, QObject* parent)
    : QObject(parent), m_images(images) {}

ConstructionVignettes::~ConstructionVignettes() {
    arreter();
    // The workers use the picture service, which does not outlive its owner.
    for (const auto& etat : std::as_const(m_lancees))
        etat->terminee.acquire();
}

void ConstructionVignettes::demarrer(const Demande& demande) {
    arreter();
    m_lancees.removeIf([](const std::shared_ptr<Etat>& e) { return e->finie.load(); });
    m_etat = std::make_shared<Etat>(m_images, demande);
    m_etat->cible = this;
    m_lancees.append(m_etat);
    Etat::lancer(m_etat);
}

void ConstructionVignettes::arreter() {
    if (!m_etat)
        return;
    m_etat->arret = true;
    QMutexLocker garde(&m_etat->verrou);
    m_etat->cible = nullptr;
}

int ConstructionVignettes::total() const {
    return m_etat ? m_etat->n : 0;
}

QList<Vignette> ConstructionVignettes::prendre(int maximum) {
    QList<Vignette> prises;
    if (!m_etat || m_etat->arret)
        return prises;
    Etat& e = *m_etat;
    while (prises.size() < maximum && e.prises < e.n && e.prets[std::size_t(e.prises)])
        prises.append(std::move(e.resultats[std::size_t(e.prises++)]));
    return prises;
}

bool ConstructionVignettes::epuisee() const {
    if (!m_etat || m_etat->arret)
        return true;
    return m_etat->finie && m_etat->prises == m_etat->n;
}

void ConstructionVignettes::signaler() {
    if (m_etat)
        m_etat->avisEnAttente = false;
    emit pretes();
}
