// The real X11 screen-saver host runs Lumivane: a user whose host configuration lists it, the
// host told to blank the screen and to unblank it. The host refuses to run as root; the
// script beside this test runs it as an ordinary user.

#include "fenetres.h"
#include "platform/inisettingsstore.h"
#include "samples.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

QImage ecran() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

bool photoAuCentre(const QImage& image) {
    const QRgb c = image.pixel(image.width() / 2, image.height() / 2);
    return qRed(c) + qGreen(c) + qBlue(c) > 60;
}

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

qint64 parent(qint64 pid) {
    // The field after the parenthesised name, which may hold blanks.
    const QByteArray stat = lire(QStringLiteral("/proc/%1/stat").arg(pid));
    const QList<QByteArray> champs = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return champs.size() > 1 ? champs[1].toLongLong() : 0;
}

// Ended, even when nobody has collected its exit status yet (a zombie).
bool termine(qint64 pid) {
    const QByteArray stat = lire(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.isEmpty() || stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z";
}

// The process id of our program started by `hote` (or by a helper of the host); 0 when none.
qint64 pidLumivane(qint64 hote) {
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& texte : pids) {
        const qint64 pid = texte.toLongLong();
        if (pid == 0 || lire(QStringLiteral("/proc/%1/comm").arg(pid)).trimmed() != "lumivane")
            continue;
        for (qint64 p = parent(pid); p > 1; p = parent(p))
            if (p == hote)
                return pid;
    }
    return 0;
}

} // namespace

class TestHoteReel : public QObject {
    Q_OBJECT

    QTemporaryDir m_dossier;
    QProcess m_hote;
    QProcessEnvironment m_env;

    bool commande(const QString& ordre) {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(QStringLiteral("xscreensaver-command"), {ordre});
        return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("xscreensaver")).isEmpty())
            QSKIP("the X11 screen-saver host (xscreensaver) is not installed");
        if (geteuid() == 0)
            QSKIP("the host refuses to run as root: run this test through hote_reel.sh");
        const QDir d(m_dossier.path());
        for (const char* sous : {"bin", "home", "config", "cache", "data", "photos"})
            QVERIFY(d.mkpath(QString::fromLatin1(sous)));
        // The program writes its wallpaper bitmap beside itself: a copy in a folder of ours.
        QVERIFY(QFile::copy(qEnvironmentVariable("LUMIVANE_EXE"), d.filePath("bin/lumivane")));
        QStringList photos;
        for (int i = 0; i < 3; ++i) {
            photos << d.filePath(QStringLiteral("photos/%1.jpg").arg(i));
            QVERIFY(Samples::write(Samples::paint(QSize(400, 300), 30 + i), photos.last(),
                                   Samples::Format::Jpeg));
        }
        IniSettingsStore store(d.filePath("config/Lumivane/Lumivane.ini"));
        Samples::writeAlbum(store, photos);

        // The user's host configuration: Lumivane alone, at once, without fades or lock.
        QFile conf(d.filePath("home/.xscreensaver"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("mode:\t\tone\nselected:\t0\nlock:\t\tFalse\nfade:\t\tFalse\n"
                   "unfade:\t\tFalse\nsplash:\t\tFalse\ndpmsEnabled:\tFalse\n"
                   "timeout:\t1:00:00\nprograms:\tlumivane -root\n");
        conf.close();

        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("HOME"), d.filePath("home"));
        m_env.insert(QStringLiteral("PATH"),
                     d.filePath("bin") + u':' + m_env.value(QStringLiteral("PATH")));
        for (const char* xdg : {"CONFIG", "CACHE", "DATA"})
            m_env.insert(QStringLiteral("XDG_%1_HOME").arg(QLatin1String(xdg)),
                         d.filePath(QString::fromLatin1(xdg).toLower()));
        m_env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
        m_hote.setProcessEnvironment(m_env);
        m_hote.setProcessChannelMode(QProcess::ForwardedChannels);
        m_hote.start(QStringLiteral("xscreensaver"), {QStringLiteral("-no-splash")});
        QVERIFY(m_hote.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(commande(QStringLiteral("-time")), 15000);
    }

    void cleanupTestCase() {
        if (m_hote.state() != QProcess::NotRunning) {
            m_hote.terminate();
            if (!m_hote.waitForFinished(5000))
                m_hote.kill();
        }
    }

    void activerPuisDesactiver() {
        QCOMPARE(pidLumivane(m_hote.processId()), 0);
        QVERIFY(commande(QStringLiteral("-activate")));
        qint64 pid = 0;
        QTRY_VERIFY_WITH_TIMEOUT((pid = pidLumivane(m_hote.processId())) != 0, 15000);

        // Started the host's way, drawing into the host's window.
        const QList<QByteArray> arguments =
            lire(QStringLiteral("/proc/%1/cmdline").arg(pid)).split('\0');
        QVERIFY2(arguments.contains("--root") || arguments.contains("-root"),
                 arguments.join(' ').constData());
        static const QRegularExpression variable(
            QStringLiteral("XSCREENSAVER_WINDOW=(0x[0-9a-fA-F]+)"));
        const auto fenetre = variable.match(QString::fromLatin1(
            lire(QStringLiteral("/proc/%1/environ").arg(pid)).replace('\0', '\n')));
        QVERIFY(fenetre.hasMatch());
        QTRY_VERIFY_WITH_TIMEOUT(!lumivaneWindows(fenetre.captured(1)).isEmpty(), 15000);

        // The album's photos show, one after another.
        QTRY_VERIFY_WITH_TIMEOUT(photoAuCentre(ecran()), 15000);
        const QImage premiere = ecran();
        QTRY_VERIFY_WITH_TIMEOUT(ecran() != premiere && photoAuCentre(ecran()), 15000);
        QCOMPARE(pidLumivane(m_hote.processId()), pid);

        QElapsedTimer temps;
        temps.start();
        QVERIFY(commande(QStringLiteral("-deactivate")));
        // Within a second on an idle machine; the guard is generous for a loaded one.
        QTRY_VERIFY_WITH_TIMEOUT(termine(pid), 5000);
        qInfo("program ended %lld ms after the host was told to deactivate", temps.elapsed());
        QCOMPARE(m_hote.state(), QProcess::Running);
    }
};

QTEST_MAIN(TestHoteReel)
#include "test_hote_reel.moc"
