// The idle watcher's rules, with a fake idle source and a fake show; the X11 host's program list.

#include "doubles.h"
#include "platform/idlesource.h"
#include "platform/showlauncher.h"
#include "settings/reglages.h"
#include "startup/ajoutxscreensaver.h"
#include "startup/veille.h"

#include <QTest>

using namespace std::chrono_literals;
using ms = std::chrono::milliseconds;

namespace {

class FausseSource final : public IdleSource {
public:
    ms inactivite{0};
    bool inhibe = false;
    bool surveille = false;
    QString name() const override { return QStringLiteral("fausse"); }
    std::optional<ms> idleTime() override { return inactivite; }
    bool inhibited() override { return inhibe; }
    void watchForActivity() override { surveille = true; }
    void stopWatchingActivity() override { surveille = false; }
};

class FauxSpectacle final : public ShowLauncher {
public:
    int lances = 0;
    bool enCours = false;
    void start() override { lances += !enCours, enCours = true; }
    void stop() override { finir(); }
    bool running() const override { return enCours; }
    void finir() {
        if (std::exchange(enCours, false))
            emit finished();
    }
};

struct FauxHotes final : ScreenSaverHosts {
    bool actif = false;
    bool hostRunning() const override { return actif; }
};

} // namespace

class TestVeille : public QObject {
    Q_OBJECT
private slots:
    void decision_data();
    void decision();
    void cycle();
    void delai_data();
    void delai();
    void programmes_data();
    void programmes();
};

void TestVeille::decision_data() {
    QTest::addColumn<int>("inactivite");
    QTest::addColumn<bool>("inhibee");
    QTest::addColumn<bool>("hote");
    QTest::addColumn<bool>("apres");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("dans"); // -1: any positive wait
    const int lancer = int(ActionVeille::Lancer), attendre = int(ActionVeille::Attendre);
    QTest::newRow("avant le délai") << 4000 << false << false << false << attendre << 6000;
    QTest::newRow("délai atteint") << 10000 << false << false << false << lancer << 0;
    QTest::newRow("inhibée") << 20000 << true << false << false << attendre << -1;
    QTest::newRow("hôte actif") << 20000 << false << true << false << attendre << -1;
    QTest::newRow("après un spectacle")
        << 20000 << false << false << true << int(ActionVeille::AttendreRetour) << 0;
}

void TestVeille::decision() {
    QFETCH(int, inactivite);
    QFETCH(bool, inhibee);
    QFETCH(bool, hote);
    QFETCH(bool, apres);
    QFETCH(int, action);
    QFETCH(int, dans);
    const SuiteVeille s = DeciderVeille({ms(inactivite), 10s, inhibee, hote, apres});
    QCOMPARE(int(s.action), action);
    if (dans >= 0)
        QCOMPARE(s.dans.count(), dans);
    else
        QVERIFY(s.dans > 0ms && s.dans <= 10s);
}

// Idle → show → back → show ends → idle → show again; a show that ends while the user stays
// away is not started again before they come back.
void TestVeille::cycle() {
    FausseSource source;
    FauxSpectacle spectacle;
    FauxHotes hotes;
    Veille veille(source, spectacle, hotes, 10s);
    source.inactivite = 12s;
    veille.examiner();
    QCOMPARE(spectacle.lances, 1);
    QVERIFY(source.surveille);
    veille.examiner(); // never two shows
    QCOMPARE(spectacle.lances, 1);

    source.inactivite = 0ms;
    emit source.userActive();
    QVERIFY(!spectacle.enCours);
    source.inactivite = 11s;
    veille.examiner();
    QCOMPARE(spectacle.lances, 2);

    spectacle.finir(); // failed while the user is away
    veille.examiner();
    QCOMPARE(spectacle.lances, 2);
    QVERIFY(source.surveille);
    source.inactivite = 0ms;
    emit source.userActive();
    source.inactivite = 10s;
    veille.examiner();
    QCOMPARE(spectacle.lances, 3);

    veille.arreter();
    QVERIFY(!spectacle.enCours);
}

void TestVeille::delai_data() {
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<bool>("retenue");
    QTest::newRow("nombre") << "5" << true;
    QTest::newRow("absente") << "" << false;
    QTest::newRow("texte") << "dix" << false;
    QTest::newRow("zéro") << "0" << false;
    QTest::newRow("négative") << "-3" << false;
}

void TestVeille::delai() {
    QFETCH(QString, valeur);
    QFETCH(bool, retenue);
    TempSettingsStore store;
    if (!valeur.isEmpty())
        Reglages::ecrire(store, Reglages::delaiVeille(), valeur);
    const auto attendu = retenue ? std::chrono::seconds(valeur.toInt())
                                 : std::chrono::seconds(Reglages::delaiVeille().defaut.toInt());
    QCOMPARE(DelaiVeille(store).count(), attendu.count());
}

void TestVeille::programmes_data() {
    const QByteArray liste = "programs:\t\t\\\n\t\tmaze --root\t\\n\\\n- GL: \tsproingies --root\t\\n\n";
    const QByteArray defauts = "! comment\n*lock:\tFalse\n*" + liste + "*other:\t1\n";
    const QByteArray autres = "mode:\t\trandom\r\ntimeout:\t0:10:00\n";
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QByteArray>("defauts");
    QTest::addColumn<QByteArray>("debut"); // kept at the file's start
    QTest::newRow("liste de l'utilisateur") << autres + liste + "dpmsEnabled:\tTrue\n" << defauts
                                            << autres;
    QTest::newRow("fichier absent") << QByteArray() << defauts << QByteArray();
    QTest::newRow("fichier sans liste") << autres << defauts << autres;
    QTest::newRow("déjà présent")
        << "programs:\t\\\n\t\"Lumivane\"  /usr/bin/lumivane --root\t\\n\n" << QByteArray()
        << QByteArray("programs:");
}

void TestVeille::programmes() {
    QFETCH(QByteArray, fichier);
    QFETCH(QByteArray, defauts);
    QFETCH(QByteArray, debut);
    const QByteArray une = AjouterAuxProgrammes(fichier, defauts);
    QVERIFY(une.startsWith(debut));
    QCOMPARE(AjouterAuxProgrammes(une, defauts), une); // once however often it runs
    QCOMPARE(une.count("lumivane"), 1);
    QVERIFY(!une.contains("*programs:"));
    // Every line of the user's file is still there, in order.
    QByteArray reste = une;
    for (const QByteArray& ligne : fichier.split('\n')) {
        const qsizetype i = reste.indexOf(ligne);
        QVERIFY2(i >= 0, ligne.constData());
        reste = reste.mid(i + ligne.size());
    }
    // The new entry continues the list: the host reads it as one resource.
    const QList<QByteArray> lignes = une.split('\n');
    const auto entree = std::find_if(lignes.begin(), lignes.end(),
                                     [](const QByteArray& l) { return l.contains("lumivane"); });
    const qsizetype i = entree - lignes.begin();
    QVERIFY(i > 0 && lignes[i - 1].trimmed().endsWith('\\') && lignes[i].trimmed().endsWith('\\'));
}

QTEST_GUILESS_MAIN(TestVeille)
#include "test_veille.moc"
