// The real executable under Xvfb: the full-screen show and the show inside a host's window.

#include "platform/inisettingsstore.h"
#include "samples.h"
#include "settings/reglages.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

QImage ecran(const QRect& zone = {}) {
    QScreen* s = QGuiApplication::primaryScreen();
    if (zone.isNull())
        return s->grabWindow(0).toImage();
    return s->grabWindow(0, zone.x(), zone.y(), zone.width(), zone.height()).toImage();
}

bool noir(const QImage& image) {
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if (qGray(image.pixel(x, y)) > 24)
                return false;
    return true;
}

bool xdotool(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

} // namespace

class TestShowE2E : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pleinEcran_data();
    void pleinEcran();
    void fenetreHote_data();
    void fenetreHote();
    void outilQuiBloque();
    void finPendantLeDemarrage_data();
    void finPendantLeDemarrage();

private:
    void lancer(const QStringList& arguments, const QProcessEnvironment& env = {});
    QTemporaryDir m_dossier;
    QString m_exe;
    QStringList m_photos;
    QProcess m_programme;
};

void TestShowE2E::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        QSKIP("xdotool is not installed");
    // The program writes its wallpaper bitmap beside itself: run a copy in a folder of ours.
    m_exe = m_dossier.filePath(QStringLiteral("lumivane"));
    QVERIFY(QFile::copy(qEnvironmentVariable("LUMIVANE_EXE"), m_exe));
    QVERIFY(QFile::setPermissions(m_exe, QFile::ReadOwner | QFile::ExeOwner));
    for (int i = 0; i < 4; ++i) {
        const QString chemin = m_dossier.filePath(QStringLiteral("photo%1.jpg").arg(i));
        QVERIFY(
            Samples::write(Samples::paint(QSize(400, 300), 10 + i), chemin, Samples::Format::Jpeg));
        m_photos << chemin;
    }
    IniSettingsStore store;
    Samples::writeAlbum(store, m_photos);
    // Today's wallpaper: a plain magenta JPEG.
    QImage magenta(64, 48, QImage::Format_RGB32);
    magenta.fill(QColor(255, 0, 255));
    const QString fond = m_dossier.filePath(QStringLiteral("fond.jpg"));
    QVERIFY(Samples::write(magenta, fond, Samples::Format::Jpeg));
    Reglages::ecrire(store, Reglages::wall(QDate::currentDate().dayOfWeek() % 7), fond);
    Reglages::ecrire(store, Reglages::vitesseAffichage(), QStringLiteral("1"));
}

void TestShowE2E::init() {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("1"), QStringLiteral("1")});
}

void TestShowE2E::cleanup() {
    if (m_programme.state() != QProcess::NotRunning) {
        m_programme.kill();
        m_programme.waitForFinished(5000);
    }
}

void TestShowE2E::lancer(const QStringList& arguments, const QProcessEnvironment& env) {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    // No desktop named: the wallpaper goes to the root window of the X server.
    e.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    for (const QString& cle : env.keys())
        e.insert(cle, env.value(cle));
    m_programme.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_programme.setProcessEnvironment(e);
    m_programme.start(m_exe, arguments);
    QVERIFY(m_programme.waitForStarted(5000));
}

void TestShowE2E::pleinEcran_data() {
    QTest::addColumn<bool>("parLaSouris");
    QTest::newRow("fin par une touche") << false;
    QTest::newRow("fin par la souris") << true;
}

void TestShowE2E::pleinEcran() {
    QFETCH(bool, parLaSouris);
    lancer({QStringLiteral("/S")});
    QTRY_VERIFY_WITH_TIMEOUT(!noir(ecran()), 10000);
    const QImage premiere = ecran();
    // The photo changes: a transition has come and the pointer watch is armed.
    QTRY_VERIFY_WITH_TIMEOUT(ecran() != premiere, 10000);
    QCOMPARE(m_programme.state(), QProcess::Running);
    if (parLaSouris) {
        // A screenshot that differs may still be the first photo being painted: keep moving
        // until the show has armed its pointer watch and ends.
        int x = 200;
        QTRY_VERIFY_WITH_TIMEOUT(
            (xdotool({QStringLiteral("mousemove"), QString::number(x += 7), QStringLiteral("150")}),
             m_programme.state() == QProcess::NotRunning),
            10000);
    } else {
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("space")}));
    }
    QTRY_COMPARE_WITH_TIMEOUT(m_programme.state(), QProcess::NotRunning, 10000);
    QCOMPARE(m_programme.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_programme.exitCode(), 0);

    // The wallpaper of the day was applied at the first tick: a bitmap beside the program, and
    // the picture on the root window now that the show is gone.
    QVERIFY(QFile::exists(m_dossier.filePath(QStringLiteral("LMV.bmp"))));
    const QRgb centre =
        ecran(QRect(QGuiApplication::primaryScreen()->geometry().center(), QSize(1, 1)))
            .pixel(0, 0);
    QVERIFY2(qRed(centre) > 230 && qGreen(centre) < 25 && qBlue(centre) > 230,
             qPrintable(QColor(centre).name()));
}

void TestShowE2E::fenetreHote_data() {
    QTest::addColumn<QString>("facon");
    QTest::addColumn<bool>("finParSignal");
    QTest::newRow("-window-id hexadécimal, SIGTERM") << "hex" << true;
    QTest::newRow("-window-id décimal, fenêtre détruite") << "dec" << false;
    QTest::newRow("XSCREENSAVER_WINDOW, SIGTERM") << "variable" << true;
}

