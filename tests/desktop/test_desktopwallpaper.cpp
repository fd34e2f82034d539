// Desktop wallpaper backends as each desktop's session picks them: gsettings over dconf and
// xfconf-query with xfconfd for real, on a private session bus; fake programs first on PATH
// that record their arguments for the tools that need a running desktop.

#include "desktop/commandwallpaper.h"
#include "desktop/desktopwallpaperfactory.h"
#include "desktop/gsettingswallpaper.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <atomic>
#include <thread>

namespace {

// Every fake tool appends one line to $FAKE_LOG: its name, then each argument in brackets.
// It exits with $FAKE_EXIT; with $FAKE_SLEEP set it sleeps that many seconds instead.
const char* const FakeTool = R"sh(#!/bin/sh
{ printf '%s' "$(basename "$0")"; for a in "$@"; do printf ' [%s]' "$a"; done; printf '\n'; } >> "$FAKE_LOG"
[ -n "$FAKE_SLEEP" ] && exec sleep "$FAKE_SLEEP"
exit "${FAKE_EXIT:-0}"
)sh";

// sway headless in $1 with the fake tool as its swaybg; as nobody when we are root (it refuses).
const char* const Sway =
    R"sh(cd "$1" && cp "$2/bin/swaymsg" swaybg && chmod -R a+rwX "$2" && shift 2
[ "$(id -u)" != 0 ] || set -- setpriv --reuid=nobody --regid=nogroup --clear-groups
echo "swaybg_command $PWD/swaybg" >config && export WLR_BACKENDS=headless WLR_RENDERER=pixman
WLR_LIBINPUT_NO_DEVICES=1 XDG_RUNTIME_DIR="$PWD" exec "$@" sway -c config
)sh";

// What a real tool prints, without its final line break.
QString sortie(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace

class TestDesktopWallpaper : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void commandes_data();
    void commandes();
    void gsettings_data();
    void gsettings();
    void xfceCouvreSortiesEtBureaux();
    void echecs_data();
    void echecs();
    void outilAbandonne();
    void swayLitLeChemin();

private:
    QStringList journal() const;
    QTemporaryDir m_dossier;
    QString m_image;
    QByteArray m_pathOrigine = qgetenv("PATH");
    QProcess m_bus;
};

