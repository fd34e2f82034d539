// lumivane-samples: writes sample photos into a folder and, on request, stores them as the
// album of the per-user settings store ($XDG_CONFIG_HOME/Lumivane/Lumivane.ini).

#include "platform/inisettingsstore.h"
#include "samples.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Pictures painted in memory and files written: no window system, so none is needed.
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes sample photos for Lumivane."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where to write them."));
    const QCommandLineOption large(QStringLiteral("large"),
                                   QStringLiteral("Add a 12 and a 24 megapixel JPEG."));
    const QCommandLineOption album(QStringLiteral("album"),
                                   QStringLiteral("Store the pictures as the current album."));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Scene seed."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    parser.addOptions({large, album, seed});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QStringList paths =
        Samples::writeSet(parser.positionalArguments().first(),
                          Samples::standardSet(parser.isSet(large)), parser.value(seed).toInt());
    QTextStream out(stdout);
    for (const QString& p : paths)
        out << p << '\n';
    if (parser.isSet(album)) {
        IniSettingsStore store;
        Samples::writeAlbum(store, paths);
        out << "album: " << store.fileName() << '\n';
    }
    return paths.size() == Samples::standardSet(parser.isSet(large)).size() ? 0 : 1;
}