void TestShowE2E::fenetreHote() {
    QFETCH(QString, facon);
    QFETCH(bool, finParSignal);
    auto hote = std::make_unique<QWidget>();
    hote->setWindowFlags(Qt::FramelessWindowHint);
    hote->setStyleSheet(QStringLiteral("background: black"));
    hote->setGeometry(100, 100, 320, 240);
    hote->show();
    QVERIFY(QTest::qWaitForWindowExposed(hote.get()));
    const quintptr id = hote->winId();
    QProcessEnvironment env;
    if (facon == u"hex") {
        lancer({QStringLiteral("-window-id"), QStringLiteral("0x") + QString::number(id, 16)});
    } else if (facon == u"dec") {
        lancer({QStringLiteral("-window-id"), QString::number(id)});
    } else {
        env.insert(QStringLiteral("XSCREENSAVER_WINDOW"),
                   QStringLiteral("0x") + QString::number(id, 16));
        lancer({QStringLiteral("-root")}, env);
    }
    const auto zone = [&] { return QRect(hote->mapToGlobal(QPoint(0, 0)), hote->size()); };
    QTRY_VERIFY_WITH_TIMEOUT(!noir(ecran(zone())), 10000);
    const QImage premiere = ecran(zone());
    QTRY_VERIFY_WITH_TIMEOUT(ecran(zone()) != premiere, 10000);

    // Pointer movement over the show is the host's business: the show goes on.
    const QPoint centre = zone().center();
    QVERIFY(xdotool(
        {QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y())}));
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(centre.x() + 30),
                     QString::number(centre.y() + 20)}));
    const QImage apresSouris = ecran(zone());
    QTRY_VERIFY_WITH_TIMEOUT(ecran(zone()) != apresSouris, 10000);
    QCOMPARE(m_programme.state(), QProcess::Running);

    // The show follows the window's size: a 4:3 photo fills a 4:3 window to its corner.
    hote->resize(480, 360);
    QTRY_VERIFY_WITH_TIMEOUT(
        qGray(ecran(QRect(zone().bottomRight() - QPoint(12, 12), QSize(4, 4))).pixel(1, 1)) > 24,
        10000);

    if (finParSignal)
        m_programme.terminate();
    else
        hote.reset();
    QTRY_COMPARE_WITH_TIMEOUT(m_programme.state(), QProcess::NotRunning, 10000);
    QCOMPARE(m_programme.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_programme.exitCode(), 0);
}

void TestShowE2E::outilQuiBloque() {
    // The desktop's tool never returns: the show still ends at the key press, without it.
    QTemporaryDir bin;
    const QString marque = bin.filePath(QStringLiteral("lance"));
    QFile outil(bin.filePath(QStringLiteral("gsettings")));
    QVERIFY(outil.open(QIODevice::WriteOnly));
    outil.write("#!/bin/sh\n: > \"$(dirname \"$0\")/lance\"\nexec sleep 30\n");
    outil.close();
    QVERIFY(outil.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    env.insert(QStringLiteral("PATH"), bin.path() + u':' + qEnvironmentVariable("PATH"));
    lancer({QStringLiteral("/S")}, env);
    QTRY_VERIFY_WITH_TIMEOUT(!noir(ecran()), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marque), 10000);
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("space")}));
    QTRY_COMPARE_WITH_TIMEOUT(m_programme.state(), QProcess::NotRunning, 5000);
    QCOMPARE(m_programme.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_programme.exitCode(), 0);
}

void TestShowE2E::finPendantLeDemarrage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("delaiMs");
    QTest::addColumn<bool>("parSignal"); // false: the host's window is destroyed
    const QStringList plein{QStringLiteral("/S")};
    QTest::newRow("/S, SIGTERM à 150 ms") << plein << 150 << true;
    QTest::newRow("/S, SIGTERM à 1 s") << plein << 1000 << true;
    QTest::newRow("-root, SIGTERM à 1 s") << QStringList{QStringLiteral("-root")} << 1000 << true;
    QTest::newRow("-window-id, fenêtre disparue à 1 s")
        << QStringList{QStringLiteral("-window-id")} << 1000 << false;
}

void TestShowE2E::finPendantLeDemarrage() {
    QFETCH(QStringList, arguments);
    QFETCH(int, delaiMs);
    QFETCH(bool, parSignal);
    // The largest album: reading it takes the program a noticeable part of its start-up.
    IniSettingsStore store;
    QStringList album;
    for (int i = 0; i < 32767; ++i)
        album << m_photos[i % m_photos.size()];
    Samples::writeAlbum(store, album);
    const auto retour = qScopeGuard([&] { Samples::writeAlbum(store, m_photos); });
    auto hote = std::make_unique<QWidget>();
    if (!parSignal) {
        hote->setGeometry(100, 100, 320, 240);
        hote->show();
        QVERIFY(QTest::qWaitForWindowExposed(hote.get()));
        arguments << QString::number(hote->winId());
    }
    lancer(arguments);
    // Not a synchronisation: the moment of the request inside the program's start-up.
    QTest::qWait(delaiMs);
    if (parSignal)
        m_programme.terminate();
    else
        hote.reset();
    QTRY_COMPARE_WITH_TIMEOUT(m_programme.state(), QProcess::NotRunning, 5000);
}

QTEST_MAIN(TestShowE2E)
#include "test_show_e2e.moc"
