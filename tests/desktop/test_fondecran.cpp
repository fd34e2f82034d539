// The wallpaper of the day: the check of every tick and the bitmap it hands to the desktop.

#include "bancss.h"
#include "desktop/fondecran.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QtEndian>

namespace {

struct EnteteBmp {
    QByteArray signature;
    quint32 tailleFichier = 0, debutPixels = 0, compression = 0;
    qint32 largeur = 0, hauteur = 0;
    quint16 bits = 0;
};

EnteteBmp lireEntete(const QString& chemin) {
    QFile f(chemin);
    EnteteBmp e;
    if (!f.open(QIODevice::ReadOnly))
        return e;
    const QByteArray d = f.read(54);
    if (d.size() < 54)
        return e;
    const auto* u = reinterpret_cast<const uchar*>(d.constData());
    e.signature = d.left(2);
    e.tailleFichier = qFromLittleEndian<quint32>(u + 2);
    e.debutPixels = qFromLittleEndian<quint32>(u + 10);
    e.largeur = qFromLittleEndian<qint32>(u + 18);
    e.hauteur = qFromLittleEndian<qint32>(u + 22);
    e.bits = qFromLittleEndian<quint16>(u + 28);
    e.compression = qFromLittleEndian<quint32>(u + 30);
    return e;
}

QString jpeg(BancSS& b, const QString& nom, const QSize& taille = QSize(120, 80)) {
    const QString chemin = b.dossier.filePath(nom);
    Samples::write(Samples::paint(taille, 3), chemin, Samples::Format::Jpeg);
    return chemin;
}

void fixerJour(BancSS& b, const QString& chemin) {
    Reglages::ecrire(b.ts.settings, Reglages::wall(b.ts.clock.weekdayFromSunday() - 1), chemin);
}

} // namespace

class TestFondEcran : public QObject {
    Q_OBJECT
private slots:
    void appliqueAuPremierTicPuisPlus();
    void apresMinuit_data();
    void apresMinuit();
    void rienSansImageDuJour_data();
    void rienSansImageDuJour();
    void bmp24Bits_data();
    void bmp24Bits();
    void auPlusLaTailleDeLEcran_data();
    void auPlusLaTailleDeLEcran();
    void auPlusLaTailleDuPlusGrandEcranAuTic();
    void dossierProgrammeNonInscriptible();
    void imageIllisibleNArretePasLeDiaporama();
    void bureauQuiRefuse();
    void cheminDans_data();
    void cheminDans();
    void dossierSecoursRelatifIgnore();
};

void TestFondEcran::appliqueAuPremierTicPuisPlus() {
    BancSS b;
    const QString lundi = jpeg(b, QStringLiteral("lundi.jpg"));
    // The fixed clock says Monday: day 2, key "Wall 1".
    QCOMPARE(b.ts.clock.weekdayFromSunday(), 2);
    Reglages::ecrire(b.ts.settings, Reglages::wall(1), lundi);
    Reglages::ecrire(b.ts.settings, Reglages::wall(2), jpeg(b, QStringLiteral("mardi.jpg")));
    SS& ss = b.demarrer(b.photos(2));
    QVERIFY(b.ts.wallpaper.given.isEmpty());
    QVERIFY(b.tic());
    const QString bitmap = b.dossier.filePath(QStringLiteral("LMV.bmp"));
    QCOMPARE(b.ts.wallpaper.given, QStringList{b.dossier.filePath(QStringLiteral("LMV-1.bmp"))});
    QCOMPARE(ss.tag(), bitmap);
    QCOMPARE(Reglages::lire(b.ts.settings, Reglages::wallTemp()), lundi);
    for (int i = 0; i < 3; ++i)
        QVERIFY(b.tic());
    QCOMPARE(b.ts.wallpaper.given.size(), 1);
}

void TestFondEcran::apresMinuit_data() {
    QTest::addColumn<bool>("imageLeLendemain");
    QTest::newRow("autre image le mardi") << true;
    QTest::newRow("pas d'image le mardi") << false;
}

void TestFondEcran::apresMinuit() {
    QFETCH(bool, imageLeLendemain);
    BancSS b;
    b.ts.clock.at = QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59));
    const QString lundi = jpeg(b, QStringLiteral("lundi.jpg"));
    const QString mardi = jpeg(b, QStringLiteral("mardi.jpg"), QSize(60, 90));
    Reglages::ecrire(b.ts.settings, Reglages::wall(1), lundi);
    if (imageLeLendemain)
        Reglages::ecrire(b.ts.settings, Reglages::wall(2), mardi);
    b.demarrer(b.photos(2));
    QVERIFY(b.tic());
    QCOMPARE(b.ts.wallpaper.given.size(), 1);
    b.ts.clock.at = b.ts.clock.at.addSecs(1);
    QVERIFY(b.tic());
    QVERIFY(b.tic());
    const QString bitmap = b.dossier.filePath(QStringLiteral("LMV.bmp"));
    if (imageLeLendemain) {
        const QStringList& remis = b.ts.wallpaper.given;
        QVERIFY(remis.size() == 2 && remis[0] != remis[1] && !QFile::exists(remis[0]));
        QCOMPARE(QImage(remis[1]).size(), QSize(60, 90));
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::wallTemp()), mardi);
        const EnteteBmp e = lireEntete(bitmap);
        QCOMPARE(QSize(e.largeur, e.hauteur), QSize(60, 90));
    } else {
        QCOMPARE(b.ts.wallpaper.given.size(), 1);
        QCOMPARE(Reglages::lire(b.ts.settings, Reglages::wallTemp()), lundi);
    }
}

