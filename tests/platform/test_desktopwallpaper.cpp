// Desktop wallpaper backends: the commands they run (fake programs first on PATH that record
// their arguments), their failures, and GNOME's for real with a key-file settings store.

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
// With -l among its arguments it prints $FAKE_LIST; it writes $FAKE_STDERR to its error output
// and exits with $FAKE_EXIT; with $FAKE_SLEEP set it sleeps that many seconds instead.
const char* const FakeTool = R"sh(#!/bin/sh
{ printf '%s' "$(basename "$0")"; for a in "$@"; do printf ' [%s]' "$a"; done; printf '\n'; } >> "$FAKE_LOG"
for a in "$@"; do [ "$a" = "-l" ] && printf '%s\n' "$FAKE_LIST"; done
[ -n "$FAKE_STDERR" ] && printf '%s\n' "$FAKE_STDERR" >&2
[ -n "$FAKE_SLEEP" ] && exec sleep "$FAKE_SLEEP"
exit "${FAKE_EXIT:-0}"
)sh";

QString entre(const QString& texte) {
    return QStringLiteral(" [") + texte + u']';
}

} // namespace

class TestDesktopWallpaper : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void commandes_data();
    void commandes();
    void echecs_data();
    void echecs();
    void gnomePourDeVrai();
    void outilAbandonne();

private:
    QStringList journal() const;
    QTemporaryDir m_dossier;
    QString m_image;
    QByteArray m_pathOrigine = qgetenv("PATH");
};

