// The real executable started under an X server: windows, pixels, settings and exit paths.

#include "fenetres.h"
#include "platform/inisettingsstore.h"
#include "samples.h"
#include "settings/reglages.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

bool run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(10000) && p.exitCode() == 0;
}

} // namespace

class TestStartupE2E : public QObject {
    Q_OBJECT

    QTemporaryDir m_photos;
    QStringList m_paths;
    std::unique_ptr<QTemporaryDir> m_config;

    QString iniPath() const { return m_config->filePath(QStringLiteral("Lumivane/Lumivane.ini")); }

    std::unique_ptr<QProcess> start(const QString& ligne) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(qEnvironmentVariable("LUMIVANE_EXE"), ligne.split(u' ', Qt::SkipEmptyParts));
        p->waitForStarted();
        return p;
    }

    static void stop(QProcess& p) {
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished();
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(!qEnvironmentVariableIsEmpty("LUMIVANE_EXE"));
        m_paths = Samples::writeSet(m_photos.path(),
                                    {{QStringLiteral("a"), {800, 600}, Samples::Format::Jpeg},
                                     {QStringLiteral("b"), {600, 800}, Samples::Format::Gif},
                                     {QStringLiteral("c"), {640, 640}, Samples::Format::Bmp}});
        QCOMPARE(m_paths.size(), 3);
    }

    void init() {
        m_config = std::make_unique<QTemporaryDir>();
        IniSettingsStore store(iniPath());
        Samples::writeAlbum(store, m_paths);
        Reglages::ecrire(store, Reglages::wallTemp(), QStringLiteral("/ancien.jpg"));
    }

    void sansArgumentSansFenetre() {
        auto p = start(QString());
        QVERIFY(p->waitForFinished(10000));
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(lumivaneWindows().isEmpty());
        IniSettingsStore store(iniPath());
        QCOMPARE(Reglages::lire(store, Reglages::wallTemp()), QString());
    }

    void pleinEcranPhotoEtTitre() {
        {
            IniSettingsStore store(iniPath());
            Reglages::ecrire(store, Reglages::titre(), QStringLiteral("0"));
        }
        auto p = start(QStringLiteral("/S"));
        const QSize screen = QGuiApplication::primaryScreen()->size();
        QTRY_COMPARE_WITH_TIMEOUT(lumivaneWindows(), QList<QRect>{QRect(QPoint(0, 0), screen)},
                                  10000);
        // The photo fills the middle of the screen; the title is red, at the top.
        QImage shot;
        const auto photoShown = [&] {
            shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            const QRgb centre = shot.pixel(screen.width() / 2, screen.height() / 2);
            return qRed(centre) + qGreen(centre) + qBlue(centre) > 60;
        };
        QTRY_VERIFY_WITH_TIMEOUT(photoShown(), 10000);
        int red = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < screen.width(); ++x) {
                const QRgb c = shot.pixel(x, y);
                red += qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
            }
        QVERIFY2(red > 20, qPrintable(QString::number(red)));
        stop(*p);
    }

    void secondeInstanceLaissePremiere() {
        auto first = start(QStringLiteral("/s"));
        QTRY_COMPARE_WITH_TIMEOUT(lumivaneWindows().size(), 1, 10000);
        {
            // The first instance clears the record just after its window shows.
            IniSettingsStore store(iniPath());
            QTRY_COMPARE_WITH_TIMEOUT(Reglages::lire(store, Reglages::wallTemp()), QString(),
                                      10000);
            Reglages::ecrire(store, Reglages::wallTemp(), QStringLiteral("/pendant.jpg"));
        }
        auto second = start(QStringLiteral("/S"));
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(lumivaneWindows().size(), 1);
        IniSettingsStore store(iniPath());
        QCOMPARE(Reglages::lire(store, Reglages::wallTemp()), QStringLiteral("/pendant.jpg"));
        QCOMPARE(first->state(), QProcess::Running);
        stop(*first);
    }

    // The open dialog counts as an instance: a show started meanwhile ends without a window.
    void showTermineDialogueOuvert() {
        auto dialog = start(QStringLiteral("/c"));
        QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("xdotool"),
                                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                      QStringLiteral("--name"), QStringLiteral("^Lumivane V1.0$")}),
                                 10000);
        auto show = start(QStringLiteral("/S"));
        QVERIFY(show->waitForFinished(10000));
        QCOMPARE(show->exitCode(), 0);
        QVERIFY(lumivaneWindows().isEmpty());
        QCOMPARE(dialog->state(), QProcess::Running);
        stop(*dialog);
    }

    // Another window has the keyboard focus: the show's grab still gets the key.
    void toucheTermine() {
        auto p = start(QStringLiteral("/S"));
        QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("xdotool"),
                                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                      QStringLiteral("--name"), QStringLiteral("^Lumivane$")}),
                                 10000);
        QWidget autre;
        autre.setWindowTitle(QStringLiteral("Autre"));
        autre.resize(100, 100);
        autre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&autre));
        QVERIFY(
            run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                            QString::number(autre.winId())}));
        // Keys sent before the grab holds go to the other window; keep typing until one ends
        // the show. xdotool may complain that the window vanished under it.
        QTRY_VERIFY_WITH_TIMEOUT(
            (run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("space")}),
             p->state() == QProcess::NotRunning),
            10000);
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
        QVERIFY(lumivaneWindows().isEmpty());
    }

    void apercuALaTailleDeLaFenetre_data() {
        QTest::addColumn<bool>("hex");
        QTest::newRow("identifiant décimal") << false;
        QTest::newRow("identifiant hexadécimal") << true;
    }
    void apercuALaTailleDeLaFenetre() {
        QFETCH(bool, hex);
        QWidget pane;
        pane.setWindowTitle(QStringLiteral("Pane"));
        pane.setFixedSize(203, 151);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        const auto id = quint64(pane.winId());
        const QString text =
            hex ? QStringLiteral("0x") + QString::number(id, 16) : QString::number(id);
        auto p = start(QStringLiteral("/p ") + text);
        const QString hexId = QStringLiteral("0x") + QString::number(id, 16);
        QTRY_COMPARE_WITH_TIMEOUT(lumivaneWindows(hexId).size(), 1, 10000);
        QCOMPARE(lumivaneWindows(hexId).first().size(), QSize(203, 151));
        QCOMPARE(p->state(), QProcess::Running);
        // The settings tool closes: its pane goes, and the preview ends by itself.
        pane.windowHandle()->destroy();
        // Waiting with the event loop running sends the request to the X server.
        QTRY_VERIFY_WITH_TIMEOUT(p->state() == QProcess::NotRunning, 10000);
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    }

    void apercuSansFenetreTermine_data() {
        QTest::addColumn<QString>("ligne");
        QTest::newRow("sans nombre") << "/p";
        QTest::newRow("fenêtre inexistante") << "/p 12345";
    }
    void apercuSansFenetreTermine() {
        QFETCH(QString, ligne);
        auto p = start(ligne);
        QVERIFY(p->waitForFinished(10000));
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(lumivaneWindows().isEmpty());
    }
};

QTEST_MAIN(TestStartupE2E)
#include "test_startup_e2e.moc"
