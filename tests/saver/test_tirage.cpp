// The show's round: every photo once per round, never twice in a row, taken up again by the
// next show of the same album.

#include "doubles.h"
#include "saver/fichiertirages.h"
#include "saver/tirage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

class TestTirage : public QObject {
    Q_OBJECT
private slots:
    void tours_data();
    void tours();
    void reprise_data();
    void reprise();
    void dossierEtat_data();
    void dossierEtat();
};

void TestTirage::tours_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("album vide") << 0;
    QTest::newRow("une photo") << 1;
    QTest::newRow("deux photos") << 2;
    QTest::newRow("trois photos") << 3;
    QTest::newRow("dix photos") << 10;
}

// With the seeded generator: each round shows every photo once, and across the rounds' seams
// no photo comes twice in a row.
void TestTirage::tours() {
    QFETCH(int, n);
    ScriptedRandom hasard;
    Tirage t(n, Tirage::empreinte({}), hasard);
    qint16 precedente = 0;
    for (int tour = 0; tour < 60; ++tour) {
        QList<qint16> vues;
        for (int i = 0; i < std::max(n, 1); ++i) {
            const qint16 k = t.prochaine();
            QCOMPARE(t.prochaine(), k); // asking again does not move on
            t.montree();
            if (n >= 2)
                QVERIFY2(k != precedente, "the same photo twice in a row");
            precedente = k;
            vues << k;
        }
        std::sort(vues.begin(), vues.end());
        QList<qint16> toutes;
        for (int i = 1; i <= std::max(n, 1); ++i)
            toutes << qint16(i);
        QCOMPARE(vues, toutes);
    }
}

void TestTirage::reprise_data() {
    QTest::addColumn<QStringList>("album");  // the next show's album
    QTest::addColumn<QByteArray>("contenu"); // the file as the next show finds it; "" as written
    QTest::addColumn<bool>("reprend");
    const QStringList album{"a", "b", "c", "d", "e", "f", "g"};
    QTest::newRow("meme album: le tour continue") << album << QByteArray() << true;
    QStringList change = album;
    change[3] = QStringLiteral("autre");
    QTest::newRow("une photo changee: nouveau tour") << change << QByteArray() << false;
    QTest::newRow("fichier illisible: nouveau tour") << album << QByteArray("{\"ecran") << false;
}

// A show stops after 4 of its round's 7 photos; the next one either goes on with the 5th (the
// same order) or draws a round of its own.
void TestTirage::reprise() {
    QFETCH(QStringList, album);
    QFETCH(QByteArray, contenu);
    QFETCH(bool, reprend);
    const QStringList premier{"a", "b", "c", "d", "e", "f", "g"};
    QTemporaryDir dossier;
    const QString fichier = FichierTirages::fichier(dossier.filePath(QStringLiteral("etat")));
    ScriptedRandom hasard;
    Tirage avant(int(premier.size()), Tirage::empreinte(premier), hasard);
    for (int i = 0; i < 4; ++i) {
        avant.prochaine();
        avant.montree();
    }
    QVERIFY(FichierTirages::ecrire(fichier, QStringLiteral("ecran"), avant.etat()));
    // Another show's entry is kept beside it.
    QVERIFY(FichierTirages::ecrire(fichier, QStringLiteral("apercu"), Tirage::Etat{"z", 1}));
    if (!contenu.isEmpty()) {
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contenu);
    } else {
        QCOMPARE(FichierTirages::lire(fichier, QStringLiteral("apercu"))->album, "z");
    }

    ScriptedRandom autre;
    autre.values = {0.25f, 0.75f};
    Tirage apres(int(album.size()), Tirage::empreinte(album), autre,
                 FichierTirages::lire(fichier, QStringLiteral("ecran")));
    const qint16 k = apres.prochaine();
    QCOMPARE(apres.etat().montrees, reprend ? 4 : 0);
    if (reprend)
        QCOMPARE(k, avant.prochaine());
    else
        QCOMPARE(apres.etat().album, Tirage::empreinte(album));
}

void TestTirage::dossierEtat_data() {
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("dossier");
    QTest::newRow("chemin absolu") << "/var/etat/"
                                   << "/var/etat/Lumivane";
    QTest::newRow("non definie") << QString() << "/home/u/.local/state/Lumivane";
    QTest::newRow("relative: ignoree") << "etat"
                                       << "/home/u/.local/state/Lumivane";
}

void TestTirage::dossierEtat() {
    QFETCH(QString, variable);
    QFETCH(QString, dossier);
    QCOMPARE(FichierTirages::dossierEtat(variable, QStringLiteral("/home/u")), dossier);
}

QTEST_GUILESS_MAIN(TestTirage)
#include "test_tirage.moc"
