// The idle watcher's rules (its whole run: test_veille_e2e), what the dialog's idle group says of
// the desktop's own delay; the X11 host's program list.

#include "fichiers.h"
#include "hote/ajoutxscreensaver.h"
#include "platform/writewholefile.h"
#include "veille/avisveille.h"
#include "veille/childshowlauncher.h"
#include "veille/commandeveille.h"
#include "veille/procscreensaverhosts.h"
#include "veille/veille.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;
using ms = std::chrono::milliseconds;

class TestVeille : public QObject {
    Q_OBJECT
private slots:
    void decision_data();
    void decision();
    void delai_data();
    void delai();
    void avisBureau_data();
    void avisBureau();
    void hote();
    void programmes_data();
    void programmes();
    void listeReecrite_data() {
        const QByteArray notre = "\t\t\t\t\"Lumivane\"  lumivane --root\t\t\t\t    \\n\\\n";
        const QByteArray autre = "programs:\t\\\n\t/lumivane/xv -root \\n\\\n\txv lumivane \\n\n";
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("une ligne") << QByteArray("programs:\tmaze \\n xv\n")
                                   << "programs:\t\t\\\n" + notre + "\t\tmaze \\n xv\n";
        QTest::newRow("vide") << QByteArray("programs:\nmode:\tblank\n")
                              << "programs:\t\t\\\n" + notre.chopped(2) + "\nmode:\tblank\n";
        QTest::newRow("lumivane dans un chemin") << autre << QByteArray(autre).insert(12, notre);
        QTest::newRow("désactivée") << QByteArray("programs:  maze \\n -  GL: /bin/lumivane -r\n")
                                    << QByteArray("programs:  maze \\n   GL: /bin/lumivane -r\n");
    }
    void listeReecrite() {
        QFETCH(QByteArray, fichier);
        QFETCH(QByteArray, attendu);
        QCOMPARE(ajouterAuxProgrammes(fichier, {}), attendu);
    }
    void argumentExec_data() {
        QTest::addColumn<QStringList>("cas"); // the path, its Exec= argument (empty: refused)
        QTest::newRow("pour cent, point-virgule") << QStringList{"/a;b&c%/lv", "\"/a;b&c%%/lv\""};
        QTest::newRow("échappés") << QStringList{"/a\"$`\\b/lv",
                                                 "\"/a\\\\\"\\\\$\\\\`\\\\\\\\b/lv\""};
        QTest::newRow("saut de ligne") << QStringList{"/a\nHidden=true\n/lv", ""};
    }
    void argumentExec() {
        QFETCH(QStringList, cas);
        QCOMPARE(::argumentExec(cas[0]).value_or(QString()), cas[1]);
    }
    // Cut short as on a full disk: a large write in part, a small one at the buffer's flush.
    void ecritureCoupee_data() {
        QTest::addColumn<int>("taille");
        QTest::addColumn<int>("limite");
        QTest::newRow("grande") << 200'000 << 100'000;
        QTest::newRow("petite") << 1'000 << 100;
    }
    void ecritureCoupee() {
        QFETCH(int, taille);
        QFETCH(int, limite);
        const QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("fichier"));
        QVERIFY(writeWholeFile(chemin, "ancien").isEmpty());
        const auto remplacer = [&] { return writeWholeFile(chemin, QByteArray(taille, 'x')); };
        QVERIFY(!limiteEcriture(limite, remplacer).isEmpty());
        QCOMPARE(contenu(chemin), QByteArray("ancien"));
    }
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
    const SuiteVeille s = deciderVeille({ms(inactivite), 10s, inhibee, hote, apres});
    QCOMPARE(int(s.action), action);
    if (dans >= 0)
        QCOMPARE(s.dans.count(), dans);
    else
        QVERIFY(s.dans > 0ms && s.dans <= 10s);
}

void TestVeille::delai_data() {
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<qlonglong>("secondes");
    const qlonglong plafond = delaiVeilleMaximal.count();
    QTest::newRow("jamais (2^63 - 1)") << "9223372036854775807" << plafond;
    QTest::newRow("au-delà de 64 bits") << "18446744073709551616" << plafond;
    QTest::newRow("millisecondes hors de 64 bits") << "18446744073709552" << plafond;
    QTest::newRow("minuteur hors de 32 bits") << "2147484" << 2147484LL;
}

