#include "pictures/sharedthumbnails.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <sys/stat.h>

class TestSharedThumbnails : public QObject {
    Q_OBJECT
private slots:
    void trouvee_data();
    void trouvee();
};

void TestSharedThumbnails::trouvee_data() {
    QTest::addColumn<QString>("dossier");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<int>("decalage"); // of the stored time, in seconds
    QTest::addColumn<QString>("uri");  // stored instead of the photo's
    QTest::addColumn<bool>("attendue");
    QTest::addColumn<QString>("forme"); // of the file at the thumbnail's name: "" a PNG
    QTest::newRow("fraîche") << "normal" << QSize(128, 96) << 0 << "" << true << "";
    QTest::newRow("grande") << "large" << QSize(256, 192) << 0 << "" << true << "";
    QTest::newRow("date passée") << "normal" << QSize(128, 96) << -1 << "" << false << "";
    QTest::newRow("autre URI") << "normal" << QSize(128, 96) << 0 << "file:///b.jpg" << false << "";
    QTest::newRow("trop petite") << "normal" << QSize(128, 72) << 0 << "" << false << "";
    QTest::newRow("plus grande que son dossier")
        << "normal" << QSize(300, 225) << 0 << "" << false << "";
    // Neither is opened: a FIFO would block the build, a file too large for a thumbnail is no
    // thumbnail.
    QTest::newRow("FIFO") << "large" << QSize(256, 192) << 0 << "" << false << "fifo";
    QTest::newRow("fichier trop gros") << "large" << QSize(256, 192) << 0 << "" << false << "gros";
}

void TestSharedThumbnails::trouvee() {
    QFETCH(QString, dossier);
    QFETCH(QSize, taille);
    QFETCH(int, decalage);
    QFETCH(QString, uri);
    QFETCH(bool, attendue);
    QFETCH(QString, forme);
    QTemporaryDir bac;
    const QString photo = bac.path() + "/photos/été 1.jpg";
    QDir().mkpath(bac.path() + "/photos");
    QImage(64, 48, QImage::Format_RGB32).save(photo, "JPEG");
    const QByteArray sienne = QUrl::fromLocalFile(photo).toEncoded();
    QImage vignette(taille, QImage::Format_RGB32);
    vignette.setText("Thumb::URI", uri.isEmpty() ? QString::fromUtf8(sienne) : uri);
    const qint64 date = QFileInfo(photo).lastModified().toSecsSinceEpoch() + decalage;
    vignette.setText("Thumb::MTime", QString::number(date));
    const QString racine = bac.path() + "/thumbnails";
    QDir().mkpath(racine + '/' + dossier);
    const QString nom = QCryptographicHash::hash(sienne, QCryptographicHash::Md5).toHex() + ".png";
    const QString chemin = racine + '/' + dossier + '/' + nom;
    if (forme == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
    else
        QVERIFY(vignette.save(chemin, "PNG"));
    QFile fichier(chemin);
    if (forme == "gros") // bytes after the end chunk, which no reader looks at
        QVERIFY(fichier.open(QIODevice::Append) && fichier.write(QByteArray(400'000, 0)) > 0);
    fichier.close();

    const QImage trouvee = SharedThumbnails(racine).find(photo, QSize(110, 83));
    QCOMPARE(trouvee.isNull() ? QSize() : trouvee.size(), attendue ? taille : QSize());
}

QTEST_GUILESS_MAIN(TestSharedThumbnails)
#include "test_sharedthumbnails.moc"
