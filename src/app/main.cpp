#include "app/demarrage.h"
#include "platform/platformservices.h"
#include "platform/terminationsignals.h"
#include "platform/traductionqt.h"
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

    const std::unique_ptr<PlatformServices> plateforme = createPlatformServices();
    Module1 module(plateforme->services());
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
