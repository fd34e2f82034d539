#include "app/lancementveille.h"

#include "platform/childshowlauncher.h"
#include "platform/idlesource.h"
#include "platform/lockfileinstancelock.h"
#include "platform/platformservices.h"
#include "platform/terminationsignals.h"
#include "startup/ajoutxscreensaver.h"
#include "startup/commandeveille.h"
#include "startup/veille.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

void ecrire(const QString& texte, FILE* flux) {
    std::fputs(texte.toLocal8Bit().constData(), flux);
}

int Veiller(SettingsStore& settings) {
    const auto verrou = VerrouVeille();
    const LockOutcome issue = tryLockNow(*verrou);
    if (issue == LockOutcome::HeldByLiveProcess) {
        ecrire(QStringLiteral("lumivane : une veille tourne déjà pour cette session.\n"), stderr);
        return 1;
    }
    if (issue == LockOutcome::Unavailable) {
        ecrire(QStringLiteral("lumivane : la veille ne peut pas démarrer : %1.\n")
                   .arg(TexteVerrouImpossible(*verrou)),
               stderr);
        return 1;
    }
    const std::unique_ptr<IdleSource> source = createIdleSource();
    if (!source) {
        ecrire(MessageSansSourceInactivite(), stderr);
        return 1;
    }
    TerminationSignals termination;
    ChildShowLauncher spectacle(QCoreApplication::applicationFilePath(), {QStringLiteral("/S")});
    const ProcScreenSaverHosts hotes;
    Veille veille(*source, spectacle, hotes, DelaiVeille(settings));
    int code = 0;
    QObject::connect(&termination, &TerminationSignals::requested, &veille, [&veille] {
        veille.arreter();
        QCoreApplication::quit();
    });
    QObject::connect(&veille, &Veille::sourcePerdue, &veille, [&veille, &code] {
        veille.arreter();
        code = 1;
        QCoreApplication::quit();
    });
    veille.examiner();
    QCoreApplication::exec();
    return code;
}

} // namespace

int LancerSansFenetre(Lancement genre, int argc, char* argv[]) {
    if (genre == Lancement::Aide) {
        ecrire(TexteAide(), stdout);
        return 0;
    }
    if (genre == Lancement::Version) {
        ecrire(TexteVersion(QStringLiteral(LUMIVANE_VERSION)), stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Lumivane"));
    switch (genre) {
    case Lancement::VeilleActivee:
        return ActiverVeille(QCoreApplication::applicationFilePath());
    case Lancement::VeilleDesactivee:
        return DesactiverVeille();
    case Lancement::AjoutXScreenSaver:
        return AjouterXScreenSaver();
    default:
        break;
    }
    const WindowlessServices services = createWindowlessServices();
    if (genre == Lancement::Veille)
        return Veiller(*services.settings);
    TerminerSansFenetre(*services.settings, *services.instance);
    return 0;
}
