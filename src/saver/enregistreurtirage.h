#pragma once

#include "saver/tirage.h"

#include <QMutex>
#include <QString>
#include <QWaitCondition>
#include <optional>

// Writes where one show's round stands to the state file, off the UI thread: the file is
// synced to the disk at each write, which may take a while, and the round moves on at every
// photo. Writes asked for while one runs are gathered into the next: only the last state is
// written. The end of the process waits for a write under way.
class EnregistreurTirage {
public:
    EnregistreurTirage(QString fichier, QString cle);
    ~EnregistreurTirage();
    EnregistreurTirage(const EnregistreurTirage&) = delete;
    EnregistreurTirage& operator=(const EnregistreurTirage&) = delete;

    void enregistrer(const Tirage::Etat& etat);
    // Returns once nothing is left to write.
    void attendre();

private:
    void ecrire();

    const QString m_fichier;
    const QString m_cle;
    QMutex m_verrou;
    QWaitCondition m_fini;
    std::optional<Tirage::Etat> m_aEcrire;
    bool m_enCours = false;
};
