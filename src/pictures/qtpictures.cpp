#include "pictures/qtpictures.h"

#include "pictures/decodeplan.h"
#include "pictures/heifpictures.h"
#include "pictures/pictureheader.h"
#include "pictures/reducedjpeg.h"
#include "pictures/transformations.h"
#include "platform/imagepools.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <QSaveFile>
#include <QSemaphore>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace {

// Pixels counted up to 2^40, far past any bound, so that a header's huge sides cannot overflow.
qint64 decodedBytes(const QSize& size) {
    return std::min(qint64(size.width()) * size.height(), qint64(1) << 40) * 4;
}

// Largest size inside `bound` (both in the stored orientation) that keeps the aspect ratio and
// whose pixels fit in `room` bytes; never larger than the picture itself.
QSize decodeSize(const QSize& stored, QSize bound, qint64 room) {
    QSize target = stored;
    if (bound.isValid() && (stored.width() > bound.width() || stored.height() > bound.height()))
        target = stored.scaled(bound, Qt::KeepAspectRatio);
    const qint64 bytes = decodedBytes(target);
    if (bytes > room) {
        const double f = std::sqrt(double(std::max<qint64>(room, 4)) / double(bytes));
        target = QSize(std::max(1, int(target.width() * f)), std::max(1, int(target.height() * f)));
    }
    return target.expandedTo(QSize(1, 1));
}

// A JPEG spends at least one bit on each 8 × 8 block: a file shorter than that for the size its
// header claims is cut or forged, and the decoder would spend seconds filling in blocks that are
// not there (a 3 KB file claiming 65500 × 65500 pixels).
bool tooShortForItsSize(QImageReader& reader, const QSize& stored) {
    if (reader.format() != "jpeg" || !reader.device())
        return false;
    return reader.device()->size() * 512 < qint64(stored.width()) * stored.height();
}

// Where a decode reads: a file, or a picture held in memory in a known format. Each reader of
// the decode gets a device of its own on it.
struct Source {
    static Source file(const QString& path) { return {path, {}, nullptr}; }

    QString path;
    QByteArray bytes;
    const char* format = nullptr; // in memory

    // A file is turned by the orientation its own EXIF data gives; a picture held in memory (an
    // EXIF thumbnail, which its photo's orientation turns) is not.
    bool turned() const { return !format; }

    bool readable() const { return format ? !bytes.isEmpty() : isRegularFile(path); }
    std::unique_ptr<QIODevice> open() const {
        std::unique_ptr<QIODevice> device;
        if (format) {
            auto buffer = std::make_unique<QBuffer>();
            buffer->setData(bytes);
            device = std::move(buffer);
        } else {
            device = std::make_unique<QFile>(path);
        }
        if (!device->open(QIODevice::ReadOnly))
            device.reset();
        return device;
    }
    // A file's reader also takes its format from the file's name, as Qt's readers do.
    void attach(QImageReader& reader, std::unique_ptr<QIODevice>& device) const {
        if (!format) {
            reader.setFileName(path);
            return;
        }
        device = open();
        reader.setDevice(device.get());
        reader.setFormat(format);
    }
};

PictureHeader headerOf(const Source& source) {
    const std::unique_ptr<QIODevice> device = source.open();
    return device ? PictureHeader::read(*device) : PictureHeader();
}

// What the reader holds besides the pixels already passes the bound: not even its header is
// read by it (a PNG reader inflates the texts before the pixels as it reads the size).
bool refusedWhole(const PictureHeader& header) {
    return DecodePlan::besidePixels(header) > Pictures::maxDecodeBytes;
}

// One budget for the whole process, whichever service decodes: memory is the process's.
QSemaphore& budget() {
    static QSemaphore units(int(Pictures::maxDecodeBytes / (1024 * 1024)));
    return units;
}

// Holds a decode's share of the bound for as long as it lives: decodes that run together never
// need more than the bound in all; one that does not fit waits for the others to end.
class Share {
public:
    Share(QSemaphore& budget, qint64 bytes) : m_budget(budget), m_units(unitsOf(bytes)) {
        m_budget.acquire(m_units);
    }
    ~Share() { m_budget.release(m_units); }
    Share(const Share&) = delete;
    Share& operator=(const Share&) = delete;

    static constexpr qint64 unit = 1024 * 1024;
    static int unitsOf(qint64 bytes) { return int((bytes + unit - 1) / unit); }

private:
    QSemaphore& m_budget;
    int m_units;
};

// A JPEG reduced as it is decoded, without the reader's intermediate picture; nothing when
// that path does not read it.
std::optional<QImage> reducedJpeg(const Source& source, const QSize& target) {
    const std::unique_ptr<QIODevice> device = source.open();
    if (!device)
        return std::nullopt;
    return decodeReducedJpeg(*device, target);
}

// A HEIC/HEIF or AVIF file: Qt has no reader for it; libheif's decode is planned and shares the
// bound like any other.
std::optional<HeifPictures::Header> heifHeaderOf(const Source& source) {
    if (source.format)
        return std::nullopt;
    const std::unique_ptr<QIODevice> device = source.open();
    if (!device || !HeifPictures::recognises(device->read(64)))
        return std::nullopt;
    return HeifPictures::readHeader(source.path);
}

QImage decodeHeif(const Source& source, const HeifPictures::Header& header, const QSize& bound) {
    const DecodePlan plan = DecodePlan::heif(
        header, decodeSize(header.size, bound, Pictures::maxDecodeBytes), Pictures::maxDecodeBytes);
    if (plan.refused)
        return {};
    const Share share(budget(), plan.bytes);
    return HeifPictures::decode(source.path, plan.scaled ? plan.asked : QSize());
}

