// fuzz_graines FOLDER: writes the seeds of every fuzz target into FOLDER/<target>/: our own
// sample pictures, small, in every format the program reads, and the same pictures with headers
// that claim huge sizes or hold texts that inflate past the decode bound, an EXIF thumbnail, a
// shared thumbnail and a wallpaper bitmap as the program reads them; photos with EXIF thumbnails;
// album files with and without the byte-order mark; command lines and stored options as the program
// and its users write them.

#include "pictures/qtpictures.h"
#include "samples.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>
#include <cstdio>
#include <tuple>

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
        // Baseline or progressive frame, whichever the file has.
        qsizetype sof = o.indexOf(QByteArray("\xFF\xC0", 2));
        if (sof < 0)
            sof = o.indexOf(QByteArray("\xFF\xC2", 2));
        poserBe<quint16>(o, sof + 5, 65500);
        poserBe<quint16>(o, sof + 7, 65500);
    } else if (extension == u"heic" || extension == u"avif") {
        // The primary picture's size property, after its version and flags.
        const qsizetype ispe = o.indexOf("ispe");
        if (ispe >= 0) {
            poserBe<quint32>(o, ispe + 8, 60000);
            poserBe<quint32>(o, ispe + 12, 60000);
        }
    }
    return o;
}

QByteArray chunkPng(const char* type, const QByteArray& donnees) {
    QByteArray c(4, 0);
    poserBe<quint32>(c, 0, quint32(donnees.size()));
    c += type + donnees + QByteArray(4, 0);
    poserBe<quint32>(c, c.size() - 4, crc32Png(c.constData() + 4, c.size() - 8));
    return c;
}

// Qt writes no interlaced PNG: the seven passes of Adam7 by hand, 8-bit RGB, rows unfiltered.
// `annonce` is the size the header claims.
QByteArray pngEntrelace(const QImage& image, QSize annonce) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    static const int passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                     {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    QByteArray lignes;
    for (const auto& [x0, y0, dx, dy] : passes) {
        for (int y = y0; y < rgb.height(); y += dy) {
            if (x0 >= rgb.width())
                break;
            lignes += char(0);
            for (int x = x0; x < rgb.width(); x += dx)
                lignes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)) + 3 * x, 3);
        }
    }
    QByteArray entete(13, 0);
    poserBe<quint32>(entete, 0, quint32(annonce.width()));
    poserBe<quint32>(entete, 4, quint32(annonce.height()));
    entete[8] = 8;  // bits per sample
    entete[9] = 2;  // RGB
    entete[12] = 1; // Adam7
    return QByteArray("\x89PNG\r\n\x1a\n") + chunkPng("IHDR", entete) +
           chunkPng("IDAT", qCompress(lignes).sliced(4)) + chunkPng("IEND", {});
}

QByteArray jpegProgressif(const QImage& image) {
    QByteArray octets;
    QBuffer tampon(&octets);
    QImageWriter ecrivain(&tampon, "jpeg");
    ecrivain.setProgressiveScanWrite(true);
    ecrivain.write(image);
    return octets;
}

// A decoder that keeps every coefficient of a progressive JPEG takes 2 bytes per pixel of its
// largest component whatever the size asked: a 12000 × 12000 frame, the file long enough for the
// checks that refuse pictures too short for their size.
QByteArray jpegProgressifGeant(const QImage& image) {
    QByteArray o = jpegProgressif(image);
    const qsizetype sof = o.indexOf(QByteArray("\xFF\xC2", 2));
    poserBe<quint16>(o, sof + 5, 12000);
    poserBe<quint16>(o, sof + 7, 12000);
    return o + QByteArray(12000 * 12000 / 512 + 1024 - o.size(), 0);
}

// `png` with `chunk` repeated `fois` times before its pixels, or after them.
QByteArray avecChunks(const QByteArray& png, const QByteArray& chunk, int fois, bool apres) {
    const qsizetype at = apres ? png.size() - 12 : png.indexOf("IDAT") - 4;
    return png.left(at) + chunk.repeated(fois) + png.sliced(at);
}

// A chunk whose compressed part (after `champs`) inflates to `taille` bytes.
QByteArray chunkGonfle(const char* type, const QByteArray& champs, int taille) {
    return chunkPng(type, champs + qCompress(QByteArray(taille, 'a'), 9).sliced(4));
}

// What a PNG reader inflates or keeps besides the pixels: compressed texts before and after
// them, past the bound once inflated yet a few kilobytes each on disk; a profile, EXIF data and
// a plain text within it.
void graineMetadonnees(const QString& dossier, const QByteArray& png) {
    const QByteArray itxt("XML:com.adobe.xmp\0\1\0\0\0", 22);
    const QList<std::pair<QString, QByteArray>> graines = {
        {QStringLiteral("png-ztxt"),
         avecChunks(png, chunkGonfle("zTXt", QByteArray("Comment\0\0", 9), 7'900'000), 12, false)},
        {QStringLiteral("png-itxt-apres"),
         avecChunks(png, chunkGonfle("iTXt", itxt, 7'900'000), 12, true)},
        {QStringLiteral("png-iccp"),
         avecChunks(png, chunkGonfle("iCCP", QByteArray("ICC\0\0", 5), 4'000'000), 1, false)},
        {QStringLiteral("png-exif"),
         avecChunks(png, chunkPng("eXIf", "II*\0" + QByteArray(4000, 0)), 1, false)},
        {QStringLiteral("png-text"),
         avecChunks(png, chunkPng("tEXt", "Comment\0" + QByteArray(4000, 'x')), 3, true)}};
    for (const auto& [nom, octets] : graines)
        ecrire(dossier, nom, char(1) + octets);
}

