#include "vignettes/cachevignettes.h"
#include "vignettes/indexcache.h"

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
    void racine_data();
    void racine();
    void attribuerNoms_data();
    void attribuerNoms();
};

void TestCacheVignettes::convertirNom_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QString>("nom");
    QTest::newRow("lecteur omis") << R"(C:\Photos\Noel\sapin.jpg)"
                                  << "Photos_Noel_sapin.jpg";
    QTest::newRow("racine Linux omise") << "/home/anne/Noel/sapin.jpg"
                                        << "home_anne_Noel_sapin.jpg";
    QTest::newRow("autre lecteur, même nom") << R"(D:\A\B.jpg)"
                                             << "A_B.jpg";
    QTest::newRow("soulignement dans le nom, même nom") << "/A_B.jpg"
                                                        << "A_B.jpg";
    QTest::newRow("la racine seule") << R"(C:\)"
                                     << "";
    QTest::newRow("vide") << ""
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
    QTest::newRow("titre sans blancs autour") << "/home/anne/.cache"
                                              << "  VACANCES "
                                              << "/home/anne/.cache/Lumivane/VACANCES/";
    QTest::newRow("séparateur final gardé une fois") << "/var/cache/"
                                                     << "NOEL"
                                                     << "/var/cache/Lumivane/NOEL/";
    QTest::newRow("titre vide : la racine") << "/c"
                                            << ""
                                            << "/c/Lumivane/";
    QTest::newRow("un titre ne sort pas de la racine") << "/c"
                                                       << ".."
                                                       << "/c/Lumivane/";
    QTest::newRow("ni ne nomme un dossier en dessous") << "/c"
                                                       << "../x"
                                                       << "/c/Lumivane/.._x/";
    QTest::newRow("échec du lecteur : pas de cache") << "Error"
                                                     << "NOEL"
                                                     << "";
    QTest::newRow("pas de dossier des programmes : pas de cache") << ""
                                                                  << "NOEL"
                                                                  << "";
}

void TestCacheVignettes::dossiers() {
    QFETCH(QString, programmes);
    QFETCH(QString, titre);
    QFETCH(QString, album);
    const QString racine = CacheVignettes::racineCache(programmes);
    QCOMPARE(CacheVignettes::dossierAlbum(racine, titre), album);
}

// The root may be a link to a folder of the user's, or hold the user's files: only what the
// cache recorded goes, and nothing is written through a link.
void TestCacheVignettes::racine_data() {
    QTest::addColumn<bool>("racineLien");
    QTest::addColumn<bool>("albumLien");
    QTest::addColumn<bool>("cacheable");
    QTest::addColumn<QStringList>("restants"); // files left where the root leads
    const QStringList autres = {".cachee", "notes.txt", "photo.jpg", "vieux.alb"};
    QTest::newRow("un dossier à soi : ses bitmaps notés partent")
        << false << false << true << autres;
    QTest::newRow("un lien : rien ne part, rien n'est écrit")
        << true << false << false << autres + QStringList{IndexCache::NomFichier, "p_a.jpg"};
    QTest::newRow("dossier d'album en lien : rien n'est écrit") << false << true << false << autres;
}

void TestCacheVignettes::racine() {
    QFETCH(bool, racineLien);
    QFETCH(bool, albumLien);
    QFETCH(bool, cacheable);
    QFETCH(QStringList, restants);
    QTemporaryDir dir;
    QDir base(dir.path());
    QVERIFY(base.mkpath("moi") && base.mkpath("autre"));
    const QString racine = dir.filePath("Lumivane") + '/';
    if (racineLien)
        QVERIFY(QFile::link(dir.filePath("moi"), dir.filePath("Lumivane")));
    else
        QVERIFY(base.rename("moi", "Lumivane"));
    for (const char* nom : {".cachee", "notes.txt", "photo.jpg", "vieux.alb", "p_a.jpg"}) {
        QFile f(racine + nom);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    IndexCache index;
    index.noter("p_a.jpg", Origine{"/p/a.jpg", 1, 2, QSize(3, 4)});
    QVERIFY(index.enregistrer(racine));
    if (albumLien)
        QVERIFY(QFile::link(dir.filePath("autre"), racine + "NOEL"));

    CacheVignettes::nettoyerRacine(racine);

    QStringList presents = QDir(racine).entryList(QDir::Files | QDir::Hidden);
    presents.sort();
    restants.sort();
    QCOMPARE(presents, restants);
    QCOMPARE(CacheVignettes::preparerDossiers(racine, racine + "NOEL/"), cacheable);
    QVERIFY(QDir(dir.filePath("autre")).isEmpty());
}

using Origines = QList<std::pair<QString, QString>>; // cache name, source

void TestCacheVignettes::attribuerNoms_data() {
    QTest::addColumn<Origines>("connues");
    QTest::addColumn<QStringList>("chemins");
    QTest::addColumn<QStringList>("noms");
    QTest::newRow("dossier ou soulignement : le premier garde le nom")
        << Origines{} << QStringList{"/a/b.jpg", "/a_b.jpg"} << QStringList{"a_b.jpg", "a_b~2.jpg"};
    QTest::newRow("deux lecteurs") << Origines{} << QStringList{R"(C:\A\B.jpg)", R"(D:\A\B.jpg)"}
                                   << QStringList{"A_B.jpg", "A_B~2.jpg"};
    QTest::newRow("un nom noté pour une autre photo lui reste")
        << Origines{{"a_b.jpg", "/a_b.jpg"}} << QStringList{"/a/b.jpg", "/a_b.jpg"}
        << QStringList{"a_b~2.jpg", "a_b.jpg"};
    QTest::newRow("noms différant par la casse seule")
        << Origines{} << QStringList{"/A.jpg", "/a.jpg"} << QStringList{"A.jpg", "a~2.jpg"};
    QTest::newRow("une photo donnée deux fois partage son bitmap")
        << Origines{} << QStringList{"/x.jpg", "/x.jpg"} << QStringList{"x.jpg", "x.jpg"};
    QTest::newRow("sans extension")
        << Origines{} << QStringList{"/a/b", "/a_b"} << QStringList{"a_b", "a_b~2"};
    QTest::newRow("le fichier des notes n'est pas celui d'une photo")
        << Origines{} << QStringList{"/.lumivane-origines"} << QStringList{".lumivane-origines~2"};
    QTest::newRow("sans nom, sans bitmap")
        << Origines{} << QStringList{"", "/"} << QStringList{"", ""};
}

void TestCacheVignettes::attribuerNoms() {
    QFETCH(Origines, connues);
    QFETCH(QStringList, chemins);
    QFETCH(QStringList, noms);
    IndexCache index;
    for (const auto& [nom, source] : connues)
        index.noter(nom, Origine{source, 1, 2, QSize(3, 4)});
    QCOMPARE(index.attribuerNoms(chemins), noms);
}

QTEST_GUILESS_MAIN(TestCacheVignettes)
#include "test_cachevignettes.moc"
