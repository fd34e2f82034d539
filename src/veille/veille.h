#pragma once

#include "veille/screensaverhosts.h"

#include <QObject>
#include <QTimer>
#include <chrono>

class IdleSource;
class ScreenSaverHosts;
class SettingsStore;
class ShowLauncher;

// What the idle watcher sees when it looks.
struct ConstatVeille {
    std::chrono::milliseconds inactivite{0};
    std::chrono::milliseconds delai{0};
    bool inhibee = false;
    bool hoteActif = false;
    // A show ended while the user stayed away (it failed, or its window was closed): no other
    // starts before the user comes back, or a faulty show would start again and again.
    bool apresSpectacle = false;
};

enum class ActionVeille { Lancer, Attendre, AttendreRetour };

struct SuiteVeille {
    ActionVeille action;
    std::chrono::milliseconds dans{0}; // for Attendre: when to look again
};

SuiteVeille deciderVeille(const ConstatVeille& constat);

// The longest delay kept: a larger one, up to a number of any length (a natural "never"), is
// read as this one, which no idle count reaches in practice (the X server's wraps after 49 days)
// and which stays far from overflowing once counted in milliseconds.
constexpr std::chrono::seconds delaiVeilleMaximal = std::chrono::days(365);
// The longest wait before the watcher looks again: a timer takes no more than 2^31 ms.
constexpr std::chrono::milliseconds attenteVeilleMaximale = std::chrono::hours(24);

// The delay that a stored text says (in seconds), at most delaiVeilleMaximal; the default replaces
// a value that is not a positive number.
std::chrono::seconds delaiVeille(const QString& texte);
// The stored delay ("Veille", "Delai").
std::chrono::seconds delaiVeille(const SettingsStore& settings);

// Starts the show once the user has been idle for the delay, ends it when the user is back, and
// starts it again when they leave again. Never two shows: nothing is looked at while one runs.
class Veille : public QObject {
    Q_OBJECT
public:
    Veille(IdleSource& source, ShowLauncher& spectacle, const ScreenSaverHosts& hotes,
           std::chrono::milliseconds delai, QObject* parent = nullptr);

    // Looks at the idle time now and acts on it.
    void examiner();
    // Ends the running show and stops watching.
    void arreter();

signals:
    // The idle source stopped answering (the session ended, or the service that counted went
    // away): the show this watcher started has ended, and it watches no more.
    void sourcePerdue();

private:
    void perte();
    void retour();
    void spectacleFini();

    IdleSource& m_source;
    ShowLauncher& m_spectacle;
    const ScreenSaverHosts& m_hotes;
    std::chrono::milliseconds m_delai;
    QTimer m_attente;
    bool m_apresSpectacle = false;
    bool m_arretee = false;
};