void TestVeille::delai() {
    QFETCH(QString, valeur);
    QFETCH(qlonglong, secondes);
    const ms delai = delaiVeille(valeur);
    QCOMPARE(qlonglong(delai / 1s), secondes);
    QVERIFY(deciderVeille({0ms, delai}).dans.count() <= std::numeric_limits<int>::max());
}

using Bureau = std::optional<DesktopIdleAction>;

void TestVeille::avisBureau_data() {
    QTest::addColumn<Bureau>("bureau");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("alerte");
    QTest::newRow("verrou avant le diaporama")
        << Bureau({5min, true})
        << "L'écran se verrouille après 5 min : choisissez un délai plus court" << true;
    QTest::newRow("extinction au même moment")
        << Bureau({10min, false})
        << "L'écran s'éteint après 10 min : choisissez un délai plus court" << true;
    QTest::newRow("verrou après, minutes et secondes")
        << Bureau({15min + 30s, true}) << "Le bureau verrouille l'écran après 15 min 30 s."
        << false;
    QTest::newRow("délai du bureau inconnu") << Bureau() << QString() << false;
}

// The show's delay is 10 minutes.
void TestVeille::avisBureau() {
    QFETCH(Bureau, bureau);
    const AvisBureau avis = avisDelaiBureau(bureau, 10min);
    QTEST(avis.texte, "texte");
    QTEST(avis.alerte, "alerte");
}

void TestVeille::hote() {
    // Longer than the 15 characters the kernel keeps of a process's name.
    const QTemporaryDir dossier;
    const QString nom = dossier.filePath(QStringLiteral("mate-screensaver"));
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), nom));
    qputenv("DISPLAY", ":71");
    QVERIFY(!ProcScreenSaverHosts().hostRunning());
    QProcess hote;
    hote.start(nom, {QStringLiteral("30")});
    QVERIFY(hote.waitForStarted());
    QVERIFY(ProcScreenSaverHosts().hostRunning());
    hote.kill();
    hote.waitForFinished();
}

void TestVeille::programmes_data() {
    const QByteArray liste =
        "programs:\t\t\\\n\t\tmaze --root\t\\n\\\n- GL: \tsproingies --root\t\\n\n";
    const QByteArray autres = "mode:\t\trandom\r\ntimeout:\t0:10:00\n";
    QTest::addColumn<QByteArray>("fichier");
    QTest::addColumn<QByteArray>("defauts");
    const QByteArray defauts = "! comment\n*lock:\tFalse\n*" + liste + "*other:\t1\n";
    QTest::newRow("liste de l'utilisateur") << autres + liste + "dpmsEnabled:\tTrue\n" << defauts;
    QTest::newRow("fichier absent") << QByteArray() << defauts;
    QTest::newRow("fichier sans liste") << autres << defauts;
    QTest::newRow("déjà présent")
        << QByteArray("programs:\t\\\n\t\"Lumivane\"  /usr/bin/lumivane --root\t\\n\n")
        << QByteArray();
}

void TestVeille::programmes() {
    QFETCH(QByteArray, fichier);
    QFETCH(QByteArray, defauts);
    const QByteArray une = ajouterAuxProgrammes(fichier, defauts);
    QCOMPARE(ajouterAuxProgrammes(une, defauts), une); // once however often it runs
    QCOMPARE(une.count("lumivane"), 1);
    QVERIFY(!une.contains("*programs:"));
    // The entry continues the list, the host reads it as one resource; the user's lines stay.
    QList<QByteArray> lignes = une.split('\n');
    const qsizetype i = std::find_if(lignes.begin(), lignes.end(),
                                     [](const QByteArray& l) { return l.contains("lumivane"); }) -
                        lignes.begin();
    if (!fichier.contains("lumivane")) {
        QVERIFY(i > 0 && lignes[i - 1].trimmed().endsWith('\\') &&
                lignes[i].trimmed().endsWith('\\'));
        lignes.removeAt(i);
    }
    QVERIFY(lignes.join('\n').startsWith(fichier));
}

QTEST_GUILESS_MAIN(TestVeille)
#include "test_veille.moc"
