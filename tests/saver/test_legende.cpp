// What a photo's title says: its path, its file name, or the day it was taken.

#include "pictures/exifdate.h"
#include "samples.h"
#include "saver/legende.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLegende : public QObject {
    Q_OBJECT
private slots:
    void texte_data();
    void texte();
};

void TestLegende::texte_data() {
    QTest::addColumn<int>("genre");
    QTest::addColumn<QByteArray>("exif"); // the photo's DateTimeOriginal; none when empty
    QTest::addColumn<QString>("attendu"); // "%1": the photo's path
    QTest::newRow("chemin complet") << 0 << QByteArray("2024:07:12 15:30:00") << "%1";
    QTest::newRow("nom du fichier") << 1 << QByteArray() << "vacances été.jpg";
    QTest::newRow("date de la prise de vue")
        << 2 << QByteArray("2024:07:12 15:30:00") << "12 juillet 2024";
    QTest::newRow("le premier du mois")
        << 2 << QByteArray("2023:02:01 08:00:00") << "1er février 2023";
    QTest::newRow("sans date: celle du fichier") << 2 << QByteArray() << "3 mars 2021";
    QTest::newRow("pas de fichier: rien") << 2 << QByteArray("absent") << "";
}

void TestLegende::texte() {
    QFETCH(int, genre);
    QFETCH(QByteArray, exif);
    QFETCH(QString, attendu);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("vacances été.jpg"));
    if (exif != "absent") {
        QByteArray jpeg;
        QBuffer tampon(&jpeg);
        tampon.open(QIODevice::WriteOnly);
        QVERIFY(Samples::paint(QSize(64, 48), 3).save(&tampon, "JPEG"));
        if (!exif.isEmpty())
            jpeg = Samples::withExifDate(jpeg, exif);
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(jpeg) == jpeg.size() && f.flush());
        QVERIFY(f.setFileTime(QDateTime(QDate(2021, 3, 3), QTime(12, 0)),
                              QFileDevice::FileModificationTime));
    }
    QCOMPARE(Legende::texte(Legende::Genre(genre), chemin, ExifDate::dateTaken(chemin)),
             attendu.replace(QStringLiteral("%1"), chemin));
}

QTEST_GUILESS_MAIN(TestLegende)
#include "test_legende.moc"