// The pictures decoded outside the album's photos, as the program meets them: an EXIF thumbnail
// (decoded from memory), a desktop's shared thumbnail with its texts, the wallpaper's bitmap.
void graineAutresDecodes(const QString& dossier) {
    const QImage image = Samples::paint(QSize(128, 96), 4);
    ecrire(dossier, QStringLiteral("vignette-exif"), char(0x40) + encoder(image, "JPEG"));
    QImage partagee = image;
    partagee.setText(QStringLiteral("Thumb::URI"), QStringLiteral("file:///home/moi/a.jpg"));
    partagee.setText(QStringLiteral("Thumb::MTime"), QStringLiteral("1700000000"));
    ecrire(dossier, QStringLiteral("vignette-partagee"), char(1) + encoder(partagee, "PNG"));
    const QString bmp = dossier + QStringLiteral("/LMV.bmp");
    if (QtPictures().saveBmp(image, bmp, nullptr))
        ecrire(dossier, QStringLiteral("fond-ecran"), char(3) + lireFichier(bmp));
    QFile::remove(bmp);
}

void graineImages(const QString& dossier) {
    const QImage image = Samples::paint(QSize(48, 32), 1);
    const QStringList ecrits = Samples::writeSet(
        dossier + QStringLiteral("/tmp"), {{QStringLiteral("a"), {48, 32}, Samples::Format::Jpeg},
                                           {QStringLiteral("b"), {40, 30}, Samples::Format::Gif},
                                           {QStringLiteral("c"), {24, 36}, Samples::Format::Bmp}});
    // HEIC turned by its own rotation, AVIF as it is, encoded by libheif.
    const QString heic = dossier + QStringLiteral("/tmp/d.heic");
    const QString avif = dossier + QStringLiteral("/tmp/e.avif");
    Samples::writeHeif(image, heic, Samples::HeifCodec::Hevc, 6);
    Samples::writeHeif(image, avif, Samples::HeifCodec::Avif);
    // The first byte of a seed picks the extension the harness gives the file: its index in the
    // harness's list (jpg, png, gif, bmp, none, JPEG, tif, webp), or 0x20 and 0x21 for heic, avif.
    const QList<std::tuple<QString, char, QByteArray>> fichiers = {
        {QStringLiteral("jpg"), 0, lireFichier(ecrits.value(0))},
        {QStringLiteral("gif"), 2, lireFichier(ecrits.value(1))},
        {QStringLiteral("bmp"), 3, lireFichier(ecrits.value(2))},
        {QStringLiteral("png"), 1, encoder(image, "PNG")},
        {QStringLiteral("tif"), 6, encoder(image, "TIFF")},
        {QStringLiteral("webp"), 7, encoder(image, "WEBP")},
        {QStringLiteral("heic"), 0x20, lireFichier(heic)},
        {QStringLiteral("avif"), 0x21, lireFichier(avif)},
        {QStringLiteral("png-entrelace"), 1, pngEntrelace(image, image.size())},
        {QStringLiteral("jpg-progressif"), 0, jpegProgressif(image)}};
    QDir(dossier + QStringLiteral("/tmp")).removeRecursively();
    for (const auto& [nom, choix, octets] : fichiers) {
        if (octets.isEmpty())
            continue; // a format this Qt does not write
        ecrire(dossier, nom, choix + octets);
        if (const QByteArray g = geante(octets, nom.section(u'-', 0, 0)); g != octets)
            ecrire(dossier, QStringLiteral("geante-") + nom, choix + g);
        // The larger bound of the fitted load.
        ecrire(dossier, QStringLiteral("grand-") + nom, char(choix | 0x80) + octets);
    }
    // An orientation tag that swaps the axes.
    QByteArray jpeg = encoder(image.transformed(QTransform().rotate(90)), "JPEG");
    ecrire(dossier, QStringLiteral("tourne"), QByteArray(1, 0) + jpeg);
    // Headers within every check that the reader makes, whose decode the decoder itself
    // makes huge.
    ecrire(dossier, QStringLiteral("png-entrelace-12000"),
           char(1) + pngEntrelace(image, QSize(12000, 12000)));
    ecrire(dossier, QStringLiteral("jpg-progressif-12000"), char(0) + jpegProgressifGeant(image));
    graineMetadonnees(dossier, encoder(image, "PNG"));
    graineAutresDecodes(dossier);
}

// photos carrying an EXIF thumbnail, turned or not, one with EXIF data and no thumbnail.
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
    ecrire(dossier, QStringLiteral("longue"), "\xff\xff\n"); // a photo list past the show's bound
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
