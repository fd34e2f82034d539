#include "doubles.h"
#include "fichiers.h"
#include "pictures/qtpictures.h"
#include "samples.h"
#include "vignettes/cachevignettes.h"
#include "vignettes/constructionvignettes.h"
#include "vignettes/indexcache.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

void ecrire(const QString& chemin, QSize taille, QColor couleur) {
    QDir().mkpath(QFileInfo(chemin).path());
    QImage image(taille, QImage::Format_RGB32);
    image.fill(couleur);
    QVERIFY(image.save(chemin, "JPEG", 95));
}

QColor centre(const QString& bitmap) {
    const QImage image(bitmap);
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

bool proche(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

} // namespace

class TestConstructionVignettes : public QObject {
    Q_OBJECT
private slots:
    void init();
    void premiereEtSecondeConstruction();
    void photoRemplacee_data();
    void photoRemplacee();
    void nomsEnCollision();
    void cacheImpossible();
    void arretALaPhotoSuivante();
    void vignetteDeLAppareil();

private:
    QList<Vignette> construire(const QStringList& chemins, const QString& racine = {});
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_racine;
    QString m_dossier;
    QtPictures m_images;
};

void TestConstructionVignettes::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_racine = m_dir->path() + "/cache/Lumivane/";
    m_dossier = m_racine + "NOEL/";
}

QList<Vignette> TestConstructionVignettes::construire(const QStringList& chemins,
                                                      const QString& racine) {
    ConstructionVignettes job(m_images);
    const QString r = racine.isEmpty() ? m_racine : racine;
    job.demarrer({chemins, r, r + "NOEL/", GeometrieGrille::CadreIm0, 2});
    QList<Vignette> faites;
    const auto fini = [&] {
        faites += job.prendre(1000);
        return job.epuisee();
    };
    if (!QTest::qWaitFor(fini, 20000))
        qWarning("build not finished");
    return faites;
}

void TestConstructionVignettes::premiereEtSecondeConstruction() {
    const QString photo = m_dir->path() + "/photos/a.jpg";
    const QString texte = m_dir->path() + "/photos/texte.jpg";
    ecrire(photo, QSize(400, 300), Qt::red);
    QFile f(texte);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    const QStringList album{m_dir->path() + "/photos/absente.jpg", texte, photo};

    const QList<Vignette> premiere = construire(album);
    QCOMPARE(premiere.size(), 3);
    QVERIFY(premiere[0].nophoto() && premiere[1].nophoto());
    QCOMPARE(premiere[2].fichierCache, m_dossier + CacheVignettes::ConvertirNom(photo));
    QCOMPARE(QImageReader(premiere[2].fichierCache).format(), QByteArray("bmp"));
    QCOMPARE(QImage(premiere[2].fichierCache).size(), premiere[2].bitmap);
    QCOMPARE(QDir(m_dossier).entryList(QDir::Files).size(), 1);

    const QList<Vignette> seconde = construire(album);
    QCOMPARE(seconde[2].fichierCache, premiere[2].fichierCache);
    QVERIFY2(seconde[2].image.isNull(), "a cached photo is not decoded again");
}

void TestConstructionVignettes::photoRemplacee_data() {
    QTest::addColumn<QSize>("nouvelle");
    QTest::addColumn<QSize>("bitmap");
    QTest::newRow("autre taille") << QSize(300, 300) << QSize(105, 105);
    QTest::newRow("même taille, autre date") << QSize(400, 300) << QSize(111, 83);
}

void TestConstructionVignettes::photoRemplacee() {
    QFETCH(QSize, nouvelle);
    QFETCH(QSize, bitmap);
    const QString photo = m_dir->path() + "/photos/a.jpg";
    ecrire(photo, QSize(400, 300), Qt::red);
    QFile fichier(photo);
    const QDateTime avant = QFileInfo(photo).lastModified();
    QVERIFY(fichier.open(QIODevice::ReadWrite));
    QVERIFY(fichier.setFileTime(avant.addSecs(-3600), QFileDevice::FileModificationTime));
    fichier.close();
    QVERIFY(proche(centre(construire({photo})[0].fichierCache), Qt::red));

    ecrire(photo, nouvelle, Qt::blue);
    const Vignette v = construire({photo})[0];
    QCOMPARE(v.bitmap, bitmap);
    QVERIFY(proche(centre(v.fichierCache), Qt::blue));
}

void TestConstructionVignettes::nomsEnCollision() {
    const QString dossier = m_dir->path() + "/photos/a/b.jpg";
    const QString souligne = m_dir->path() + "/photos/a_b.jpg";
    ecrire(dossier, QSize(400, 300), Qt::red);
    ecrire(souligne, QSize(400, 300), Qt::blue);
    for (const char* passe : {"first build", "second build"}) {
        const QList<Vignette> v = construire({dossier, souligne});
        QVERIFY2(v[0].fichierCache != v[1].fichierCache, passe);
        QVERIFY2(proche(centre(v[0].fichierCache), Qt::red), passe);
        QVERIFY2(proche(centre(v[1].fichierCache), Qt::blue), passe);
    }
}

void TestConstructionVignettes::cacheImpossible() {
    const QString photo = m_dir->path() + "/photos/a.jpg";
    ecrire(photo, QSize(400, 300), Qt::red);
    // A cache root below a plain file cannot be created, whoever runs the test.
    const QString fichier = m_dir->path() + "/fichier";
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QList<Vignette> v =
        construire({photo, m_dir->path() + "/photos/absente.jpg"}, fichier + "/Lumivane/");
    QVERIFY(!v[0].nophoto());
    QVERIFY(v[0].fichierCache.isEmpty());
    QVERIFY(proche(v[0].image.pixelColor(30, 20), Qt::red));
    QVERIFY(v[1].nophoto());
}

void TestConstructionVignettes::arretALaPhotoSuivante() {
    QStringList album;
    for (int i = 0; i < 6; ++i) {
        album << m_dir->path() + QStringLiteral("/photos/%1.jpg").arg(i);
        ecrire(album.last(), QSize(64, 48), Qt::green);
    }
    GatedPictures retenues;
    {
        ConstructionVignettes job(retenues);
        QSignalSpy pretes(&job, &ConstructionVignettes::pretes);
        job.demarrer({album, m_racine, m_dossier, GeometrieGrille::CadreIm0, 1});
        retenues.permits.release();
        QVERIFY(pretes.wait(10000));
        job.arreter();
        QVERIFY(job.epuisee());
        QVERIFY(job.prendre(10).isEmpty());
        retenues.permits.release(10);
    }
    // Photo 0, and photo 1 which was under way; their records are kept.
    const int faites = int(QDir(m_dossier).entryList(QDir::Files).size());
    QVERIFY2(faites <= 2, qPrintable(QString::number(faites)));
    QCOMPARE(IndexCache(m_dossier).size(), faites);
}

// The build takes a photo's own thumbnail where it suits, turned as the photo: the bitmap is
// the thumbnail's.
void TestConstructionVignettes::vignetteDeLAppareil() {
    const QString photo = m_dir->path() + "/photos/a.jpg";
    ecrire(photo, QSize(400, 300), Qt::red);
    QImage vignette(160, 120, QImage::Format_RGB32);
    vignette.fill(Qt::green);
    ecrire(photo, Samples::withExifThumbnail(contenu(photo), vignette, 6));
    const Vignette v = construire({photo})[0];
    QVERIFY(v.bitmap.height() > v.bitmap.width());
    QVERIFY(proche(centre(v.fichierCache), Qt::green));
}

QTEST_GUILESS_MAIN(TestConstructionVignettes)
#include "test_constructionvignettes.moc"
