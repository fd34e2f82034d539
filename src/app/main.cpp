#include "app/demarrage.h"
#include "platform/desktopwallpaper.h"
#include "platform/display.h"
#include "platform/platformservices.h"
#include "platform/poolsimages.h"
#include "platform/services.h"
#include "platform/terminationsignals.h"
#include "platform/traductionqt.h"
#include "startup/lancement.h"
#include "startup/module1.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <mutex>

namespace {

// Starts that open no window run without a window system: a terminal, a service, a test.
int LancerSansFenetre(Lancement genre, int argc, char* argv[]) {
    if (genre == Lancement::Aide) {
        std::fputs(TexteAide().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (genre == Lancement::Version) {
        std::fputs(TexteVersion(QStringLiteral(LUMIVANE_VERSION)).toLocal8Bit().constData(),
                   stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    const WindowlessServices services = createWindowlessServices();
    TerminerSansFenetre(*services.settings, *services.instance);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Lancement genre =
        GenreDeLancement(arguments.join(u' '), qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    if (genre != Lancement::Fenetre)
        return LancerSansFenetre(genre, argc, argv);
    if (!displayAvailable()) {
        std::fputs(MessageSansEcran().toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // A polite request to end (a screen-saver host stopping its program) ends the run through
    // the event loop, or without it when the loop does not answer in time.
    TerminationSignals termination;
    QApplication::setApplicationName(QStringLiteral("Lumivane"));

    installerTraductionQt(app);

    const std::unique_ptr<PlatformServices> plateforme = createPlatformServices();
    Module1 module(plateforme->services());
    module.DossierProgramme = QDir::toNativeSeparators(QApplication::applicationDirPath());
    module.VariableFenetreHote = qEnvironmentVariable("XSCREENSAVER_WINDOW");
    QObject::connect(&termination, &TerminationSignals::requested,
                     [&module] { module.FinProgramme(); });

    // The system hands the mode as one text.
    const QString ligne = QApplication::arguments().mid(1).join(u' ');
    // Every end request comes here. The settings are stored at each write; a desktop tool still
    // running is stopped; decodes under way are abandoned, not awaited.
    std::once_flag fin;
    const auto quitter = [&](int code) {
        std::call_once(fin, [&] {
            plateforme->services().wallpaper.cancel();
            plateforme->services().instance.release();
            PoolsImages::quitter(code);
        });
    };
    // A request that comes while the UI thread decodes the first photo is answered all the same.
    termination.setFallback([&quitter] { quitter(0); }, 500);
    Demarrage demarrage(module);
    const bool continuer = demarrage.Main(ligne) == Demarrage::Suite::Continuer;
    quitter(continuer ? QApplication::exec() : 0);
}
