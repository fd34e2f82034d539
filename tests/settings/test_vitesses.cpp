// The transition speeds: the table's shape, and how the show and the dialog read a stored index.

#include "settings/vitesses.h"

#include <QTest>

class TestVitesses : public QObject {
    Q_OBJECT
private slots:
    // Slower speeds take longer; what each side writes it reads back; both defaults are speeds.
    void table() {
        QCOMPARE(Vitesses::libelles().size(), Vitesses::nombre());
        for (int i = 0; i < Vitesses::nombre(); ++i) {
            QVERIFY(i == 0 || Vitesses::dureeMs(i) > Vitesses::dureeMs(i - 1));
            QCOMPARE(Vitesses::dureeTransition(QString::number(i)), Vitesses::dureeMs(i));
            QCOMPARE(Vitesses::indexDialogue(QString::number(i)), i);
        }
        for (const int d : {Vitesses::DefautAffichage, Vitesses::DefautDialogue})
            QVERIFY(d >= 0 && d < Vitesses::nombre());
    }

    void lecture_data() {
        QTest::addColumn<QString>("stocke");
        QTest::addColumn<int>("indexAffichage"); // -1: no transition
        QTest::addColumn<int>("indexDialogue");  // -1: the dialog's default
        QTest::newRow("blancs") << " 3 " << 3 << 3;
        QTest::newRow("2.5 arrondi pair") << "2.5" << 2 << -1;
        QTest::newRow("3.5 arrondi pair") << "3.5" << 4 << -1;
        QTest::newRow("après la dernière") << QString::number(Vitesses::nombre()) << -1 << -1;
        QTest::newRow("-1") << "-1" << -1 << -1;
        QTest::newRow("vide") << "" << -1 << -1;
        QTest::newRow("texte") << "lente" << -1 << -1;
        QTest::newRow("nan") << "nan" << -1 << -1;
    }
    void lecture() {
        QFETCH(QString, stocke);
        QFETCH(int, indexAffichage);
        QFETCH(int, indexDialogue);
        QCOMPARE(Vitesses::dureeTransition(stocke),
                 indexAffichage < 0 ? 0 : Vitesses::dureeMs(indexAffichage));
        QCOMPARE(Vitesses::indexDialogue(stocke),
                 indexDialogue < 0 ? Vitesses::DefautDialogue : indexDialogue);
    }
};

QTEST_GUILESS_MAIN(TestVitesses)
#include "test_vitesses.moc"
