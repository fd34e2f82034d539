#include "saver/enregistreurtirage.h"

#include "platform/imagepools.h"
#include "saver/fichiertirages.h"

#include <QThreadPool>

EnregistreurTirage::EnregistreurTirage(QString fichier, QString cle)
    : m_fichier(std::move(fichier)), m_cle(std::move(cle)) {}

EnregistreurTirage::~EnregistreurTirage() {
    attendre();
}

void EnregistreurTirage::enregistrer(const Tirage::Etat& etat) {
    const QMutexLocker garde(&m_verrou);
    m_aEcrire = etat;
    if (m_enCours)
        return;
    m_enCours = true;
    ImagePools::shortJobs().start([this] { ecrire(); });
}

void EnregistreurTirage::ecrire() {
    const ImagePools::PendingWrite ecriture;
    for (;;) {
        Tirage::Etat etat;
        {
            const QMutexLocker garde(&m_verrou);
            if (!m_aEcrire) {
                m_enCours = false;
                m_fini.wakeAll();
                return;
            }
            etat = *m_aEcrire;
            m_aEcrire.reset();
        }
        FichierTirages::ecrire(m_fichier, m_cle, etat);
    }
}

void EnregistreurTirage::attendre() {
    QMutexLocker garde(&m_verrou);
    while (m_enCours)
        m_fini.wait(&m_verrou);
}
