// The desktop's own blanking or lock, read with the desktops' real tools: gsettings over dconf on
// a private bus, a kscreenlockerrc file, the X server's timeout set with `xset s` (under Xvfb).

#include "platform/desktopidleaction.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace std::chrono_literals;
using Action = std::optional<DesktopIdleAction>;
Q_DECLARE_METATYPE(Action)

namespace {

// Each step is a command line, or "kscreenlockerrc=TEXT" for the file.
void preparer(const QStringList& etapes) {
    const QString rc = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/kscreenlockerrc");
    QFile::remove(rc);
    for (const QString& e : etapes) {
        if (e.startsWith(QStringLiteral("kscreenlockerrc="))) {
            QDir().mkpath(QFileInfo(rc).absolutePath());
            QFile f(rc);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(
                e.section(u'=', 1).replace(QStringLiteral("\\n"), QStringLiteral("\n")).toUtf8());
            continue;
        }
        QStringList args = QProcess::splitCommand(e);
        QCOMPARE(QProcess::execute(args.takeFirst(), args), 0);
    }
}

} // namespace

class TestDelaiBureau : public QObject {
    Q_OBJECT
private slots:
    void lecture_data();
    void lecture();
};

void TestDelaiBureau::lecture_data() {
    QTest::addColumn<QStringList>("etapes");
    QTest::addColumn<QString>("bureau");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<Action>("attendu");
    const QString gnome = QStringLiteral("gsettings set org.gnome.desktop.");
    QTest::newRow("GNOME, le verrou suit")
        << QStringList{gnome + "session idle-delay 300", gnome + "screensaver lock-enabled true"}
        << "ubuntu:GNOME" << false << Action(DesktopIdleAction{300s, true});
    QTest::newRow("GNOME sans verrou")
        << QStringList{gnome + "session idle-delay 300", gnome + "screensaver lock-enabled false"}
        << "GNOME" << false << Action(DesktopIdleAction{300s, false});
    QTest::newRow("GNOME jamais") << QStringList{gnome + "session idle-delay 0"} << "GNOME" << false
                                  << Action();
    QTest::newRow("Cinnamon")
        << QStringList{"gsettings set org.cinnamon.desktop.session idle-delay 120",
                       "gsettings set org.cinnamon.desktop.screensaver lock-enabled true"}
        << "X-Cinnamon" << false << Action(DesktopIdleAction{120s, true});
    QTest::newRow("KDE sans fichier : ses défauts")
        << QStringList{} << "KDE" << false << Action(DesktopIdleAction{5min, true});
    QTest::newRow("KDE, délai du fichier")
        << QStringList{"kscreenlockerrc=[Daemon]\\nTimeout=12\\n"} << "KDE" << false
        << Action(DesktopIdleAction{12min, true});
    QTest::newRow("KDE sans verrouillage automatique")
        << QStringList{"kscreenlockerrc=[Daemon]\\nAutolock=false\\nTimeout=3\\n"} << "KDE" << false
        << Action();
    QTest::newRow("serveur X") << QStringList{"xset s 240"} << "" << true
                               << Action(DesktopIdleAction{240s, false});
    QTest::newRow("le premier des deux")
        << QStringList{gnome + "session idle-delay 600", "xset s 200"} << "GNOME" << true
        << Action(DesktopIdleAction{200s, false});
    QTest::newRow("serveur X qui n'éteint pas")
        << QStringList{"xset s off"} << "" << true << Action();
}

void TestDelaiBureau::lecture() {
    QFETCH(QStringList, etapes);
    QFETCH(QString, bureau);
    QFETCH(bool, x11);
    preparer(etapes);
    QTEST(readDesktopIdleAction(bureau, x11), "attendu");
}

QTEST_GUILESS_MAIN(TestDelaiBureau)
#include "test_delaibureau.moc"
