// The real executable started with no window system at all: what it prints, how it ends.

#include "veille/commandeveille.h"

#include <QFile>
#include <QProcess>
#include <QTest>

class TestLancementE2E : public QObject {
    Q_OBJECT
private slots:
    void sansEcran_data();
    void sansEcran();
};

void TestLancementE2E::sansEcran_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("sortie"); // the start of standard output
    QTest::addColumn<bool>("message");   // one line on standard error
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Utilisation : lumivane" << false;
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "Lumivane 1." << false;
    QTest::newRow("sans argument") << QStringList{} << 0 << "" << false;
    QTest::newRow("argument inconnu") << QStringList{"/X"} << 0 << "" << false;
    QTest::newRow("option inconnue") << QStringList{"--aide"} << 0 << "" << false;
    QTest::newRow("/S") << QStringList{"/S"} << 1 << "" << true;
    QTest::newRow("/c") << QStringList{"/c"} << 1 << "" << true;
    QTest::newRow("/P") << QStringList{"/P", "1234"} << 1 << "" << true;
    QTest::newRow("--root") << QStringList{"--root"} << 1 << "" << true;
    QTest::newRow("--veille on sans source d'inactivité")
        << QStringList{"--veille", "on"} << 1 << "" << true;
}

void TestLancementE2E::sansEcran() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, sortie);
    QFETCH(bool, message);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XSCREENSAVER_WINDOW",
                            "DBUS_SESSION_BUS_ADDRESS"})
        env.remove(QString::fromLatin1(nom));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("LUMIVANE_EXE"), arguments);
    QVERIFY(p.waitForFinished(10000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), code);
    QVERIFY2(sortie.isEmpty() ? out.isEmpty() : out.startsWith(sortie), qPrintable(out));
    if (message) {
        QVERIFY2(err.startsWith(QStringLiteral("lumivane : aucun")), qPrintable(err));
        QCOMPARE(err.count(u'\n'), 1);
        QVERIFY(err.endsWith(u'\n'));
    } else {
        QVERIFY2(err.isEmpty(), qPrintable(err));
    }
    QVERIFY(!QFile::exists(cheminEntreeVeille()));
}

QTEST_GUILESS_MAIN(TestLancementE2E)
#include "test_lancement_e2e.moc"
