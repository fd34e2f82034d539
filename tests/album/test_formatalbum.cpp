#include "album/fichieralbum.h"
#include "album/formatalbum.h"
#include "album/windows1252.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using Lignes = QList<LigneAlbum>;

namespace {
QByteArray octets(const char* c, qsizetype n) {
    return QByteArray(c, n);
}
#define OCTETS(s) octets(s, sizeof(s) - 1)
} // namespace

class TestFormatAlbum : public QObject {
    Q_OBJECT
private slots:
    void ecriture_data() {
        QTest::addColumn<QStringList>("photos");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("vide") << QStringList() << QByteArray();
        QTest::newRow("trois") << QStringList{"C:\\Photos\\a.jpg", "D:\\b.bmp", "/x y/c.gif"}
                               << OCTETS("0000 C:\\Photos\\a.jpg\r\n0001 D:\\b.bmp\r\n"
                                         "0002 /x y/c.gif\r\n");
        QTest::newRow("un dossier, son séparateur en dernier")
            << QStringList{"/Photos/Noel/", "C:\\Photos\\"}
            << OCTETS("0000 /Photos/Noel/\r\n0001 C:\\Photos\\\r\n");
        QTest::newRow("accents") << QStringList{u"/été/Noël €™.jpg"_qs}
                                 << OCTETS("0000 /\xE9t\xE9/No\xEBl \x80\x99.jpg\r\n");
        QTest::newRow("hors code page") << QStringList{"/a.jpg", u"/Łódź.jpg"_qs}
                                        << OCTETS("\xEF\xBB\xBF"
                                                  "0000 /a.jpg\r\n"
                                                  "0001 /\xC5\x81\xC3\xB3\x64\xC5\xBA.jpg\r\n");
        QTest::newRow("hors plan de base") << QStringList{u"/\U0001F600.jpg"_qs}
                                           << OCTETS("\xEF\xBB\xBF"
                                                     "0000 /\xF0\x9F\x98\x80.jpg\r\n");
    }
    void ecriture() {
        QFETCH(QStringList, photos);
        QFETCH(QByteArray, attendu);
        QCOMPARE(ecrireLignesAlbum(photos).value_or("refusé"), attendu);
    }

    void lecture_data() {
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<Lignes>("attendu");
        QTest::newRow("CR LF") << OCTETS("0000 a\r\n0001 b\r\n") << Lignes{{0, "a"}, {1, "b"}};
        QTest::newRow("CR seul") << OCTETS("0000 a\r0001 b") << Lignes{{0, "a"}, {1, "b"}};
        QTest::newRow("LF seul") << OCTETS("0000 a\n0001 b\n") << Lignes{{0, "a\n0001 b\n"}};
        QTest::newRow("sans blanc") << OCTETS("0000C:\\x.jpg\r\n") << Lignes{{0, "C:\\x.jpg"}};
        QTest::newRow("pas un nombre")
            << OCTETS("abcd C:\\x.jpg\r\n-001 y\r\n1 2 z\r\n0001 w") << Lignes{{1, "w"}};
        QTest::newRow("nombre seul") << OCTETS("12\r\n0007") << Lignes{{12, ""}, {7, ""}};
        QTest::newRow("blancs") << OCTETS("0003    C:\\x.jpg   \r\n 12 x\r\n")
                                << Lignes{{3, "C:\\x.jpg"}, {12, "x"}};
        QTest::newRow("seuls les blancs") << OCTETS("0000 \tx\t\r\n") << Lignes{{0, "\tx\t"}};
        QTest::newRow("trous et doublons") << OCTETS("0000 a\r\n0001 b\r\n0005 c\r\n0001 d\r\n")
                                           << Lignes{{0, "a"}, {1, "b"}, {5, "c"}, {1, "d"}};
        QTest::newRow("ligne vide")
            << OCTETS("0000 a\r\n\r\n0001 b\r\n") << Lignes{{0, "a"}, {1, "b"}};
        QTest::newRow("code page") << OCTETS("0000 \xE9\x80\x81\r\n") << Lignes{{0, u"é€\x81"_qs}};
        QTest::newRow("UTF-8 sans marque") << OCTETS("0000 \xC3\xA9") << Lignes{{0, u"Ã©"_qs}};
        QTest::newRow("marque UTF-8") << OCTETS("\xEF\xBB\xBF"
                                                "0000 \xC3\xA9\r\n0001 \xC5\x81")
                                      << Lignes{{0, u"é"_qs}, {1, u"Ł"_qs}};
        QTest::newRow("marque seule") << OCTETS("\xEF\xBB\xBF") << Lignes{};
    }
    void lecture() {
        QFETCH(QByteArray, contenu);
        QFETCH(Lignes, attendu);
        QCOMPARE(lireLignesAlbum(contenu), attendu);
    }

