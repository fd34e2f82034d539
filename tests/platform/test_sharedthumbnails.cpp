#include "platform/sharedthumbnails.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class TestSharedThumbnails : public QObject {
    Q_OBJECT
private slots:
    void trouvee_data();
    void trouvee();
};

void TestSharedThumbnails::trouvee_data() {
    QTest::addColumn<QString>("dossier");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<qint64>("decalage"); // of the stored time, in seconds
    QTest::addColumn<QString>("autre");   // the URI stored, when not the photo's
    QTest::addColumn<QSize>("besoin");
    QTest::addColumn<bool>("attendue");
    QTest::newRow("fraiche") << "normal" << QSize(128, 96) << 0ll << "" << QSize(110, 83) << true;
    QTest::newRow("grande") << "large" << QSize(256, 192) << 0ll << "" << QSize(110, 83) << true;
    QTest::newRow("date passee") << "normal" << QSize(128, 96) << -1ll << "" << QSize(110, 83)
                                 << false;
    QTest::newRow("autre URI") << "normal" << QSize(128, 96) << 0ll << "file:///ailleurs.jpg"
                               << QSize(110, 83) << false;
    QTest::newRow("trop petite") << "normal" << QSize(128, 72) << 0ll << "" << QSize(110, 83)
                                 << false;
    QTest::newRow("plus grande que son dossier")
        << "normal" << QSize(300, 225) << 0ll << "" << QSize(110, 83) << false;
}

void TestSharedThumbnails::trouvee() {
    QFETCH(QString, dossier);
    QFETCH(QSize, taille);
    QFETCH(qint64, decalage);
    QFETCH(QString, autre);
    QFETCH(QSize, besoin);
    QFETCH(bool, attendue);
    QTemporaryDir bac;
    const QString photo = bac.path() + "/photos/été 1.jpg";
    QDir().mkpath(QFileInfo(photo).path());
    QImage(64, 48, QImage::Format_RGB32).save(photo, "JPEG");
    const QByteArray uri = QUrl::fromLocalFile(photo).toEncoded();
    QImage vignette(taille, QImage::Format_RGB32);
    vignette.fill(Qt::darkCyan);
    vignette.setText("Thumb::URI", autre.isEmpty() ? QString::fromUtf8(uri) : autre);
    vignette.setText(
        "Thumb::MTime",
        QString::number(QFileInfo(photo).lastModified().toSecsSinceEpoch() + decalage));
    const QString racine = bac.path() + "/thumbnails";
    QDir().mkpath(racine + '/' + dossier);
    const QString nom = QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
    QVERIFY(vignette.save(racine + '/' + dossier + '/' + nom, "PNG"));

    const QImage trouvee = SharedThumbnails(racine).find(photo, besoin);
    QCOMPARE(!trouvee.isNull(), attendue);
    if (attendue)
        QCOMPARE(trouvee.size(), taille);
}

QTEST_GUILESS_MAIN(TestSharedThumbnails)
#include "test_sharedthumbnails.moc"
