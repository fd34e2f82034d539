#include "browser/cachevignettes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCacheVignettes : public QObject {
    Q_OBJECT
private slots:
    void convertirNom_data();
    void convertirNom();
    void dossiers_data();
    void dossiers();
    void nettoyerRacine();
    void attribuerNoms_data();
    void attribuerNoms();
};

void TestCacheVignettes::convertirNom_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("nom");
    QTest::newRow("drive left out") << R"(C:\Photos\Noel\sapin.jpg)"
                                    << "Photos_Noel_sapin.jpg";
    QTest::newRow("Linux root left out") << "/home/anne/Noel/sapin.jpg"
                                         << "home_anne_Noel_sapin.jpg";
    QTest::newRow("other drive, same name") << R"(D:\A\B.jpg)"
                                            << "A_B.jpg";
    QTest::newRow("underscore in the name, same name") << "/A_B.jpg"
                                                       << "A_B.jpg";
    QTest::newRow("the root alone") << R"(C:\)"
                                    << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCacheVignettes::convertirNom() {
    QFETCH(QString, fichier);
    QFETCH(QString, nom);
    QCOMPARE(CacheVignettes::ConvertirNom(fichier), nom);
}

void TestCacheVignettes::dossiers_data() {
    QTest::addColumn<QString>("programmes");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("album");
    QTest::newRow("title trimmed") << "/home/anne/.cache"
                                   << "  VACANCES "
                                   << "/home/anne/.cache/Lumivane/VACANCES/";
    QTest::newRow("final separator kept once") << "/var/cache/"
                                               << "NOEL"
                                               << "/var/cache/Lumivane/NOEL/";
    QTest::newRow("empty title: the root") << "/c"
                                           << ""
                                           << "/c/Lumivane/";
    QTest::newRow("a title cannot climb out") << "/c"
                                              << ".."
                                              << "/c/Lumivane/";
    QTest::newRow("nor name a folder below") << "/c"
                                             << "../x"
                                             << "/c/Lumivane/.._x/";
    QTest::newRow("reader's failure: no cache") << "Error"
                                                << "NOEL"
                                                << "";
    QTest::newRow("no programs folder: no cache") << ""
                                                  << "NOEL"
                                                  << "";
}

void TestCacheVignettes::dossiers() {
    QFETCH(QString, programmes);
    QFETCH(QString, titre);
    QFETCH(QString, album);
    const QString racine = CacheVignettes::RacineCache(programmes);
    QCOMPARE(CacheVignettes::DossierAlbum(racine, titre), album);
}

void TestCacheVignettes::nettoyerRacine() {
    QTemporaryDir dir;
    QDir racine(dir.path());
    const QStringList gardes = {"a.alb", "B.ALB", "c.Alb"};
    for (const QString& nom : gardes + QStringList{"d.bmp", "e.albx", "alb"}) {
        QFile f(racine.filePath(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(racine.mkpath("NOEL"));
    QFile dedans(racine.filePath("NOEL/x.jpg"));
    QVERIFY(dedans.open(QIODevice::WriteOnly));
    dedans.close();

    CacheVignettes::NettoyerRacine(dir.path() + '/');

    QCOMPARE(racine.entryList(QDir::Files, QDir::Name), QStringList({"B.ALB", "a.alb", "c.Alb"}));
    QVERIFY(QFile::exists(racine.filePath("NOEL/x.jpg")));
}

using Origines = QList<std::pair<QString, QString>>; // cache name, source

void TestCacheVignettes::attribuerNoms_data() {
    QTest::addColumn<Origines>("connues");
    QTest::addColumn<QStringList>("chemins");
    QTest::addColumn<QStringList>("noms");
    QTest::newRow("folder or underscore: the first keeps the name")
        << Origines{} << QStringList{"/a/b.jpg", "/a_b.jpg"} << QStringList{"a_b.jpg", "a_b~2.jpg"};
    QTest::newRow("two drives") << Origines{} << QStringList{R"(C:\A\B.jpg)", R"(D:\A\B.jpg)"}
                                << QStringList{"A_B.jpg", "A_B~2.jpg"};
    QTest::newRow("a name recorded for another photo stays its own")
        << Origines{{"a_b.jpg", "/a_b.jpg"}} << QStringList{"/a/b.jpg", "/a_b.jpg"}
        << QStringList{"a_b~2.jpg", "a_b.jpg"};
    QTest::newRow("names differing in case only")
        << Origines{} << QStringList{"/A.jpg", "/a.jpg"} << QStringList{"A.jpg", "a~2.jpg"};
    QTest::newRow("a photo given twice shares its bitmap")
        << Origines{} << QStringList{"/x.jpg", "/x.jpg"} << QStringList{"x.jpg", "x.jpg"};
    QTest::newRow("without extension")
        << Origines{} << QStringList{"/a/b", "/a_b"} << QStringList{"a_b", "a_b~2"};
    QTest::newRow("the records' own file is not a photo's")
        << Origines{} << QStringList{"/.lumivane-origines"} << QStringList{".lumivane-origines~2"};
    QTest::newRow("no name, no bitmap")
        << Origines{} << QStringList{"", "/"} << QStringList{"", ""};
}

void TestCacheVignettes::attribuerNoms() {
    QFETCH(Origines, connues);
    QFETCH(QStringList, chemins);
    QFETCH(QStringList, noms);
    IndexCache index;
    for (const auto& [nom, source] : connues)
        index.noter(nom, Origine{source, 1, 2, QSize(3, 4)});
    QCOMPARE(index.AttribuerNoms(chemins), noms);
}

QTEST_GUILESS_MAIN(TestCacheVignettes)
#include "test_cachevignettes.moc"
