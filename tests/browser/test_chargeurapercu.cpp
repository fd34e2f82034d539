// The preview loader: only the latest request is answered, on the UI thread, with the picture
// decoded at the size of its place.
#include "browser/chargeurapercu.h"
#include "pictures/qtpictures.h"
#include "samples.h"
#include "vignettes/ajustement.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestChargeurApercu : public QObject {
    Q_OBJECT

    QTemporaryDir m_dossier;
    QtPictures m_pictures;
    QStringList m_images;
    const QRectF m_cadre{0, 0, 3000, 2400};

private slots:
    void initTestCase() {
        m_images = Samples::writeSet(m_dossier.path(),
                                     {{QStringLiteral("a"), {1200, 900}, Samples::Format::Jpeg},
                                      {QStringLiteral("b"), {300, 600}, Samples::Format::Bmp},
                                      {QStringLiteral("c"), {100, 80}, Samples::Format::Gif}});
        QCOMPARE(m_images.size(), 3);
    }

    void seuleLaDerniereDemandeEstServie_data() {
        QTest::addColumn<int>("derniere"); // index in m_images, -1: a missing file
        QTest::newRow("grande JPEG") << 0;
        QTest::newRow("BMP haute") << 1;
        QTest::newRow("fichier absent") << -1;
    }
    void seuleLaDerniereDemandeEstServie() {
        QFETCH(int, derniere);
        ChargeurApercu chargeur(m_pictures);
        QSignalSpy pret(&chargeur, &ChargeurApercu::pret);
        const QString chemin =
            derniere < 0 ? m_dossier.filePath(QStringLiteral("absente.jpg")) : m_images[derniere];
        for (const QString& avant : {m_images[0], m_images[2], m_images[1]})
            chargeur.charger(avant, m_cadre, 500);
        chargeur.charger(chemin, m_cadre, 500);
        QTRY_VERIFY(!chargeur.occupe());
        QCOMPARE(pret.size(), 1);
        QCOMPARE(pret[0][0].toString(), chemin);
        const QImage image = pret[0][1].value<QImage>();
        if (derniere < 0) {
            QVERIFY(image.isNull());
            return;
        }
        const QSize naturelle = m_pictures.size(chemin);
        const QRectF place = Ajustement::ajusterDansCadre(QSizeF(naturelle) * 15, m_cadre, 500);
        QCOMPARE(pret[0][2].toRectF(), place);
        const QSize taille = (place.size() / 15).toSize();
        QVERIFY(qAbs(image.width() - taille.width()) <= 1);
        QVERIFY(qAbs(image.height() - taille.height()) <= 1);
    }
};

QTEST_MAIN(TestChargeurApercu)
#include "test_chargeurapercu.moc"
