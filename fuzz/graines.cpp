// fuzz_graines FOLDER: writes the seeds of every fuzz target into FOLDER/<target>/: our own
// sample pictures, small, in every format the program reads, and the same pictures with headers
// that claim huge sizes; photos with EXIF thumbnails; album files with and without the byte-order
// mark; command lines and stored options as the program and its users write them.

#include "samples.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>
#include <cstdio>

namespace {

quint32 crc32Png(const char* octets, qsizetype n) {
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < n; ++i) {
        crc ^= quint8(octets[i]);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

bool ecrire(const QString& dossier, const QString& nom, const QByteArray& octets) {
    QDir().mkpath(dossier);
    QFile f(QDir(dossier).filePath(nom));
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

QByteArray encoder(const QImage& image, const char* format) {
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, format);
    return octets;
}

QByteArray lireFichier(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <typename T> void poserLe(QByteArray& o, qsizetype at, T v) {
    if (at + qsizetype(sizeof(T)) <= o.size())
        qToLittleEndian(v, o.data() + at);
}
template <typename T> void poserBe(QByteArray& o, qsizetype at, T v) {
    if (at + qsizetype(sizeof(T)) <= o.size())
        qToBigEndian(v, o.data() + at);
}

// The same file claiming a huge size; the data that follows stays that of the small picture.
QByteArray geante(QByteArray o, const QString& extension) {
    if (extension == u"bmp") {
        poserLe<qint32>(o, 18, 60000);
        poserLe<qint32>(o, 22, 60000);
    } else if (extension == u"gif") {
        poserLe<quint16>(o, 6, 65535); // logical screen
        poserLe<quint16>(o, 8, 65535);
    } else if (extension == u"png") {
        poserBe<quint32>(o, 16, 100000);
        poserBe<quint32>(o, 20, 100000);
        // A bad checksum would stop the decoder before it looks at the size.
        poserBe<quint32>(o, 29, crc32Png(o.constData() + 12, 17));
    } else if (extension == u"jpg") {
        const qsizetype sof = o.indexOf(QByteArray("\xFF\xC0", 2));
        poserBe<quint16>(o, sof + 5, 65500);
        poserBe<quint16>(o, sof + 7, 65500);
    }
    return o;
}

void graineImages(const QString& dossier) {
    const QImage image = Samples::paint(QSize(48, 32), 1);
    const QStringList ecrits = Samples::writeSet(
        dossier + QStringLiteral("/tmp"), {{QStringLiteral("a"), {48, 32}, Samples::Format::Jpeg},
                                           {QStringLiteral("b"), {40, 30}, Samples::Format::Gif},
                                           {QStringLiteral("c"), {24, 36}, Samples::Format::Bmp}});
    // The first byte of a seed picks the extension the harness gives the file.
    const QList<QPair<QString, QByteArray>> fichiers = {
        {QStringLiteral("jpg"), lireFichier(ecrits.value(0))},
        {QStringLiteral("gif"), lireFichier(ecrits.value(1))},
        {QStringLiteral("bmp"), lireFichier(ecrits.value(2))},
        {QStringLiteral("png"), encoder(image, "PNG")}};
    QDir(dossier + QStringLiteral("/tmp")).removeRecursively();
    const auto indice = [](const QString& e) {
        return char(e == u"jpg" ? 0 : e == u"png" ? 1 : e == u"gif" ? 2 : 3);
    };
    for (const auto& [extension, octets] : fichiers) {
        const char choix = indice(extension);
        ecrire(dossier, extension, choix + octets);
        ecrire(dossier, QStringLiteral("geante-") + extension, choix + geante(octets, extension));
        // The larger bound of the fitted load.
        ecrire(dossier, QStringLiteral("grand-") + extension, char(choix | 0x80) + octets);
    }
    // An orientation tag that swaps the axes.
    QByteArray jpeg = encoder(image.transformed(QTransform().rotate(90)), "JPEG");
    ecrire(dossier, QStringLiteral("tourne"), QByteArray(1, 0) + jpeg);
}

// Photos carrying an EXIF thumbnail, turned or not, one with EXIF data and no thumbnail.
void graineExif(const QString& dossier) {
    const QByteArray photo = encoder(Samples::paint(QSize(64, 48), 2), "JPEG");
    const QImage vignette = Samples::paint(QSize(16, 12), 3);
    for (const int orientation : {1, 6, 8})
        ecrire(dossier, QStringLiteral("orientation%1").arg(orientation),
               Samples::withExifThumbnail(photo, vignette, orientation));
    ecrire(dossier, QStringLiteral("sans-vignette"), Samples::withExifThumbnail(photo, {}, 3));
}

void graineAlbums(const QString& dossier) {
    const QByteArray lignes =
        "0000 C:\\Photos\\vacances.jpg\r\n0001 /home/moi/photos/\xe9t\xe9.jpg\r\n"
        "  2  /tmp/espace .jpg  \r\nrien\r\n0003 a\nb\r";
    ecrire(dossier, QStringLiteral("cp1252"), lignes);
    ecrire(dossier, QStringLiteral("utf8"),
           "\xEF\xBB\xBF"
           "0000 /home/moi/été/photo 😀.jpg\r\n0001 /x.gif\r\n");
    ecrire(dossier, QStringLiteral("vide"), QByteArray());
}

void graineLignes(const QString& dossier) {
    // The command line, then a NUL and the host's window variable.
    const QList<QByteArray> lignes = {"/S",
                                      "/s",
                                      "/C",
                                      "/P 12345",
                                      "/p 0x3a00007",
                                      "  /P   077  ",
                                      "/C:1234",
                                      "-root",
                                      "-window-id 0x1400003",
                                      "-window-id 20971523",
                                      "--root",
                                      "--window-id 0x2a",
                                      QByteArray("-root") + '\0' + "0x600001",
                                      QByteArray() + '\0' + "4194307"};
    for (qsizetype n = 0; n < lignes.size(); ++n)
        ecrire(dossier, QString::number(n), lignes[n]);
}

void graineReglages(const QString& dossier) {
    // titre, position, vitesse, Album, NomAlbum, RepertoireOpen, RepertoireExplore,
    // RepertoireSave, WallTemp, Wall 0 .. Wall 6, Fichier 0 ...
    ecrire(dossier, QStringLiteral("usuel"),
           "0\n1\n7\nVACANCES\n/home/moi/VACANCES.alb\n/home/moi/\n/home/moi/photos/\n"
           "/home/moi/\n/p/lundi.jpg\n\n/p/lundi.jpg\n\n\n\n\n\n/p/a.jpg\n/p/b.gif\n/p/c.bmp");
    ecrire(dossier, QStringLiteral("bizarre"),
           " 1e3\n-0.0\n3.5\n   \n\n..\n\n\n\n\n\n\n\n\n\n\n"
           "\xff\xfe\n");
}

void graineIni(const QString& dossier) {
    ecrire(dossier, QStringLiteral("ini"),
           "[Param]\nTitre=0\nPosition=1\nCombo%200=3\n[Demarrage]\nAlbum=VACANCES\n"
           "RepertoireOpen=/tmp/\n[Liste%20de%20Fichiers]\nFichier%200=/p/a.jpg\n"
           "Fichier%201=\"/p/b, c.jpg\"\nFichier%202=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x2\\0x)\n"
           "[Wallpaper]\nWall%201=/p/w.jpg\nWallTemp=\n");
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_graines FOLDER\n");
        return 2;
    }
    const QString racine = QString::fromLocal8Bit(argv[1]);
    graineImages(racine + QStringLiteral("/pictures"));
    graineExif(racine + QStringLiteral("/exif"));
    graineAlbums(racine + QStringLiteral("/album"));
    graineLignes(racine + QStringLiteral("/ligne"));
    graineReglages(racine + QStringLiteral("/reglages"));
    graineIni(racine + QStringLiteral("/ini"));
    return 0;
}
