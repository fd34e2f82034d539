#include "browser/chargeurapercu.h"

#include "pictures/pictures.h"
#include "platform/imagepools.h"
#include "vignettes/ajustement.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr double TwipsParPixel = 15.0;

} // namespace

ChargeurApercu::ChargeurApercu(const Pictures& pictures, QObject* parent)
    : QObject(parent), m_pictures(pictures) {
    connect(&m_travail, &QFutureWatcher<Resultat>::finished, this, &ChargeurApercu::termine);
}

ChargeurApercu::~ChargeurApercu() {
    m_travail.disconnect(this);
    m_travail.waitForFinished();
}

void ChargeurApercu::charger(const QString& chemin, const QRectF& cadre, double marge) {
    const Demande demande{chemin, cadre, marge};
    // The watcher is given a new task only once the last one's end was delivered.
    if (m_occupe)
        m_suivante = demande;
    else
        lancer(demande);
}

void ChargeurApercu::lancer(const Demande& d) {
    m_occupe = true;
    m_chemin = d.chemin;
    const Pictures* pictures = &m_pictures;
    m_travail.setFuture(QtConcurrent::run(&ImagePools::shortJobs(), [pictures, d] {
        const QSize naturelle = pictures->size(d.chemin);
        if (naturelle.isEmpty())
            return Resultat{};
        const QRectF place =
            Ajustement::ajusterDansCadre(QSizeF(naturelle) * TwipsParPixel, d.cadre, d.marge);
        // Decoded at the size shown: a large photo is never decoded whole for a preview.
        const QSize taille = (place.size() / TwipsParPixel).toSize();
        return Resultat{pictures->loadFitted(d.chemin, taille), place};
    }));
}

void ChargeurApercu::termine() {
    m_occupe = false;
    if (m_suivante) {
        const Demande suivante = *m_suivante;
        m_suivante.reset();
        lancer(suivante);
        return;
    }
    const Resultat r = m_travail.result();
    emit pret(m_chemin, r.image, r.place);
}