QImage decodeScaled(const Source& source, const QSize& bound) {
    if (!source.readable())
        return {};
    if (const auto heif = heifHeaderOf(source))
        return decodeHeif(source, *heif, bound);
    // Read before the reader opens the file: what the header says of the decode's memory, and
    // whether a JPEG's data ends early (its reader would fill the rest with grey).
    const PictureHeader header = headerOf(source);
    if (refusedWhole(header))
        return {};
    std::unique_ptr<QIODevice> device;
    QImageReader reader;
    source.attach(reader, device);
    reader.setAutoTransform(source.turned());
    const QImageIOHandler::Transformations turn =
        source.turned() ? reader.transformation() : QImageIOHandler::TransformationNone;
    const bool swaps = turn.testFlag(QImageIOHandler::TransformationRotate90);
    const QSize stored = header.kind != PictureHeader::Kind::Other ? header.size : reader.size();
    if (!stored.isValid() || tooShortForItsSize(reader, stored))
        return {};
    QSize storedBound = bound;
    if (bound.isValid() && swaps)
        storedBound.transpose();
    const QSize target = decodeSize(stored, storedBound,
                                    Pictures::maxDecodeBytes - DecodePlan::besidePixels(header));
    const DecodePlan plan =
        DecodePlan::make(header, stored, target, reader.supportsOption(QImageIOHandler::ScaledSize),
                         turn != QImageIOHandler::TransformationNone, Pictures::maxDecodeBytes);
    if (plan.refused)
        return {};
    // Qt's own limit stays, a second guard on each image its readers allocate.
    reader.setAllocationLimit(Share::unitsOf(Pictures::maxDecodeBytes) + 1);
    const Share share(budget(), plan.bytes);
    if (header.kind == PictureHeader::Kind::Jpeg && plan.scaled)
        if (std::optional<QImage> reduced = reducedJpeg(source, plan.asked))
            return reduced->isNull() ? QImage() : applyTransformations(*std::move(reduced), turn);
    if (plan.scaled)
        reader.setScaledSize(plan.asked);
    QImage image = reader.read();
    if (image.isNull() || plan.scaled || target == stored)
        return image;
    QSize shown = target;
    if (swaps)
        shown.transpose();
    return image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage readScaled(const Source& source, const QSize& bound) {
    QImage image = decodeScaled(source, bound);
    // A decoder may give another size than its header announced (a GIF whose screen is wider
    // than its frame): the bound holds all the same.
    if (bound.isValid() && (image.width() > bound.width() || image.height() > bound.height()))
        image = image.scaled(bound, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

QImage QtPictures::load(const QString& path) const {
    return readScaled(Source::file(path), QSize());
}

QImage QtPictures::loadFitted(const QString& path, const QSize& bound) const {
    return readScaled(Source::file(path), bound);
}

QImage QtPictures::loadData(const QByteArray& bytes, const char* format) const {
    return readScaled({QString(), bytes, format}, QSize());
}

QSize QtPictures::size(const QString& path) const {
    if (!isRegularFile(path))
        return {};
    if (const auto heif = heifHeaderOf(Source::file(path)))
        return heif->size;
    if (refusedWhole(headerOf(Source::file(path))))
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize s = reader.size();
    if (s.isValid() && reader.transformation().testFlag(QImageIOHandler::TransformationRotate90))
        s.transpose();
    return s;
}

namespace {

template <typename T> void putLe(QByteArray& out, T value) {
    for (size_t i = 0; i < sizeof(T); ++i)
        out.append(char((quint64(value) >> (8 * i)) & 0xff));
}

// The 54 bytes before the pixels of an uncompressed 24-bit bitmap whose rows run bottom-up.
QByteArray bmpHeader(const QImage& image, quint32 rowBytes) {
    const quint32 pixels = rowBytes * quint32(image.height());
    QByteArray h;
    h.append("BM", 2);
    putLe<quint32>(h, 54 + pixels);
    putLe<quint32>(h, 0);
    putLe<quint32>(h, 54);
    putLe<quint32>(h, 40);
    putLe<qint32>(h, image.width());
    putLe<qint32>(h, image.height());
    putLe<quint16>(h, 1);
    putLe<quint16>(h, 24);
    putLe<quint32>(h, 0); // no compression
    putLe<quint32>(h, pixels);
    putLe<qint32>(h, image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 2835);
    putLe<qint32>(h, image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 2835);
    putLe<quint32>(h, 0);
    putLe<quint32>(h, 0);
    return h;
}

} // namespace

bool QtPictures::saveBmp(const QImage& source, const QString& path, QString* error) const {
    if (source.isNull()) {
        if (error)
            *error = QStringLiteral("image vide");
        return false;
    }
    // Rows are converted one at a time: a wallpaper of 24 megapixels must not need two more
    // full-size copies of itself on the way to the file.
    const bool direct = source.format() == QImage::Format_RGB32 ||
                        source.format() == QImage::Format_ARGB32 ||
                        source.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage image = direct ? source : source.convertToFormat(QImage::Format_RGB32);
    const quint32 rowBytes = (quint32(image.width()) * 3 + 3) & ~3u;
    const ImagePools::PendingWrite ecriture;
    QSaveFile file(path);
    const auto fail = [&] {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (file.write(bmpHeader(image, rowBytes)) != 54)
        return fail();
    QByteArray row(int(rowBytes), '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* out = row.data();
        for (int x = 0; x < image.width(); ++x) {
            *out++ = char(qBlue(in[x]));
            *out++ = char(qGreen(in[x]));
            *out++ = char(qRed(in[x]));
        }
        if (file.write(row) != qint64(rowBytes))
            return fail();
    }
    // The buffer's last bytes fail at the flush, which commit() would not report.
    if (!file.flush())
        return fail();
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
