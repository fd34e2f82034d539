#include "album/contenudossiers.h"

#include "album/textesalbum.h"
#include "platform/imagepools.h"
#include "platform/prompts.h"
#include "platform/whenready.h"

#include <QtConcurrent/QtConcurrentRun>

ContenuDossiers::ContenuDossiers(Prompts& messages, QObject* parent)
    : QObject(parent), m_messages(messages) {}

ContenuDossiers::~ContenuDossiers() {
    for (const auto& arret : std::as_const(m_enCours))
        *arret = true;
}

void ContenuDossiers::suivre(const QStringList& entrees, bool deNouveau) {
    m_entrees = entrees;
    QSet<QString> dossiers;
    for (const QString& e : entrees)
        if (estDossier(e))
            dossiers.insert(e);
    for (auto it = m_enCours.begin(); it != m_enCours.end();) {
        if (deNouveau || !dossiers.contains(it.key())) {
            **it = true;
            it = m_enCours.erase(it);
        } else {
            ++it;
        }
    }
    m_connus.removeIf([&](const auto& c) { return deNouveau || !dossiers.contains(c.key()); });
    for (const QString& d : std::as_const(dossiers))
        if (!m_connus.contains(d) && !m_enCours.contains(d))
            lancer(d);
}

void ContenuDossiers::lancer(const QString& dossier) {
    auto arret = std::make_shared<std::atomic<bool>>(false);
    m_enCours.insert(dossier, arret);
    // One photo more than the album takes, so that a folder that holds more is known to.
    const auto balayage = QtConcurrent::run(&ImagePools::shortJobs(), [dossier, arret] {
        return balayerDossier(dossier, MaxPhotosDossiers + 1, arret.get());
    });
    whenReady(balayage, this, [this, dossier, arret](const Balayage& b) {
        // A scan told to stop, or replaced by another of the same folder, says nothing.
        if (*arret || m_enCours.value(dossier) != arret)
            return;
        recevoir(dossier, b);
    });
}

void ContenuDossiers::recevoir(const QString& dossier, const Balayage& balayage) {
    m_enCours.remove(dossier);
    m_connus.insert(dossier, balayage);
    emit dossierLu(dossier);
    if (!m_borneDite && deplier(m_entrees).borne) {
        m_borneDite = true;
        m_messages.notify(TextesAlbum::dossiersTropGrands(MaxPhotosDossiers));
    }
}

const Balayage* ContenuDossiers::contenu(const QString& dossier) const {
    const auto it = m_connus.constFind(dossier);
    return it == m_connus.cend() ? nullptr : &*it;
}

AlbumDeplie ContenuDossiers::deplier(const QStringList& entrees) const {
    return deplierAlbum(entrees, [&](int i) { return contenu(entrees[i]); });
}
