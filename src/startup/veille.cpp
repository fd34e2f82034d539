#include "startup/veille.h"

#include "platform/idlesource.h"
#include "platform/settingsstore.h"
#include "platform/showlauncher.h"
#include "settings/reglages.h"

using namespace std::chrono_literals;

namespace {
// While an inhibition or a host holds the show back, the watcher looks again this often: both
// end without telling anyone.
constexpr std::chrono::milliseconds relance = 30s;
} // namespace

SuiteVeille DeciderVeille(const ConstatVeille& c) {
    if (c.apresSpectacle)
        return {ActionVeille::AttendreRetour};
    if (c.inactivite < c.delai)
        return {ActionVeille::Attendre, c.delai - c.inactivite};
    if (c.inhibee || c.hoteActif)
        return {ActionVeille::Attendre, std::min(relance, c.delai)};
    return {ActionVeille::Lancer};
}

std::chrono::seconds DelaiVeille(const SettingsStore& settings) {
    bool nombre = false;
    const qlonglong secondes =
        Reglages::lire(settings, Reglages::delaiVeille()).toLongLong(&nombre);
    if (nombre && secondes > 0)
        return std::chrono::seconds(secondes);
    return std::chrono::seconds(Reglages::delaiVeille().defaut.toLongLong());
}

Veille::Veille(IdleSource& source, ShowLauncher& spectacle, const ScreenSaverHosts& hotes,
               std::chrono::milliseconds delai, QObject* parent)
    : QObject(parent), m_source(source), m_spectacle(spectacle), m_hotes(hotes), m_delai(delai) {
    m_attente.setSingleShot(true);
    connect(&m_attente, &QTimer::timeout, this, &Veille::examiner);
    connect(&m_source, &IdleSource::userActive, this, &Veille::retour);
    connect(&m_spectacle, &ShowLauncher::finished, this, &Veille::spectacleFini);
}

void Veille::examiner() {
    if (m_arretee || m_spectacle.running())
        return;
    const auto inactivite = m_source.idleTime();
    if (!inactivite) {
        emit sourcePerdue();
        return;
    }
    ConstatVeille constat{*inactivite, m_delai, false, false, m_apresSpectacle};
    // The costlier questions only once the delay is reached.
    if (*inactivite >= m_delai && !m_apresSpectacle) {
        constat.inhibee = m_source.inhibited();
        constat.hoteActif = m_hotes.hostRunning();
    }
    const SuiteVeille suite = DeciderVeille(constat);
    switch (suite.action) {
    case ActionVeille::Lancer:
        m_spectacle.start();
        m_source.watchForActivity();
        break;
    case ActionVeille::Attendre:
        m_attente.start(suite.dans);
        break;
    case ActionVeille::AttendreRetour:
        m_source.watchForActivity();
        break;
    }
}

void Veille::arreter() {
    m_arretee = true;
    m_attente.stop();
    m_source.stopWatchingActivity();
    m_spectacle.stop();
}

void Veille::retour() {
    if (m_arretee)
        return;
    m_source.stopWatchingActivity();
    m_spectacle.stop();
    m_apresSpectacle = false;
    examiner();
}

void Veille::spectacleFini() {
    if (m_arretee)
        return;
    // A key press that ended the show counts as the user's return.
    const auto inactivite = m_source.idleTime();
    m_apresSpectacle = inactivite && *inactivite >= m_delai;
    if (!m_apresSpectacle)
        m_source.stopWatchingActivity();
    examiner();
}
