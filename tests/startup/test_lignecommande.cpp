// The command-line rules: the mode a command line asks for and the preview window it names.
#include "startup/lignecommande.h"

#include <QTest>

class TestLigneCommande : public QObject {
    Q_OBJECT

private slots:
    void modeDe_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<QString>("mode");
        QTest::newRow("/s") << "/s"
                            << "/S";
        QTest::newRow("/S") << "/S"
                            << "/S";
        QTest::newRow("/s 99") << "/s 99"
                               << "/S";
        QTest::newRow("blanc en tête") << " /S 123"
                                       << "/S";
        QTest::newRow("/c:1234") << " /c:1234"
                                 << "/C";
        QTest::newRow("/p 1234") << "/p 1234"
                                 << "/P";
        QTest::newRow("vide") << ""
                              << "";
        QTest::newRow("un caractère") << "/"
                                      << "/";
        QTest::newRow("blanc en second") << "a b"
                                         << "A";
        QTest::newRow("inconnu") << "-x"
                                 << "-X";
    }
    void modeDe() {
        QFETCH(QString, ligne);
        QFETCH(QString, mode);
        QCOMPARE(::modeDe(ligne), mode);
    }

    void fenetreApercu_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<qulonglong>("fenetre"); // 0: none
        QTest::newRow("décimal") << "/p 1234" << 1234ull;
        QTest::newRow("deux-points") << "/p:1234" << 1234ull;
        QTest::newRow("hexadécimal") << "/P 0x1a00003" << 0x1a00003ull;
        QTest::newRow("hexadécimal en capitales") << "/P 0X1A" << 0x1aull;
        QTest::newRow("texte à la suite") << "/p 77abc" << 77ull;
        QTest::newRow("plusieurs blancs") << "/p    42" << 42ull;
        QTest::newRow("sans nombre") << "/p" << 0ull;
        QTest::newRow("texte") << "/p abc" << 0ull;
        QTest::newRow("zéro") << "/p 0" << 0ull;
        QTest::newRow("0x seul") << "/p 0x" << 0ull;
    }
    void fenetreApercu() {
        QFETCH(QString, ligne);
        QFETCH(qulonglong, fenetre);
        const auto f = ::fenetreApercu(ligne);
        QCOMPARE(f.has_value(), fenetre != 0);
        if (f)
            QCOMPARE(qulonglong(*f), fenetre);
    }
};

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "test_lignecommande.moc"
