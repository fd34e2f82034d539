#include "platform/clock.h"
#include "platform/desktopservicesdesktop.h"
#include "platform/desktopwallpaperfactory.h"
#include "platform/dialogfilechooser.h"
#include "platform/inisettingsstore.h"
#include "platform/lockfileinstancelock.h"
#include "platform/messageboxprompts.h"
#include "platform/pictures.h"
#include "platform/randomsource.h"
#include "platform/services.h"
#include "platform/standinregistry.h"
#include "platform/terminationsignals.h"
#include "platform/traductionqt.h"
#include "platform/x11windowhost.h"
#include "startup/demarrage.h"
#include "startup/module1.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // A polite request to end (a screen-saver host stopping its program) ends the run cleanly,
    // even one that comes while the show is still being prepared: it waits in the event loop.
    TerminationSignals termination;
    QApplication::setApplicationName(QStringLiteral("Lumivane"));

    installerTraductionQt(app);

    IniSettingsStore settings;
    StandInRegistry registry;
    LockFileInstanceLock instance;
    QtPictures pictures;
    X11WindowHost windowHost;
    SystemClock clock;
    StdRandomSource random;
    MessageBoxPrompts prompts;
    DialogFileChooser files;
    DesktopServicesDesktop desktop;
    const std::unique_ptr<DesktopWallpaper> wallpaper =
        createDesktopWallpaper(qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                               QGuiApplication::platformName() == QLatin1String("xcb"));
    Services services{settings, registry, instance, pictures, windowHost, clock,
                      random,   prompts,  files,    desktop,  *wallpaper};

    Module1 module(services);
    module.DossierProgramme = QDir::toNativeSeparators(QApplication::applicationDirPath());
    module.VariableFenetreHote = qEnvironmentVariable("XSCREENSAVER_WINDOW");
    QObject::connect(&termination, &TerminationSignals::requested,
                     [&module] { module.FinProgramme(); });

    // The system hands the mode as one text.
    const QString ligne = QApplication::arguments().mid(1).join(u' ');
    Demarrage demarrage(module);
    if (demarrage.Main(ligne) == Demarrage::Suite::Terminer)
        return 0;
    return QApplication::exec();
}
