// Every test program runs with per-user folders of its own, also when started by hand outside
// ctest: a test that forgot to isolate itself, or a program it starts, cannot touch the real
// user's settings, caches or home folder.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

void isolerDossiersUtilisateur() {
    // ctest gives each test its own folders and names their root here.
    if (qEnvironmentVariableIsSet("LUMIVANE_TEST_SANDBOX"))
        return;
    static QTemporaryDir racine;
    if (!racine.isValid())
        qFatal("no temporary folder for the test's own per-user folders");
    const QList<std::pair<const char*, const char*>> dossiers = {
        {"HOME", "home"},          {"XDG_CONFIG_HOME", "config"},  {"XDG_CACHE_HOME", "cache"},
        {"XDG_DATA_HOME", "data"}, {"XDG_RUNTIME_DIR", "runtime"},
    };
    for (const auto& [variable, nom] : dossiers) {
        const QString dossier = racine.filePath(QString::fromLatin1(nom));
        QDir().mkpath(dossier);
        // The runtime folder must be private to be used at all.
        QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(variable, QFile::encodeName(dossier));
    }
    // Test programs started by this one use the same folders.
    qputenv("LUMIVANE_TEST_SANDBOX", QFile::encodeName(racine.path()));
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(isolerDossiersUtilisateur)
