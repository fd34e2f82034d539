// Desktop wallpaper backends as each desktop's session picks them: gsettings over dconf and
// xfconf-query with xfconfd for real, on a private session bus; fake programs first on PATH
// that record their arguments for the tools that need a running desktop.

#include "platform/desktopwallpaper_linux.h"
#include "platform/desktopwallpaperfactory.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
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

// What a real tool prints, without its final line break.
QString sortie(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString xfce(const QString& propriete) {
    return sortie(QStringLiteral("xfconf-query"),
                  {QStringLiteral("-c"), QStringLiteral("xfce4-desktop"), QStringLiteral("-p"),
                   QStringLiteral("/backdrop/screen0/") + propriete});
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
    QCOMPARE(journal(), QStringList{attendu.replace(u'@', m_image)});
}

void TestDesktopWallpaper::gsettings_data() {
    QTest::addColumn<QString>("bureau");
    QTest::addColumn<QString>("schema");
    QTest::addColumn<QStringList>("cles");
    QTest::addColumn<bool>("uri");
    const QString gnome = QStringLiteral("org.gnome.desktop.background");
    const QStringList cles = {QStringLiteral("picture-uri"), QStringLiteral("picture-uri-dark")};
    QTest::newRow("GNOME") << "GNOME" << gnome << cles << true;
    QTest::newRow("Ubuntu") << "ubuntu:GNOME" << gnome << cles << true;
    QTest::newRow("Unity") << "Unity" << gnome << cles << true;
    QTest::newRow("Budgie") << "Budgie:GNOME" << gnome << cles << true;
    QTest::newRow("Cinnamon") << "X-Cinnamon"
                              << "org.cinnamon.desktop.background" << cles.mid(0, 1) << true;
    QTest::newRow("MATE") << "MATE"
                          << "org.mate.background" << QStringList{"picture-filename"} << false;
}

void TestDesktopWallpaper::gsettings() {
    QFETCH(QString, bureau);
    QFETCH(QString, schema);
    QFETCH(QStringList, cles);
    QFETCH(bool, uri);
    // A picture of its own per row: a value left by an earlier row cannot pass.
    const QString image =
        m_image + QStringLiteral(".") + QString::fromUtf8(QTest::currentDataTag()) + ".bmp";
    QVERIFY(createDesktopWallpaper({bureau, false, false, {}})->setWallpaper(image));
    QCOMPARE(sortie("gsettings", {"get", schema, "picture-options"}), QStringLiteral("'zoom'"));
    for (const QString& cle : cles) {
        QString lu = sortie("gsettings", {"get", schema, cle});
        // A GVariant string: quoted, with the quote inside escaped.
        lu = lu.mid(1, lu.size() - 2).replace(QStringLiteral("\\'"), QStringLiteral("'"));
        QCOMPARE(uri ? QUrl(lu).toLocalFile() : lu, image);
    }
}

// Keys left by an older XFCE under "monitor0" for two workspaces, one of them tiled; the
// session's output has no key yet. Every monitor and workspace ends zoomed on the picture.
void TestDesktopWallpaper::xfceCouvreSortiesEtBureaux() {
    const QString ancien = QStringLiteral("/backdrop/screen0/monitor0/");
    QCOMPARE(QProcess::execute("xfconf-query",
                               {"-c", "xfce4-desktop", "-p", ancien + "workspace0/last-image", "-n",
                                "-t", "string", "-s", "/ancienne.png"}),
             0);
    QCOMPARE(QProcess::execute("xfconf-query",
                               {"-c", "xfce4-desktop", "-p", ancien + "workspace1/image-style",
                                "-n", "-t", "int", "-s", "2"}),
             0);
    QVERIFY(createDesktopWallpaper({"XFCE", false, false, {"Virtual-1"}})->setWallpaper(m_image));
    for (const char* moniteur : {"monitor0/", "monitorVirtual-1/"}) {
        for (const char* bureau : {"workspace0/", "workspace1/"}) {
            const QString prefixe = QLatin1String(moniteur) + QLatin1String(bureau);
            QCOMPARE(xfce(prefixe + "last-image"), m_image);
            QCOMPARE(xfce(prefixe + "image-style"), QStringLiteral("5"));
        }
    }
}

void TestDesktopWallpaper::echecs_data() {
    QTest::addColumn<QString>("bureau");
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("valeur");
    for (const char* bureau : {"KDE", "LXQt", "LXDE"}) {
        QTest::addRow("%s: code de sortie", bureau) << bureau << QByteArray("FAKE_EXIT") << "1";
        QTest::addRow("%s: programme absent", bureau) << bureau << QByteArray("PATH") << "/nulle";
    }
    QTest::newRow("sway: code de sortie") << "sway" << QByteArray("FAKE_EXIT") << "2";
    QTest::newRow("GNOME sans bus de session")
        << "GNOME" << QByteArray("DBUS_SESSION_BUS_ADDRESS") << "unix:path=/nulle";
    QTest::newRow("Cinnamon sans schéma")
        << "X-Cinnamon" << QByteArray("XDG_DATA_DIRS") << "/nulle";
    QTest::newRow("MATE sans gsettings") << "MATE" << QByteArray("PATH") << "/nulle";
    QTest::newRow("XFCE sans xfconf-query") << "XFCE" << QByteArray("PATH") << "/nulle";
}

// Whatever fails, the answer is no (on X11 the root window would be tried next).
void TestDesktopWallpaper::echecs() {
    QFETCH(QString, bureau);
    QFETCH(QByteArray, variable);
    QFETCH(QString, valeur);
    const QByteArray avant = qgetenv(variable.constData());
    const auto remettre = qScopeGuard([&] { qputenv(variable.constData(), avant); });
    qputenv(variable.constData(), valeur.toLocal8Bit());
    QVERIFY(!createDesktopWallpaper({bureau, false, bureau == u"sway", {}})->setWallpaper(m_image));
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

QTEST_GUILESS_MAIN(TestDesktopWallpaper)
#include "test_desktopwallpaper.moc"
