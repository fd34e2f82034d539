#include "doubles.h"
#include "settings/reglages.h"

#include <QTest>

class TestReglages : public QObject {
    Q_OBJECT
private slots:
    void cleNumerotee_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("cle");
        QTest::newRow("première photo") << "Fichier" << 0 << "Fichier 0";
        QTest::newRow("dixième photo") << "Fichier" << 9 << "Fichier 9";
        QTest::newRow("onzième photo") << "Fichier" << 10 << "Fichier 10";
        QTest::newRow("dimanche") << "Wall" << 0 << "Wall 0";
        QTest::newRow("samedi") << "Wall" << 6 << "Wall 6";
        QTest::newRow("négatif garde son signe") << "Wall" << -1 << "Wall-1";
    }
    void cleNumerotee() {
        QFETCH(QString, nom);
        QFETCH(int, n);
        QFETCH(QString, cle);
        QCOMPARE(Reglages::cleNumerotee(nom, n), cle);
    }

    // What an empty store reads as, on each side.
    void defauts() {
        TestServices t;
        using namespace Reglages;
        QCOMPARE(lire(t.settings, titre()), QStringLiteral("1"));
        QCOMPARE(lire(t.settings, position()), QStringLiteral("0"));
        QCOMPARE(lire(t.settings, vitesseAffichage()), QStringLiteral("0"));
        QCOMPARE(lire(t.settings, vitesseDialogue()), QStringLiteral("7"));
        QCOMPARE(vitesseAffichage().cle, QStringLiteral("Combo 0"));
        QCOMPARE(lire(t.settings, album()), QString());
        QCOMPARE(lire(t.settings, fichier(0)), QString());
        QCOMPARE(lire(t.settings, wall(3)), QString());
    }

    void operationsDuStockage() {
        TestServices t;
        using namespace Reglages;
        ecrire(t.settings, fichier(0), QStringLiteral("/photos/a.jpg"));
        ecrire(t.settings, fichier(1), QStringLiteral("/photos/b é.jpg"));
        ecrire(t.settings, wall(1), QStringLiteral("/photos/lundi.jpg"));
        QCOMPARE(lire(t.settings, fichier(1)), QStringLiteral("/photos/b é.jpg"));
        effacerSection(t.settings, Section::ListeDeFichiers);
        QCOMPARE(lire(t.settings, fichier(0)), QString());
        QCOMPARE(lire(t.settings, wall(1)), QStringLiteral("/photos/lundi.jpg"));
        effacer(t.settings, wall(1));
        effacer(t.settings, wall(1)); // absent: nothing happens
        effacerSection(t.settings, QStringLiteral("Absente"));
        QCOMPARE(lire(t.settings, wall(1)), QString());
    }

    void vautZero_data() {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<bool>("zero");
        QTest::newRow("0") << "0" << true;
        QTest::newRow("blancs autour de 0") << " 0 " << true;
        QTest::newRow("0.0") << "0.0" << true;
        QTest::newRow("1") << "1" << false;
        QTest::newRow("2") << "2" << false;
        QTest::newRow("vide") << "" << false;
        QTest::newRow("texte") << "oui" << false;
    }
    void vautZero() {
        QFETCH(QString, valeur);
        QFETCH(bool, zero);
        QCOMPARE(Reglages::vautZero(valeur), zero);
    }
};

QTEST_GUILESS_MAIN(TestReglages)
#include "test_reglages.moc"