void TestDesktopWallpaper::initTestCase() {
    QVERIFY(QDir().mkpath(m_dossier.filePath(QStringLiteral("bin"))));
    for (const char* nom : {"plasma-apply-wallpaperimage", "pcmanfm-qt", "pcmanfm", "swaymsg"}) {
        QFile f(m_dossier.filePath(QStringLiteral("bin/") + QLatin1String(nom)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(FakeTool);
        f.close();
        QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    // A folder name that a shell string would split or misquote.
    const QString dossierImage = m_dossier.filePath(QStringLiteral("l'été $HOME; x"));
    QVERIFY(QDir().mkpath(dossierImage));
    m_image = dossierImage + QStringLiteral("/LMV.bmp");
    // A private session bus whose dconf and xfconfd keep their settings in our folder.
    qputenv("XDG_CONFIG_HOME", m_dossier.filePath(QStringLiteral("config")).toLocal8Bit());
    m_bus.start(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"),
                 QStringLiteral("--print-address=1")});
    QVERIFY2(m_bus.waitForReadyRead(10000), "dbus-daemon (package dbus) did not start");
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
}

void TestDesktopWallpaper::init() {
    qputenv("PATH", m_dossier.filePath(QStringLiteral("bin")).toLocal8Bit() + ':' + m_pathOrigine);
    qputenv("FAKE_LOG", m_dossier.filePath(QStringLiteral("log")).toLocal8Bit());
    qunsetenv("FAKE_EXIT");
    qunsetenv("FAKE_SLEEP");
    QFile::remove(m_dossier.filePath(QStringLiteral("log")));
}

QStringList TestDesktopWallpaper::journal() const {
    QFile f(m_dossier.filePath(QStringLiteral("log")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void TestDesktopWallpaper::commandes_data() {
    QTest::addColumn<QString>("bureau");
    QTest::addColumn<bool>("sway");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("KDE") << "KDE" << false << "plasma-apply-wallpaperimage [@]";
    QTest::newRow("premier nom connu")
        << "Pantheon:kde:GNOME" << false << "plasma-apply-wallpaperimage [@]";
    QTest::newRow("LXQt") << "LXQt" << false
                          << "pcmanfm-qt [--set-wallpaper] [@] [--wallpaper-mode] [zoom]";
    QTest::newRow("LXDE") << "LXDE" << false
                          << "pcmanfm [--set-wallpaper] [@] [--wallpaper-mode] [crop]";
    QTest::newRow("sway") << "sway" << true << "swaymsg [output] [*] [bg] [@] [fill]";
    QTest::newRow("wlroots au nom d'emprunt")
        << "GNOME" << true << "swaymsg [output] [*] [bg] [@] [fill]";
}

void TestDesktopWallpaper::commandes() {
    QFETCH(QString, bureau);
    QFETCH(bool, sway);
    QFETCH(QString, attendu);
    QVERIFY(createDesktopWallpaper({bureau, false, sway, {}})->setWallpaper(m_image));
    QCOMPARE(journal(), QStringList{attendu.replace(u'@', sway ? swayWord(m_image) : m_image)});
}

void TestDesktopWallpaper::gsettings_data() {
    QTest::addColumn<QString>("bureau");
    QTest::addColumn<QString>("schema");
    QTest::addColumn<QString>("cle");
    QTest::newRow("GNOME") << "GNOME"
                           << "org.gnome.desktop.background"
                           << "picture-uri-dark";
    QTest::newRow("Cinnamon") << "X-Cinnamon"
                              << "org.cinnamon.desktop.background"
                              << "picture-uri";
    QTest::newRow("MATE") << "MATE"
                          << "org.mate.background"
                          << "picture-filename";
}

void TestDesktopWallpaper::gsettings() {
    QFETCH(QString, bureau);
    QFETCH(QString, schema);
    QFETCH(QString, cle);
    QVERIFY(createDesktopWallpaper({bureau, false, false, {}})->setWallpaper(m_image));
    QCOMPARE(sortie("gsettings", {"get", schema, "picture-options"}), QStringLiteral("'zoom'"));
    const QString lu = gvariantStringValue(sortie("gsettings", {"get", schema, cle}));
    QCOMPARE(QUrl(lu).isLocalFile() ? QUrl(lu).toLocalFile() : lu, m_image);
}

// An older XFCE's key for the second workspace of "monitor0"; the first workspace and the
// session's output have none yet. Every monitor and workspace ends zoomed on the picture.
void TestDesktopWallpaper::xfceCouvreSortiesEtBureaux() {
    const QStringList canal = {"-c", "xfce4-desktop", "-p"};
    QCOMPARE(QProcess::execute("xfconf-query",
                               canal + QStringList{"/backdrop/screen0/monitor0/workspace1/"
                                                   "image-style",
                                                   "-n", "-t", "int", "-s", "2"}),
             0);
    QVERIFY(createDesktopWallpaper({"XFCE", false, false, {"Virtual-1"}})->setWallpaper(m_image));
    for (const QString moniteur : {"monitor0", "monitorVirtual-1"}) {
        for (const QString bureau : {"/workspace0/", "/workspace1/"}) {
            const QString p = "/backdrop/screen0/" + moniteur + bureau;
            QCOMPARE(sortie("xfconf-query", canal + QStringList{p + "last-image"}), m_image);
            QCOMPARE(sortie("xfconf-query", canal + QStringList{p + "image-style"}), "5");
        }
    }
}

void TestDesktopWallpaper::echecs_data() {
    QTest::addColumn<QString>("bureau");
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("valeur");
    QTest::newRow("code de sortie") << "LXQt" << QByteArray("FAKE_EXIT") << "1";
    QTest::newRow("programme absent") << "KDE" << QByteArray("PATH") << "/nulle";
    QTest::newRow("GNOME sans bus de session")
        << "GNOME" << QByteArray("DBUS_SESSION_BUS_ADDRESS") << "unix:path=/nulle";
    QTest::newRow("Cinnamon sans schéma")
        << "X-Cinnamon" << QByteArray("XDG_DATA_DIRS") << "/nulle";
}

// Whatever fails, the answer is no (on X11 the root window would be tried next).
void TestDesktopWallpaper::echecs() {
    QFETCH(QString, bureau);
    QFETCH(QByteArray, variable);
    QFETCH(QString, valeur);
    const QByteArray avant = qgetenv(variable.constData());
    const auto remettre = qScopeGuard([&] { qputenv(variable.constData(), avant); });
    qputenv(variable.constData(), valeur.toLocal8Bit());
    QVERIFY(!createDesktopWallpaper({bureau, false, false, {}})->setWallpaper(m_image));
}

// The program ends while a tool hangs on the worker thread: the tool is killed, the call
// returns, and no later tool is started.
void TestDesktopWallpaper::outilAbandonne() {
    qputenv("FAKE_SLEEP", "30");
    const auto kde = createDesktopWallpaper({QStringLiteral("KDE"), false, false, {}});
    std::atomic<bool> fini{false};
    bool ok = true;
    std::thread travail([&] {
        ok = kde->setWallpaper(m_image);
        fini = true;
    });
    const auto attendre = qScopeGuard([&] { travail.join(); });
    QTRY_COMPARE(journal().size(), 1);
    kde->cancel();
    QTRY_VERIFY_WITH_TIMEOUT(fini, 5000);
    QVERIFY(!ok);
    QVERIFY(!kde->setWallpaper(m_image));
    QCOMPARE(journal().size(), 1);
}

// The real sway reads the command: the path reaches its swaybg whole, and nothing else runs.
void TestDesktopWallpaper::swayLitLeChemin() {
    const QString d = m_dossier.filePath("sway"), ipc = d + "/ipc";
    const QString image = d + "/a;exec touch pris;b, c'\"\\ $(touch pris)*/LMV-1.bmp";
    QVERIFY(QDir().mkpath(QFileInfo(image).path()) && QFile(image).open(QIODevice::WriteOnly));
    qputenv("SWAYSOCK", QFile::encodeName(ipc));
    QProcess sway; // killed when it goes
    sway.start("sh", {"-c", Sway, "sh", d, m_dossier.path()});
    QTRY_VERIFY2_WITH_TIMEOUT(QFile::exists(ipc), "sway (package sway) did not start", 10000);
    qputenv("PATH", m_pathOrigine);
    QVERIFY(createDesktopWallpaper({"sway", false, true, {}})->setWallpaper(image));
    QTRY_COMPARE(journal(), QStringList{"swaybg [-o] [*] [-i] [" + image + "] [-m] [fill]"});
    QVERIFY(!QFile::exists(d + "/pris"));
}

QTEST_GUILESS_MAIN(TestDesktopWallpaper)
#include "test_desktopwallpaper.moc"
