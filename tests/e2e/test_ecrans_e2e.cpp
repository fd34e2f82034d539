// The full-screen show on a display of two monitors (one X screen split in two halves): one
// show per monitor, monitors that come and go, and the end of every show at once.

#include "fenetres.h"
#include "platform/inisettingsstore.h"
#include "samples.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool xrandr(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xrandr"), arguments) == 0;
}

bool poserMoniteur(const QString& nom, const QRect& r, const QString& sortie) {
    return xrandr(
        {QStringLiteral("--setmonitor"), nom,
         QStringLiteral("%1/100x%2/100+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y()),
         sortie});
}

bool photoAuCentre(const QRect& zone) {
    const QPoint c = zone.center();
    const QRgb p =
        QGuiApplication::primaryScreen()->grabWindow(0, c.x(), c.y(), 1, 1).toImage().pixel(0, 0);
    return qRed(p) + qGreen(p) + qBlue(p) > 60;
}

QList<QRect> trie(QList<QRect> r) {
    std::sort(r.begin(), r.end(), [](const QRect& a, const QRect& b) { return a.x() < b.x(); });
    return r;
}

} // namespace

class TestEcransE2E : public QObject {
    Q_OBJECT

    QTemporaryDir m_dossier;
    QProcess m_programme;

private slots:
    void initTestCase() {
        if (QProcess::execute(QStringLiteral("xrandr"), {QStringLiteral("--version")}) != 0)
            QSKIP("xrandr is not installed");
        QStringList photos;
        for (int i = 0; i < 3; ++i) {
            photos << m_dossier.filePath(QStringLiteral("%1.jpg").arg(i));
            QVERIFY(Samples::write(Samples::paint(QSize(400, 300), 50 + i), photos.last(),
                                   Samples::Format::Jpeg));
        }
        IniSettingsStore store;
        Samples::writeAlbum(store, photos);
    }

    void cleanupTestCase() {
        if (m_programme.state() != QProcess::NotRunning) {
            m_programme.kill();
            m_programme.waitForFinished(5000);
        }
    }

    void unShowParEcran() {
        const QRect tout = QGuiApplication::primaryScreen()->virtualGeometry();
        const QRect gauche(0, 0, tout.width() / 2, tout.height());
        const QRect droite(gauche.topRight() + QPoint(1, 0), gauche.size());
        QVERIFY(poserMoniteur(QStringLiteral("gauche"), gauche, QStringLiteral("screen")));
        QVERIFY(poserMoniteur(QStringLiteral("droite"), droite, QStringLiteral("none")));
        QTRY_COMPARE(QGuiApplication::screens().size(), 2);

        m_programme.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_programme.start(qEnvironmentVariable("LUMIVANE_EXE"), {QStringLiteral("/S")});
        QTRY_COMPARE_WITH_TIMEOUT(trie(lumivaneWindows()), (QList<QRect>{gauche, droite}), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(photoAuCentre(gauche) && photoAuCentre(droite), 10000);

        // A monitor unplugged, then plugged in again.
        QVERIFY(xrandr({QStringLiteral("--delmonitor"), QStringLiteral("droite")}));
        QTRY_COMPARE_WITH_TIMEOUT(lumivaneWindows(), QList<QRect>{gauche}, 10000);
        QVERIFY(poserMoniteur(QStringLiteral("droite"), droite, QStringLiteral("none")));
        QTRY_COMPARE_WITH_TIMEOUT(trie(lumivaneWindows()), (QList<QRect>{gauche, droite}), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(photoAuCentre(droite), 10000);
        QCOMPARE(m_programme.state(), QProcess::Running);

        // Pointer movement over the show of the second monitor, once its photo has changed,
        // ends the whole show.
        int x = droite.center().x();
        QTRY_VERIFY_WITH_TIMEOUT(
            (QProcess::execute(QStringLiteral("xdotool"),
                               {QStringLiteral("mousemove"), QString::number(x += 7),
                                QString::number(droite.center().y())}),
             m_programme.state() == QProcess::NotRunning),
            15000);
        QCOMPARE(m_programme.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_programme.exitCode(), 0);
        QVERIFY(lumivaneWindows().isEmpty());
    }
};

QTEST_MAIN(TestEcransE2E)
#include "test_ecrans_e2e.moc"
