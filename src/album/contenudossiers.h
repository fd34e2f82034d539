#pragma once

#include "album/balayage.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <memory>

class Prompts;

// What the album's folders hold, as the dialog shows it: each folder is looked into off the UI
// thread when it enters the list and again when an album is loaded, so that the window answers
// whatever the folder's size. Until a folder's scan ends, it counts no photo.
class ContenuDossiers : public QObject {
    Q_OBJECT
public:
    // `messages` tells the user, once for the dialog's life, that the album's folders hold more
    // photos than the album takes.
    explicit ContenuDossiers(Prompts& messages, QObject* parent = nullptr);
    // Scans under way are told to stop; their results are dropped.
    ~ContenuDossiers() override;

    // The folders among `entrees` are looked into: all of them when `deNouveau` (an album was
    // loaded), else only those not known yet (an entry was added). Folders no longer listed are
    // forgotten.
    void suivre(const QStringList& entrees, bool deNouveau);

    // What `dossier` holds, nothing while it is looked into or when it is not followed.
    const Balayage* contenu(const QString& dossier) const;
    bool enCours() const { return !m_enCours.isEmpty(); }
    // The entries with their folders replaced by what is known of them.
    AlbumDeplie deplier(const QStringList& entrees) const;

signals:
    // The scan of `dossier` ended: its count and the album's photos changed.
    void dossierLu(const QString& dossier);

private:
    void lancer(const QString& dossier);
    void recevoir(const QString& dossier, const Balayage& balayage);

    Prompts& m_messages;
    QStringList m_entrees;
    QHash<QString, Balayage> m_connus;
    QHash<QString, std::shared_ptr<std::atomic<bool>>> m_enCours; // each scan's stop
    bool m_borneDite = false;
};
