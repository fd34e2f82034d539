#include "vignettes/chargeurvignettes.h"

#include "pictures/pictures.h"
#include "platform/imagepools.h"
#include "vignettes/geometriegrille.h"

#include <QtConcurrent/QtConcurrentRun>

ChargeurVignettes::ChargeurVignettes(const Pictures& images, QObject* parent)
    : QObject(parent), m_images(images) {
    connect(&m_lot, &QFutureWatcher<Lot>::finished, this, &ChargeurVignettes::livrer);
}

ChargeurVignettes::~ChargeurVignettes() {
    oublier();
    m_lot.waitForFinished();
}

void ChargeurVignettes::demander(const QList<Demande>& demandes) {
    m_attente = demandes;
    if (!m_lot.isRunning())
        lancer();
}

void ChargeurVignettes::oublier() {
    m_attente.clear();
    if (m_annule)
        *m_annule = true;
}

QImage ChargeurVignettes::charger(const Pictures& images, const Demande& demande) {
    QImage bitmap = images.load(demande.fichierCache);
    // A bitmap changed behind the grid's back is not trusted: the photo is decoded again.
    if (bitmap.size() != demande.bitmap)
        bitmap = images.loadFitted(demande.chemin, demande.bitmap);
    if (bitmap.isNull())
        return {};
    return bitmap.scaled(GeometrieGrille::tailleAffichee(demande.bitmap), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
}

void ChargeurVignettes::lancer() {
    if (m_attente.isEmpty())
        return;
    // Small batches: the first wishes (the cells in view) come back before the rest is loaded.
    constexpr qsizetype TailleLot = 8;
    QList<Demande> lot = m_attente.first(std::min(TailleLot, m_attente.size()));
    m_attente.remove(0, lot.size());
    m_annule = std::make_shared<std::atomic<bool>>(false);
    m_lot.setFuture(
        QtConcurrent::run(&ImagePools::shortJobs(),
                          [demandes = std::move(lot), annule = m_annule, &images = m_images] {
                              Lot lot;
                              for (const Demande& d : demandes) {
                                  if (*annule)
                                      break;
                                  lot.append({d.index, charger(images, d)});
                              }
                              return lot;
                          }));
}

void ChargeurVignettes::livrer() {
    if (!*m_annule) {
        const Lot lot = m_lot.result();
        for (const auto& [index, image] : lot)
            emit chargee(index, image);
    }
    lancer();
}
