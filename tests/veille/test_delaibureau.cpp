// The desktop's own blanking or lock, read with the desktops' real tools: gsettings over dconf on
// a private bus, a kscreenlockerrc file, the X server's timeout set with `xset s` (under Xvfb).

#include "veille/desktopidleaction.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace std::chrono_literals;
using Action = std::optional<DesktopIdleAction>;

class TestDelaiBureau : public QObject {
    Q_OBJECT
private slots:
    void lecture_data();
    void lecture();
};

void TestDelaiBureau::lecture_data() {
    QTest::addColumn<QStringList>("commandes");
    QTest::addColumn<QByteArray>("kscreenlockerrc");
    QTest::addColumn<QString>("bureau");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<Action>("attendu");
    const QString g = QStringLiteral("gsettings set org.gnome.desktop.");
    QTest::newRow("GNOME, le verrou suit")
        << QStringList{g + "session idle-delay 300", g + "screensaver lock-enabled true"}
        << QByteArray() << "ubuntu:GNOME" << false << Action({300s, true});
    QTest::newRow("GNOME jamais") << QStringList{g + "session idle-delay 0"} << QByteArray()
                                  << "GNOME" << false << Action();
    QTest::newRow("KDE") << QStringList() << QByteArray("[Daemon]\nTimeout=12\n") << "KDE" << false
                         << Action({12min, true});
    QTest::newRow("KDE sans verrouillage automatique")
        << QStringList() << QByteArray("[Daemon]\nAutolock=false\n") << "KDE" << false << Action();
    QTest::newRow("le serveur X avant GNOME")
        << QStringList{g + "session idle-delay 600", "xset s 200"} << QByteArray() << "GNOME"
        << true << Action({200s, false});
}

void TestDelaiBureau::lecture() {
    QFETCH(QStringList, commandes);
    QFETCH(QByteArray, kscreenlockerrc);
    for (const QString& c : commandes) {
        QStringList args = QProcess::splitCommand(c);
        QCOMPARE(QProcess::execute(args.takeFirst(), args), 0);
    }
    QFile rc(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
             QStringLiteral("/kscreenlockerrc"));
    QVERIFY(rc.open(QIODevice::WriteOnly) && rc.write(kscreenlockerrc) >= 0);
    rc.close();
    QFETCH(QString, bureau);
    QFETCH(bool, x11);
    QTEST(readDesktopIdleAction(bureau, x11), "attendu");
}

QTEST_GUILESS_MAIN(TestDelaiBureau)
#include "test_delaibureau.moc"
