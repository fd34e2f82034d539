#include "app/demarrage.h"
#include "app/lancementveille.h"
#include "app/platformservices.h"
#include "desktop/desktopwallpaper.h"
#include "platform/display.h"
#include "platform/imagepools.h"
#include "platform/instancelock.h"
#include "platform/largebuffers.h"
#include "platform/printline.h"
#include "platform/qttranslation.h"
#include "platform/services.h"
#include "platform/terminationsignals.h"
#include "startup/lancement.h"
#include "startup/module1.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <mutex>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Lancement genre =
        genreDeLancement(arguments.join(u' '), qEnvironmentVariable("XSCREENSAVER_WINDOW"));
    if (genre != Lancement::Fenetre)
        return lancerSansFenetre(genre, argc, argv);
    if (!displayAvailable()) {
        printLine(messageSansEcran(), stderr);
        return 1;
    }
    returnLargeBuffersToSystem();
    QApplication app(argc, argv);
    const QString ligne = QApplication::arguments().mid(1).join(u' ');
    const QString variableHote = qEnvironmentVariable("XSCREENSAVER_WINDOW");
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) &&
        modeHote(ligne, variableHote)) {
        printLine(messageHoteSansX11(), stderr);
        return 1;
    }
    // A polite request to end (a screen-saver host stopping its program) ends the run through
    // the event loop, or without it when the loop does not answer in time.
    TerminationSignals termination;
    QApplication::setApplicationName(QStringLiteral("Lumivane"));
    // Shells match the windows to the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lumivane.Lumivane"));

    installQtTranslation(app);

    const std::unique_ptr<PlatformServices> plateforme = createPlatformServices();
    Module1 module(QDir::toNativeSeparators(QApplication::applicationDirPath()), variableHote);
    QObject::connect(&termination, &TerminationSignals::requested,
                     [&module] { module.finProgramme(); });

    // Every end request comes here. The settings are stored at each write; a desktop tool still
    // running is stopped; decodes under way are abandoned, not awaited.
    std::once_flag fin;
    const auto quitter = [&](int code) {
        std::call_once(fin, [&] {
            plateforme->services().wallpaper.cancel();
            plateforme->services().instance.release();
            ImagePools::quit(code);
        });
    };
    // A request that comes while the UI thread decodes the first photo is answered all the same.
    termination.setFallback([&quitter] { quitter(0); }, 500);
    Demarrage demarrage(plateforme->services(), module);
    const bool continuer = demarrage.Main(ligne) == Demarrage::Suite::Continuer;
    quitter(continuer ? QApplication::exec() : 0);
}
