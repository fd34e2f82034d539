#include "browser/vignettesdejafaites.h"
#include "fichiers.h"
#include "platform/pictures.h"
#include "platform/sharedthumbnails.h"
#include "samples.h"

#include <QBuffer>
#include <QTemporaryDir>

class TestVignettesDejaFaites : public QObject {
    Q_OBJECT
private slots:
    void vignetteDeLAppareil_data();
    void vignetteDeLAppareil();
};

void TestVignettesDejaFaites::vignetteDeLAppareil_data() {
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("vignette");
    QTest::addColumn<bool>("prise");
    QTest::newRow("memes proportions") << QSize(400, 300) << 1 << QSize(160, 120) << true;
    QTest::newRow("portrait tourne") << QSize(400, 300) << 6 << QSize(160, 120) << true;
    QTest::newRow("ecart de 1,7 %") << QSize(400, 305) << 1 << QSize(160, 120) << true;
    QTest::newRow("ecart de 3,3 %") << QSize(400, 310) << 1 << QSize(160, 120) << false;
    QTest::newRow("bandes autour d'un 16:9") << QSize(400, 225) << 1 << QSize(160, 120) << false;
    QTest::newRow("plus petite que le bitmap") << QSize(400, 300) << 1 << QSize(80, 60) << false;
}

void TestVignettesDejaFaites::vignetteDeLAppareil() {
    QFETCH(QSize, photo);
    QFETCH(int, orientation);
    QFETCH(QSize, vignette);
    QFETCH(bool, prise);
    QImage image(photo, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray jpeg;
    QBuffer tampon(&jpeg);
    tampon.open(QIODevice::WriteOnly);
    QVERIFY(image.save(&tampon, "JPEG"));
    QImage petite(vignette, QImage::Format_RGB32);
    petite.fill(Qt::green);
    QTemporaryDir bac;
    const QString chemin = bac.path() + "/photo.jpg";
    ecrire(chemin, Samples::withExifThumbnail(jpeg, petite, orientation));
    const QSize naturelle = QtPictures().size(chemin);
    // The bitmap of a photo this shape in a grid cell: about 110 pixels on its longer side.
    const QSize besoin = naturelle.scaled(111, 111, Qt::KeepAspectRatio);

    const QImage trouvee =
        VignettesDejaFaites::Trouver(chemin, naturelle, besoin, SharedThumbnails());
    QCOMPARE(!trouvee.isNull(), prise);
    if (prise) {
        QCOMPARE(trouvee.size(), orientation >= 5 ? vignette.transposed() : vignette);
        QVERIFY(qAbs(trouvee.pixelColor(5, 5).green() - 255) < 40);
    }
}

QTEST_GUILESS_MAIN(TestVignettesDejaFaites)
#include "test_vignettesdejafaites.moc"