void TestFondEcran::rienSansImageDuJour_data() {
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<bool>("photos");
    QTest::addColumn<bool>("fondDuJour");
    QTest::newRow("absente") << QString() << true << true;
    QTest::newRow("vide") << "" << true << true;
    QTest::newRow("blancs") << "   " << true << true;
    QTest::newRow("liste de photos vide") << "image" << false << true;
    // With several screens, only the show of the first applies the wallpaper.
    QTest::newRow("spectacle d'un autre écran") << "image" << true << false;
}

void TestFondEcran::rienSansImageDuJour() {
    QFETCH(QString, valeur);
    QFETCH(bool, photos);
    QFETCH(bool, fondDuJour);
    BancSS b;
    if (valeur == u"image")
        valeur = jpeg(b, QStringLiteral("jour.jpg"));
    if (!valeur.isNull())
        fixerJour(b, valeur);
    SS& ss = b.demarrer(photos ? b.photos(2) : QStringList());
    if (!fondDuJour)
        ss.autreEcran();
    QVERIFY(b.tic());
    QVERIFY(b.tic());
    QVERIFY(b.ts.wallpaper.given.isEmpty());
    QVERIFY(ss.tag().isEmpty());
    QVERIFY(!QFile::exists(b.dossier.filePath(QStringLiteral("LMV.bmp"))));
    QCOMPARE(Reglages::lire(b.ts.settings, Reglages::wallTemp()), QString());
}

void TestFondEcran::bmp24Bits_data() {
    QTest::addColumn<Samples::Format>("format");
    QTest::newRow("JPEG") << Samples::Format::Jpeg;
    QTest::newRow("GIF") << Samples::Format::Gif;
    QTest::newRow("BMP") << Samples::Format::Bmp;
}

void TestFondEcran::bmp24Bits() {
    QFETCH(Samples::Format, format);
    BancSS b;
    const QString source =
        b.dossier.filePath(QStringLiteral("photo.") + Samples::extension(format));
    QVERIFY(Samples::write(Samples::paint(QSize(121, 77), 5), source, format));
    QImage Tempo;
    const FondEcran r = AppliquerFondEcran(source, Tempo, b.ts.services, b.dossier.path(),
                                           b.dossier.filePath(QStringLiteral("secours")));
    QVERIFY(r.bureauAccepte);
    QVERIFY(Tempo.isNull());
    QCOMPARE(r.bitmap, b.dossier.filePath(QStringLiteral("LMV.bmp")));
    QCOMPARE(Reglages::lire(b.ts.settings, Reglages::wallTemp()), source);
    const EnteteBmp e = lireEntete(r.bitmap);
    QCOMPARE(e.signature, QByteArray("BM"));
    QCOMPARE(e.bits, quint16(24));
    QCOMPARE(e.compression, 0u);
    QCOMPARE(e.largeur, 121);
    QCOMPARE(e.hauteur, 77);
    // Rows of 24-bit pixels are padded to four bytes.
    const quint32 ligne = (121 * 3 + 3) / 4 * 4;
    QCOMPARE(e.debutPixels, 54u);
    QCOMPARE(e.tailleFichier, e.debutPixels + ligne * 77);
    QCOMPARE(quint32(QFileInfo(r.bitmap).size()), e.tailleFichier);
    // The pixels are the picture's, rows in the right order.
    const QImage relu(r.bitmap);
    const QImage original(source);
    for (const QPoint& p : {QPoint(0, 0), QPoint(60, 38), QPoint(120, 76), QPoint(3, 70)})
        QCOMPARE(relu.pixel(p), original.pixel(p) | 0xff000000u);
}

void TestFondEcran::auPlusLaTailleDeLEcran_data() {
    QTest::addColumn<QSize>("ecran");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QSize>("bitmap");
    QTest::newRow("large") << QSize(400, 300) << QSize(1000, 500) << QSize(400, 200);
    QTest::newRow("haute") << QSize(400, 300) << QSize(300, 600) << QSize(150, 300);
    QTest::newRow("plus petite: jamais agrandie")
        << QSize(400, 300) << QSize(121, 77) << QSize(121, 77);
    QTest::newRow("pas d'écran: entière") << QSize() << QSize(500, 300) << QSize(500, 300);
}