void TestDesktopWallpaper::initTestCase() {
    QVERIFY(QDir().mkpath(m_dossier.filePath(QStringLiteral("bin"))));
    for (const char* nom : {"gsettings", "xfconf-query", "plasma-apply-wallpaperimage"}) {
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
}

void TestDesktopWallpaper::init() {
    qputenv("PATH", m_dossier.filePath(QStringLiteral("bin")).toLocal8Bit() + ':' + m_pathOrigine);
    qputenv("FAKE_LOG", m_dossier.filePath(QStringLiteral("log")).toLocal8Bit());
    qunsetenv("FAKE_LIST");
    qunsetenv("FAKE_STDERR");
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
    QTest::addColumn<QString>("listeXfce");
    QTest::addColumn<QStringList>("attendu");
    const QString image = QStringLiteral("@IMAGE@"), uri = QStringLiteral("@URI@");
    const auto gs = [](const QString& schema, const QString& cle, const QString& valeur) {
        return QStringLiteral("gsettings") + entre(QStringLiteral("set")) + entre(schema) +
               entre(cle) + entre(valeur);
    };
    const QString gnome = QStringLiteral("org.gnome.desktop.background");
    const QStringList pourGnome = {
        gs(gnome, QStringLiteral("picture-uri"), QStringLiteral("''")),
        gs(gnome, QStringLiteral("picture-uri"), u'\'' + uri + u'\''),
        gs(gnome, QStringLiteral("picture-uri-dark"), QStringLiteral("''")),
        gs(gnome, QStringLiteral("picture-uri-dark"), u'\'' + uri + u'\''),
    };
    QTest::newRow("GNOME") << "GNOME"
                           << "" << pourGnome;
    QTest::newRow("Ubuntu") << "ubuntu:GNOME"
                            << "" << pourGnome;
    QTest::newRow("Unity") << "Unity"
                           << "" << pourGnome;
    QTest::newRow("Budgie") << "Budgie:GNOME"
                            << "" << pourGnome;
    const QString cinnamon = QStringLiteral("org.cinnamon.desktop.background");
    QTest::newRow("Cinnamon") << "X-Cinnamon"
                              << ""
                              << QStringList{gs(cinnamon, "picture-uri", "''"),
                                             gs(cinnamon, "picture-uri", "'" + uri + "'")};
    // GVariant text: the quote inside the path is escaped.
    const QString mate = QStringLiteral("org.mate.background");
    QTest::newRow("MATE") << "MATE"
                          << ""
                          << QStringList{gs(mate, "picture-filename", "''"),
                                         gs(mate, "picture-filename", "@IMAGEGV@")};
    QTest::newRow("KDE") << "KDE"
                         << ""
                         << QStringList{QStringLiteral("plasma-apply-wallpaperimage") +
                                        entre(image)};
    const QString canal = entre(QStringLiteral("-c")) + entre(QStringLiteral("xfce4-desktop"));
    const QString p0 = QStringLiteral("/backdrop/screen0/monitorHDMI-1/workspace0/last-image");
    const QString p1 = QStringLiteral("/backdrop/screen0/monitorHDMI-1/workspace1/last-image");
    QTest::newRow("XFCE") << "XFCE"
                          << QStringList{p0,
                                         "/backdrop/screen0/monitorHDMI-1/workspace0/"
                                         "image-style",
                                         p1}
                                 .join(u'\n')
                          << QStringList{
                                 QStringLiteral("xfconf-query") + canal + entre("-l"),
                                 QStringLiteral("xfconf-query") + canal + entre("-p") + entre(p0) +
                                     entre("-s") + entre(""),
                                 QStringLiteral("xfconf-query") + canal + entre("-p") + entre(p0) +
                                     entre("-s") + entre(image),
                                 QStringLiteral("xfconf-query") + canal + entre("-p") + entre(p1) +
                                     entre("-s") + entre(""),
                                 QStringLiteral("xfconf-query") + canal + entre("-p") + entre(p1) +
                                     entre("-s") + entre(image),
                             };
    const QString defaut = QStringLiteral("/backdrop/screen0/monitor0/workspace0/last-image");
    QTest::newRow("XFCE sans fond")
        << "XFCE"
        << ""
        << QStringList{
               QStringLiteral("xfconf-query") + canal + entre("-l"),
               QStringLiteral("xfconf-query") + canal + entre("-p") + entre(defaut) + entre("-n") +
                   entre("-t") + entre("string") + entre("-s") + entre(image),
           };
}

void TestDesktopWallpaper::commandes() {
    QFETCH(QString, bureau);
    QFETCH(QString, listeXfce);
    QFETCH(QStringList, attendu);
    qputenv("FAKE_LIST", listeXfce.toUtf8());
    QString uri = QUrl::fromLocalFile(m_image).toString(QUrl::FullyEncoded);
    uri.replace(u'\'', QStringLiteral("\\'"));
    QString imageGv = m_image;
    imageGv.replace(u'\'', QStringLiteral("\\'"));
    for (QString& ligne : attendu)
        ligne.replace(QStringLiteral("@IMAGEGV@"), u'\'' + imageGv + u'\'')
            .replace(QStringLiteral("@IMAGE@"), m_image)
            .replace(QStringLiteral("@URI@"), uri);
    const auto fond = createDesktopWallpaper(bureau, true);
    QVERIFY(fond->setWallpaper(m_image));
    QCOMPARE(journal(), attendu);
}

void TestDesktopWallpaper::echecs_data() {
    QTest::addColumn<QString>("bureau");
    QTest::addColumn<QByteArray>("sortie");
    QTest::addColumn<QByteArray>("erreur");
    QTest::addColumn<bool>("programmeAbsent");
    for (const char* bureau : {"GNOME", "X-Cinnamon", "MATE", "KDE", "XFCE"}) {
        QTest::addRow("%s: code de sortie", bureau)
            << bureau << QByteArray("1") << QByteArray() << false;
        QTest::addRow("%s: programme absent", bureau)
            << bureau << QByteArray() << QByteArray() << true;
    }
    QTest::newRow("GNOME sans service de réglages")
        << "GNOME" << QByteArray()
        << QByteArray("GLib-GIO-Message: Using the 'memory' GSettings "
                      "backend.  Your settings will not be saved")
        << false;
}

void TestDesktopWallpaper::echecs() {
    QFETCH(QString, bureau);
    QFETCH(QByteArray, sortie);
    QFETCH(QByteArray, erreur);
    QFETCH(bool, programmeAbsent);
    if (!sortie.isEmpty())
        qputenv("FAKE_EXIT", sortie);
    if (!erreur.isEmpty())
        qputenv("FAKE_STDERR", erreur);
    if (programmeAbsent)
        qputenv("PATH", m_dossier.filePath(QStringLiteral("nulle-part")).toLocal8Bit());
    qputenv("FAKE_LIST", "/backdrop/screen0/monitor0/workspace0/last-image");
    QVERIFY(!createDesktopWallpaper(bureau, true)->setWallpaper(m_image));
}

void TestDesktopWallpaper::gnomePourDeVrai() {
    if (QStandardPaths::findExecutable(QStringLiteral("gsettings"), {QStringLiteral("/usr/bin")})
            .isEmpty())
        QSKIP("gsettings is not installed");
    qputenv("PATH", m_pathOrigine);
    qputenv("GSETTINGS_BACKEND", "keyfile");
    const QByteArray configOrigine = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_dossier.filePath(QStringLiteral("config")).toLocal8Bit());
    GSettingsWallpaper gnome(GSettingsWallpaper::Desktop::Gnome);
    const bool ok = gnome.setWallpaper(m_image);
    QStringList lus;
    for (const char* cle : {"picture-uri", "picture-uri-dark"}) {
        QProcess get;
        get.start(QStringLiteral("gsettings"),
                  {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.background"),
                   QLatin1String(cle)});
        QVERIFY(get.waitForFinished(10000));
        lus << QString::fromUtf8(get.readAllStandardOutput()).trimmed();
    }
    qputenv("XDG_CONFIG_HOME", configOrigine);
    qunsetenv("GSETTINGS_BACKEND");
    QVERIFY(ok);
    QVERIFY(QFile::exists(m_dossier.filePath(QStringLiteral("config/glib-2.0/settings/keyfile"))));
    for (QString lu : lus) {
        // gsettings prints a GVariant string: quoted, with the quote inside escaped.
        QVERIFY2(lu.startsWith(u'\'') || lu.startsWith(u'"'), qPrintable(lu));
        lu = lu.mid(1, lu.size() - 2).replace(QStringLiteral("\\'"), QStringLiteral("'"));
        QCOMPARE(QUrl(lu).toLocalFile(), m_image);
    }
}

// The program ends while a tool hangs on the worker thread: the tool is killed, the call
// returns, and no later tool is started.
void TestDesktopWallpaper::outilAbandonne() {
    qputenv("FAKE_SLEEP", "30");
    GSettingsWallpaper gnome(GSettingsWallpaper::Desktop::Gnome);
    std::atomic<bool> fini{false};
    bool ok = true;
    std::thread travail([&] {
        ok = gnome.setWallpaper(m_image);
        fini = true;
    });
    const auto attendre = qScopeGuard([&] { travail.join(); });
    QTRY_COMPARE(journal().size(), 1);
    gnome.cancel();
    QTRY_VERIFY_WITH_TIMEOUT(fini, 5000);
    QVERIFY(!ok);
    QVERIFY(!gnome.setWallpaper(m_image));
    QCOMPARE(journal().size(), 1);
}

QTEST_GUILESS_MAIN(TestDesktopWallpaper)
#include "test_desktopwallpaper.moc"