    // Whatever the paths, what is written reads back the same, numbered from 0.
    void allerRetour() {
        const QList<uint> signes = u"abcXYZ019 ./\\:_-\t\néèçàÿŒ€™\x81ŁżЖ中\U0001F600"_qs.toUcs4();
        QRandomGenerator hasard(20261209);
        for (int essai = 0; essai < 300; ++essai) {
            QStringList photos;
            bool horsCodePage = false;
            for (int n = hasard.bounded(40); n > 0; --n) {
                QString chemin = QStringLiteral("x");
                for (int k = hasard.bounded(30); k > 0; --k) {
                    const char32_t c = signes[hasard.bounded(int(signes.size()))];
                    chemin += QString::fromUcs4(&c, 1);
                    horsCodePage |= !Windows1252::encoder(QString::fromUcs4(&c, 1));
                }
                photos << chemin + QStringLiteral(".jpg");
            }
            const QByteArray contenu = ecrireLignesAlbum(photos).value();
            QCOMPARE(contenu.startsWith("\xEF\xBB\xBF"), horsCodePage);
            Lignes attendu;
            for (int i = 0; i < photos.size(); ++i)
                attendu.append({i, photos[i]});
            QCOMPARE(lireLignesAlbum(contenu), attendu);
        }
    }

    void limites() {
        QStringList photos(MaxPhotosFichierAlbum, QStringLiteral("/p.jpg"));
        const QByteArray contenu = ecrireLignesAlbum(photos).value();
        QVERIFY(contenu.endsWith("\r\n9999 /p.jpg\r\n"));
        QCOMPARE(lireLignesAlbum(contenu).size(), MaxPhotosFichierAlbum);
        QVERIFY(refusAlbum(photos).isEmpty());

        photos << QStringLiteral("/q.jpg");
        QVERIFY(!ecrireLignesAlbum(photos));
        QVERIFY(refusAlbum(photos).contains(QStringLiteral("10001 photos")));
        QVERIFY(!ecrireLignesAlbum({QStringLiteral("/a\r0001 /b.jpg")}));
    }

    // Our table against the system's conversion, where the Qt build offers one.
    void lectureFichier_data();
    void lectureFichier();
    void tableCodePage() {
        QStringDecoder systeme("windows-1252");
        if (!systeme.isValid())
            QSKIP("no Windows-1252 conversion in this Qt build");
        QByteArray tous;
        for (int o = 0; o < 256; ++o)
            tous.append(char(o));
        const QString texte = Windows1252::decoder(tous);
        QCOMPARE(texte, QString(systeme(tous)));
        QCOMPARE(Windows1252::encoder(texte).value(), tous);
    }
};

// Only a regular file is read: a FIFO without a writer would block the reader for ever and a
// device may never end; both are unreadable albums, as a folder is.
void TestFormatAlbum::lectureFichier_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("lisible");
    QTest::newRow("fichier") << "noel.alb" << true;
    QTest::newRow("absent") << "absent.alb" << false;
    QTest::newRow("dossier") << "dossier.alb" << false;
    QTest::newRow("FIFO") << "fifo.alb" << false;
    QTest::newRow("périphérique") << "/dev/zero" << false;
}

void TestFormatAlbum::lectureFichier() {
    QFETCH(QString, nom);
    QFETCH(bool, lisible);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(nom);
    const QByteArray contenu = OCTETS("0000 /a.jpg\r\n");
    if (nom == u"noel.alb") {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size());
    }
    if (nom == u"dossier.alb")
        QVERIFY(QDir().mkpath(chemin));
    if (nom == u"fifo.alb")
        QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
    const std::optional<QByteArray> lu = lireFichierAlbum(chemin);
    QCOMPARE(lu.has_value(), lisible);
    if (lisible)
        QCOMPARE(*lu, contenu);
}

QTEST_GUILESS_MAIN(TestFormatAlbum)
#include "test_formatalbum.moc"
