#include "album/miroir.h"
#include "doubles.h"
#include "settings/reglages.h"

#include <QTest>

class TestListePhotos : public QObject {
    Q_OBJECT
private slots:
    void charger_data() {
        QTest::addColumn<QStringList>("stockees"); // value of "Fichier i"; "-" leaves the key out
        QTest::addColumn<QStringList>("liste");
        QTest::newRow("réglages vides") << QStringList() << QStringList();
        QTest::newRow("trois") << QStringList{"a", "b", "c"} << QStringList{"a", "b", "c"};
        QTest::newRow("un trou cache la suite")
            << QStringList{"a", "b", "c", "-", "e"} << QStringList{"a", "b", "c"};
        QTest::newRow("une valeur vide termine") << QStringList{"a", "", "c"} << QStringList{"a"};
        QTest::newRow("des blancs sont une photo")
            << QStringList{"  ", "b"} << QStringList{"  ", "b"};
        QTest::newRow("gardée telle qu'enregistrée")
            << QStringList{" a ", "a", " a "} << QStringList{" a ", "a", " a "};
        // Long lists are read in lots: none may be lost or repeated at their seams.
        QStringList longue;
        for (int i = 0; i < 500; ++i)
            longue << QString::number(i);
        QTest::newRow("sur plusieurs lots") << longue << longue;
    }
    void charger() {
        QFETCH(QStringList, stockees);
        QFETCH(QStringList, liste);
        TestServices t;
        for (int i = 0; i < stockees.size(); ++i)
            if (stockees[i] != QStringLiteral("-"))
                Reglages::ecrire(t.settings, Reglages::fichier(i), stockees[i]);
        QCOMPARE(ChargerPhotos(t.settings), liste);
    }
};

QTEST_GUILESS_MAIN(TestListePhotos)
#include "test_listephotos.moc"