void TestFondEcran::auPlusLaTailleDeLEcran() {
    QFETCH(QSize, ecran);
    QFETCH(QSize, image);
    QFETCH(QSize, bitmap);
    BancSS b;
    QImage Tempo;
    const FondEcran r = ecrireFondEcran(jpeg(b, QStringLiteral("jour.jpg"), image), Tempo,
                                        b.ts.pictures, b.ts.wallpaper, ecran, b.dossier.path(),
                                        b.dossier.filePath(QStringLiteral("secours")));
    QVERIFY(r.bureauAccepte);
    const EnteteBmp e = lireEntete(r.bitmap);
    QCOMPARE(QSize(e.largeur, e.hauteur), bitmap);
}

// The show asks for the largest screen.
void TestFondEcran::auPlusLaTailleDuPlusGrandEcranAuTic() {
    BancSS b;
    const QSize ecran = plusGrandEcran();
    QVERIFY(ecran.isValid());
    const QSize image = ecran * 2;
    fixerJour(b, jpeg(b, QStringLiteral("jour.jpg"), image));
    b.demarrer(b.photos(2));
    QVERIFY(b.tic());
    const EnteteBmp e = lireEntete(b.dossier.filePath(QStringLiteral("LMV.bmp")));
    QCOMPARE(QSize(e.largeur, e.hauteur), ecran);
}

void TestFondEcran::dossierProgrammeNonInscriptible() {
    BancSS b;
    // Under a regular file no folder can be made, whoever the user is.
    QFile bloquant(b.dossier.filePath(QStringLiteral("fichier")));
    QVERIFY(bloquant.open(QIODevice::WriteOnly));
    bloquant.close();
    b.module = Module1(bloquant.fileName() + QStringLiteral("/programme"), {}, [&b] { ++b.fins; });
    fixerJour(b, jpeg(b, QStringLiteral("jour.jpg")));
    SS& ss = b.demarrer(b.photos(2));
    QVERIFY(b.tic());
    const QString secours = dossierSecoursFondEcran();
    QVERIFY(secours.startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    const QString bitmap = ::cheminDans(secours, QStringLiteral("LMV.bmp"));
    QCOMPARE(b.ts.wallpaper.given, QStringList{::cheminDans(secours, QStringLiteral("LMV-1.bmp"))});
    QCOMPARE(ss.tag(), bitmap);
    QCOMPARE(lireEntete(bitmap).bits, quint16(24));
    QVERIFY(QFile::remove(bitmap) && QFile::remove(b.ts.wallpaper.given[0]));
}

void TestFondEcran::imageIllisibleNArretePasLeDiaporama() {
    BancSS b;
    const QString illisible = b.dossier.filePath(QStringLiteral("abime.jpg"));
    QFile f(illisible);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\xff\xd8\xff\xe0 not really a picture");
    f.close();
    fixerJour(b, illisible);
    SS& ss = b.demarrer(b.photos(2));
    const int avant = b.photoAffichee(2);
    QVERIFY(b.tic());
    QCOMPARE(b.photoAffichee(2), 1 - avant);
    QVERIFY(b.ts.wallpaper.given.isEmpty());
    QVERIFY(ss.tag().isEmpty());
    QVERIFY(!QFile::exists(b.dossier.filePath(QStringLiteral("LMV.bmp"))));
    QCOMPARE(Reglages::lire(b.ts.settings, Reglages::wallTemp()), QString());
    QVERIFY(b.tic());
    QCOMPARE(b.photoAffichee(2), avant);
}

void TestFondEcran::bureauQuiRefuse() {
    BancSS b;
    b.ts.wallpaper.succeed = false;
    const QString jour = jpeg(b, QStringLiteral("jour.jpg"));
    fixerJour(b, jour);
    b.demarrer(b.photos(2));
    QVERIFY(b.tic());
    QVERIFY(b.tic());
    // Not recorded, so tried again later; not at the very next tick.
    QCOMPARE(b.ts.wallpaper.given.size(), 1);
    QVERIFY(!QFile::exists(b.ts.wallpaper.given[0]));
    QCOMPARE(Reglages::lire(b.ts.settings, Reglages::wallTemp()), QString());
}

void TestFondEcran::cheminDans_data() {
    QTest::addColumn<QString>("dossier");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("dossier") << "/opt/lumivane"
                             << "/opt/lumivane/LMV.bmp";
    QTest::newRow("racine") << "/"
                            << "/LMV.bmp";
    QTest::newRow("séparateur final") << "/var/x/"
                                      << "/var/x/LMV.bmp";
}

void TestFondEcran::cheminDans() {
    QFETCH(QString, dossier);
    QFETCH(QString, attendu);
    QCOMPARE(::cheminDans(dossier, QStringLiteral("LMV.bmp")), attendu);
}

// The last test: it leaves the variable relative.
void TestFondEcran::dossierSecoursRelatifIgnore() {
    qputenv("XDG_DATA_HOME", "--help");
    QCOMPARE(dossierSecoursFondEcran(), QDir::homePath() + "/.local/share/Lumivane/");
}

QTEST_MAIN(TestFondEcran)
#include "test_fondecran.moc"
