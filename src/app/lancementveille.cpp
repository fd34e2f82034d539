#include "app/lancementveille.h"

#include "app/windowlessservices.h"
#include "hote/ajoutxscreensaver.h"
#include "platform/lockfileinstancelock.h"
#include "platform/printline.h"
#include "platform/terminationsignals.h"
#include "veille/childshowlauncher.h"
#include "veille/commandeveille.h"
#include "veille/idlesource.h"
#include "veille/procscreensaverhosts.h"
#include "veille/veille.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <functional>

using namespace std::chrono_literals;

namespace {

// How many times, a second apart, the next idle source is looked for once one is lost.
constexpr int essaisReprise = 5;

int veiller(SettingsStore& settings) {
    const auto verrou = verrouVeille();
    const LockOutcome issue = tryLockNow(*verrou);
    if (issue == LockOutcome::HeldByLiveProcess) {
        printLine(QStringLiteral("lumivane : une veille tourne déjà pour cette session."), stderr);
        return 1;
    }
    if (issue == LockOutcome::Unavailable) {
        printLine(QStringLiteral("lumivane : la veille ne peut pas démarrer : %1.")
                      .arg(texteVerrouImpossible(*verrou)),
                  stderr);
        return 1;
    }
    std::unique_ptr<IdleSource> source = createIdleSource();
    if (!source) {
        printLine(messageSansSource() + u'.', stderr);
        return 1;
    }
    TerminationSignals termination;
    ChildShowLauncher spectacle(QCoreApplication::applicationFilePath(), {QStringLiteral("/S")});
    const ProcScreenSaverHosts hotes;
    const auto delai = delaiVeille(settings);
    std::unique_ptr<Veille> veille;
    int code = 0;
    QObject::connect(&termination, &TerminationSignals::requested, &termination, [&veille] {
        if (veille)
            veille->arreter();
        QCoreApplication::quit();
    });
    // A lost source ended its watcher and the show it started; the next source that answers
    // takes over. It may need a moment: a compositor that restarts, or an X server that resets
    // once its last client, the show, has left.
    std::function<void()> surveiller;
    std::function<void(QString, int)> reprendre = [&](const QString& perdue, int essai) {
        source = createIdleSource();
        if (source) {
            printLine(
                QStringLiteral("lumivane : la source d'inactivité %1 ne répond plus ; la veille "
                               "continue avec %2.")
                    .arg(perdue, source->name()),
                stderr);
            surveiller();
        } else if (essai < essaisReprise) {
            QTimer::singleShot(1s, &termination,
                               [&reprendre, perdue, essai] { reprendre(perdue, essai + 1); });
        } else {
            printLine(
                QStringLiteral("lumivane : la source d'inactivité %1 ne répond plus et aucune "
                               "autre ne répond ; la veille s'arrête.")
                    .arg(perdue),
                stderr);
            code = 1;
            QCoreApplication::quit();
        }
    };
    surveiller = [&] {
        veille = std::make_unique<Veille>(*source, spectacle, hotes, delai);
        // Queued: the lost watcher is deleted once it has finished telling.
        QObject::connect(
            veille.get(), &Veille::sourcePerdue, &termination,
            [&] {
                const QString perdue = source->name();
                veille.reset();
                source.reset();
                reprendre(perdue, 1);
            },
            Qt::QueuedConnection);
        veille->examiner();
    };
    surveiller();
    QCoreApplication::exec();
    return code;
}

// A command's line, on standard error when it failed.
int dire(const IssueVeille& issue) {
    printLine(issue.ligne, issue.code == 0 ? stdout : stderr);
    return issue.code;
}

} // namespace

int lancerSansFenetre(Lancement genre, int argc, char* argv[]) {
    if (genre == Lancement::Aide) {
        printLine(texteAide(), stdout);
        return 0;
    }
    if (genre == Lancement::Version) {
        printLine(texteVersion(QStringLiteral(LUMIVANE_VERSION)), stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Lumivane"));
    switch (genre) {
    case Lancement::VeilleActivee:
        return dire(
            activerVeille(QCoreApplication::applicationFilePath(), createIdleSource() != nullptr));
    case Lancement::VeilleDesactivee:
        return dire(desactiverVeille());
    case Lancement::AjoutXScreenSaver:
        return ajouterXScreenSaver();
    default:
        break;
    }
    const WindowlessServices services = createWindowlessServices();
    if (genre == Lancement::Veille)
        return veiller(*services.settings);
    terminerSansFenetre(*services.settings, *services.instance);
    return 0;
}
