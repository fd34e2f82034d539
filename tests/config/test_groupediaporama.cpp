// The show's further options in the dialog: each choice is stored at once, and shown again.

#include "config/groupediaporama.h"
#include "doubles.h"

#include <QAbstractButton>
#include <QTest>

class TestGroupeDiaporama : public QObject {
    Q_OBJECT
private slots:
    void choix_data() {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("nom du fichier") << "Legende1"
                                        << "Legende"
                                        << "1";
        QTest::newRow("date") << "Legende2"
                              << "Legende"
                              << "2";
        QTest::newRow("fond flou") << "FondFlou"
                                   << "FondFlou"
                                   << "1";
        QTest::newRow("mouvement") << "Mouvement"
                                   << "Mouvement"
                                   << "1";
        QTest::newRow("sans OpenGL") << "Dessin2"
                                     << "Dessin"
                                     << "2";
    }
    void choix() {
        QFETCH(QString, controle);
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        TestServices t;
        {
            GroupeDiaporama groupe(t.settings, t.prompts);
            auto* bouton = groupe.findChild<QAbstractButton*>(controle);
            QVERIFY(bouton && !bouton->isChecked());
            bouton->click();
            QCOMPARE(t.settings.read(QStringLiteral("Param"), cle), valeur);
        }
        GroupeDiaporama rouvert(t.settings, t.prompts);
        QVERIFY(rouvert.findChild<QAbstractButton*>(controle)->isChecked());
    }
};

QTEST_MAIN(TestGroupeDiaporama)
#include "test_groupediaporama.moc"
