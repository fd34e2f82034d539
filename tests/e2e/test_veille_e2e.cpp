// The idle watcher as the user runs it, under Xvfb, where the X server's screen-saver extension
// counts idleness and xdotool's XTEST input resets it, and under KWin and sway, whose pointer
// LUMIVANE_ENTREE moves: idle → show → input → the show ends → idle → the show again → SIGTERM
// ends both; `--veille on|off`.

#include "platform/inisettingsstore.h"
#include "settings/reglages.h"
#include "veille/commandeveille.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// The pid of the show the watcher runs, 0 when none.
qint64 spectacleDe(qint64 veille) {
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> champs = stat.readAll().split(')').value(1).split(' ');
        // After the name: state, parent.
        if (champs.value(2).toLongLong() == veille && champs.value(1) != "Z")
            return pid.toLongLong();
    }
    return 0;
}

QStringList lancer(const QStringList& arguments) {
    QProcess p;
    p.start(qEnvironmentVariable("LUMIVANE_EXE"), arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// Read from the lock without taking it: a probe that held it for an instant could make a
// watcher starting at that instant think another one runs, and leave.
bool veilleTourne() {
    qint64 pid = 0;
    QString hote, programme;
    return verrouVeille()->getLockInfo(&pid, &hote, &programme) &&
           QFile::exists(QStringLiteral("/proc/%1").arg(pid));
}

// A hand on the pointer.
int bouger() {
    QStringList entree = QProcess::splitCommand(
        qEnvironmentVariable("LUMIVANE_ENTREE", QStringLiteral("xdotool mousemove_relative 9 9")));
    return QProcess::execute(entree.takeFirst(), entree);
}

} // namespace

class TestVeilleE2E : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cycle();
    void commandes();
};

void TestVeilleE2E::initTestCase() {
    IniSettingsStore settings;
    Reglages::ecrire(settings, Reglages::delaiVeille(), QStringLiteral("2"));
    // The X server's or the compositor's count, not a desktop's: no session bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    // The show on the compositor, as in a Wayland session.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "wayland");
}

void TestVeilleE2E::cycle() {
    QProcess veille;
    veille.setProcessChannelMode(QProcess::ForwardedChannels);
    veille.start(qEnvironmentVariable("LUMIVANE_EXE"), {QStringLiteral("--veille")});
    QVERIFY(veille.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(spectacleDe(veille.processId()) != 0, 20000);
    const qint64 premier = spectacleDe(veille.processId());

    QCOMPARE(bouger(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(spectacleDe(veille.processId()) != premier, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(spectacleDe(veille.processId()) != 0, 20000);
    const qint64 second = spectacleDe(veille.processId());
    QVERIFY(second != premier);

    veille.terminate();
    QVERIFY(veille.waitForFinished(5000));
    QCOMPARE(veille.exitStatus(), QProcess::NormalExit);
    QCOMPARE(veille.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(QStringLiteral("/proc/%1").arg(second)), 5000);
}

void TestVeilleE2E::commandes() {
    const QString entree = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/autostart/lumivane-veille.desktop");
    QCOMPARE(lancer({QStringLiteral("--veille"), QStringLiteral("on")}).size(), 1);
    QFile fichier(entree);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QVERIFY(fichier.readAll().contains("lumivane --veille\n"));
    QTRY_VERIFY_WITH_TIMEOUT(veilleTourne(), 10000);

    QCOMPARE(lancer({QStringLiteral("--veille"), QStringLiteral("off")}).size(), 1);
    QVERIFY(!QFile::exists(entree));
    QTRY_VERIFY_WITH_TIMEOUT(!veilleTourne(), 5000);
}

QTEST_GUILESS_MAIN(TestVeilleE2E)
#include "test_veille_e2e.moc"
