#include "app/demarrage.h"
#include "app/lancementveille.h"
#include "platform/display.h"
#include "platform/platformservices.h"
#include "platform/terminationsignals.h"
#include "platform/traductionqt.h"
#include "startup/lancement.h"
#include "startup/module1.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

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
    const QString ligne = QApplication::arguments().mid(1).join(u' ');
    const QString variableHote = qEnvironmentVariable("XSCREENSAVER_WINDOW");
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) &&
        ModeHote(ligne, variableHote)) {
        std::fputs(MessageHoteSansX11().toLocal8Bit().constData(), stderr);
        return 1;
    }
    // A polite request to end (a screen-saver host stopping its program) ends the run cleanly,
    // even one that comes while the show is still being prepared: it waits in the event loop.
    TerminationSignals termination;
    QApplication::setApplicationName(QStringLiteral("Lumivane"));
    // Shells match the windows to the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lumivane.Lumivane"));

    installerTraductionQt(app);

    const std::unique_ptr<PlatformServices> plateforme = createPlatformServices();
    Module1 module(plateforme->services());
    module.DossierProgramme = QDir::toNativeSeparators(QApplication::applicationDirPath());
    module.VariableFenetreHote = variableHote;
    QObject::connect(&termination, &TerminationSignals::requested,
                     [&module] { module.FinProgramme(); });

    // The system hands the mode as one text (ligne, above).
    Demarrage demarrage(module);
    if (demarrage.Main(ligne) == Demarrage::Suite::Terminer)
        return 0;
    return QApplication::exec();
}
