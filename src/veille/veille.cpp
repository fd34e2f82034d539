#include "veille/veille.h"

#include "platform/settingsstore.h"
#include "settings/reglages.h"
#include "veille/idlesource.h"
#include "veille/screensaverhosts.h"
#include "veille/showlauncher.h"

#include <QRegularExpression>

using namespace std::chrono_literals;

namespace {
// While an inhibition or a host holds the show back, the watcher looks again this often: both
// end without telling anyone.
constexpr std::chrono::milliseconds relance = 30s;
} // namespace

SuiteVeille deciderVeille(const ConstatVeille& c) {
    if (c.apresSpectacle)
        return {ActionVeille::AttendreRetour};
    if (c.inactivite < c.delai)
        return {ActionVeille::Attendre, std::min(attenteVeilleMaximale, c.delai - c.inactivite)};
    if (c.inhibee || c.hoteActif)
        return {ActionVeille::Attendre, std::min(relance, c.delai)};
    return {ActionVeille::Lancer};
}

std::chrono::seconds delaiVeille(const QString& texte) {
    bool nombre = false;
    const qlonglong secondes = texte.trimmed().toLongLong(&nombre);
    if (nombre && secondes > 0)
        return std::min(std::chrono::seconds(secondes), delaiVeilleMaximal);
    // Digits too many for 64 bits still say "a very long time", not "no value".
    static const QRegularExpression chiffres(QStringLiteral("^\\+?[0-9]+$"));
    if (!nombre && chiffres.match(texte.trimmed()).hasMatch())
        return delaiVeilleMaximal;
    return std::chrono::seconds(Reglages::delaiVeille().defaut.toLongLong());
}

std::chrono::seconds delaiVeille(const SettingsStore& settings) {
    return delaiVeille(Reglages::lire(settings, Reglages::delaiVeille()));
}

Veille::Veille(IdleSource& source, ShowLauncher& spectacle, const ScreenSaverHosts& hotes,
               std::chrono::milliseconds delai, QObject* parent)
    : QObject(parent), m_source(source), m_spectacle(spectacle), m_hotes(hotes), m_delai(delai) {
    m_attente.setSingleShot(true);
    connect(&m_attente, &QTimer::timeout, this, &Veille::examiner);
    connect(&m_source, &IdleSource::userActive, this, &Veille::retour);
    connect(&m_source, &IdleSource::stoppedAnswering, this, &Veille::perte);
    connect(&m_spectacle, &ShowLauncher::finished, this, &Veille::spectacleFini);
}

void Veille::examiner() {
    if (m_arretee || m_spectacle.running())
        return;
    const auto inactivite = m_source.idleTime();
    if (!inactivite) {
        perte();
        return;
    }
    ConstatVeille constat{*inactivite, m_delai, false, false, m_apresSpectacle};
    // The costlier questions only once the delay is reached.
    if (*inactivite >= m_delai && !m_apresSpectacle) {
        constat.inhibee = m_source.inhibited();
        constat.hoteActif = m_hotes.hostRunning();
    }
    const SuiteVeille suite = deciderVeille(constat);
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

void Veille::perte() {
    if (m_arretee)
        return;
    // A show left running would never hear of the user's return.
    arreter();
    emit sourcePerdue();
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
