#include "pictures/pictureheader.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <zlib.h>

namespace {

// Reads a device through a buffer of its own, so that scanning a large file byte by byte
// costs no call per byte.
class Bytes {
public:
    explicit Bytes(QIODevice& device) : m_device(device) {}

    int next() {
        if (m_pos == m_buffer.size()) {
            m_buffer = m_device.read(64 * 1024);
            m_pos = 0;
            if (m_buffer.isEmpty())
                return -1;
        }
        return quint8(m_buffer[m_pos++]);
    }
    // Moves to the next byte `b`, which next() then gives; false at the end of the data.
    bool findByte(char b) {
        for (;;) {
            const qsizetype at = m_buffer.indexOf(b, m_pos);
            if (at >= 0) {
                m_pos = at;
                return true;
            }
            m_buffer = m_device.read(64 * 1024);
            m_pos = 0;
            if (m_buffer.isEmpty())
                return false;
        }
    }
    // A big-endian 16-bit number, or -1 at the end of the data.
    int word() {
        const int high = next();
        const int low = next();
        return high < 0 || low < 0 ? -1 : (high << 8) | low;
    }
    // Up to `n` of the next bytes, fewer only at the end of the data.
    QByteArray take(qint64 n) {
        if (m_pos == m_buffer.size()) {
            m_buffer = m_device.read(64 * 1024);
            m_pos = 0;
        }
        const QByteArray piece = m_buffer.mid(m_pos, qsizetype(std::min<qint64>(n, 64 * 1024)));
        m_pos += piece.size();
        return piece;
    }
    bool skip(qint64 n) {
        const qint64 buffered = std::min<qint64>(n, m_buffer.size() - m_pos);
        m_pos += buffered;
        n -= buffered;
        if (n == 0)
            return true;
        if (m_device.isSequential())
            return m_device.skip(n) == n;
        return m_device.seek(m_device.pos() + n) && m_device.pos() <= m_device.size();
    }

private:
    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
};

quint32 bigEndian32(const QByteArray& b, int at) {
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | quint8(b[at + i]);
    return v;
}

// Bytes that `length` bytes of zlib data inflate to, counted up to `limit`; the data is consumed
// whatever it holds, without keeping what it inflates to.
qint64 inflatedSize(Bytes& in, qint64 length, qint64 limit) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return limit;
    std::array<Bytef, 64 * 1024> out;
    qint64 total = 0;
    int status = Z_OK;
    while (length > 0 && status == Z_OK && total < limit) {
        QByteArray piece = in.take(length);
        if (piece.isEmpty())
            break;
        length -= piece.size();
        z.next_in = reinterpret_cast<Bytef*>(piece.data());
        z.avail_in = uInt(piece.size());
        do {
            z.next_out = out.data();
            z.avail_out = uInt(out.size());
            status = inflate(&z, Z_NO_FLUSH);
            total += qint64(out.size() - z.avail_out);
        } while (status == Z_OK && (z.avail_in > 0 || z.avail_out == 0) && total < limit);
    }
    inflateEnd(&z);
    in.skip(length);
    return std::min(total, limit);
}

// Reads the fields before a zTXt's or iTXt's text, or an iCCP's profile: a name ended by a NUL
// and a byte (the compression method), or for iTXt a keyword, the compression flag and method, a
// language and a translated keyword. Their size, or -1 when they pass the chunk's end; whether
// the rest is compressed in `compressed`.
qint64 readFields(Bytes& in, const QByteArray& type, qint64 length, bool& compressed) {
    // N: a field ended by a NUL; B: one byte.
    const char* const fields = type == "iTXt" ? "NBBNN" : "NB";
    qint64 used = 0;
    int second = 0;
    for (const char* f = fields; *f != 0; ++f) {
        int b = 0;
        do {
            if (used == length || (b = in.next()) < 0)
                return -1;
            ++used;
        } while (*f == 'N' && b != 0);
        if (f == fields + 1)
            second = b;
    }
    compressed = type != "iTXt" || second != 0;
    return used;
}

// Walks the chunks after IHDR to the end and counts what the reader inflates and keeps of them
// besides the pixels: every text (a reader joins those of one key, in UTF-16), the ICC profile,
// the EXIF data and suggested palettes. A chunk of another type is skipped by its length.
void countMetadata(Bytes& in, PictureHeader& h) {
    const qint64 limit = PictureHeader::maxMetadataCounted;
    while (h.metadata < limit) {
        quint32 length = 0;
        for (int i = 0; i < 4; ++i) {
            const int b = in.next();
            if (b < 0)
                return;
            length = (length << 8) | quint32(b);
        }
        const QByteArray type = in.take(4);
        if (type.size() < 4 || length > 0x7fffffff || type == "IEND")
            return;
        qint64 rest = length;
        if (type == "zTXt" || type == "iTXt" || type == "iCCP") {
            bool compressed = false;
            const qint64 fields = readFields(in, type, rest, compressed);
            if (fields < 0)
                return;
            h.metadata += fields;
            rest -= fields;
            if (compressed) {
                h.metadata += inflatedSize(in, rest, limit - h.metadata);
                rest = 0;
            }
            h.metadata += rest;
        } else if (type == "tEXt" || type == "eXIf" || type == "sPLT") {
            h.metadata += rest;
        }
        // The data not read yet, and the checksum.
        if (!in.skip(rest + 4))
            return;
    }
}

PictureHeader readPng(QIODevice& device) {
    PictureHeader h;
    h.kind = PictureHeader::Kind::Png;
    // Signature, then the IHDR chunk, which must come first.
    const QByteArray b = device.read(8 + 8 + 13);
    if (b.size() < 29 || b.mid(12, 4) != "IHDR")
        return h;
    const quint32 width = bigEndian32(b, 16);
    const quint32 height = bigEndian32(b, 20);
    if (width == 0 || height == 0 || width > 0x7fffffff || height > 0x7fffffff)
        return h;
    h.size = QSize(int(width), int(height));
    h.bitDepth = quint8(b[24]);
    h.interlaced = quint8(b[28]) != 0;
    Bytes in(device);
    if (in.skip(4))
        countMetadata(in, h);
    h.metadata = std::min(h.metadata, PictureHeader::maxMetadataCounted);
    return h;
}

struct Component {
    int h = 0;
    int v = 0;
};

bool isFrameMarker(int m) {
    return m >= 0xc0 && m <= 0xcf && m != 0xc4 && m != 0xc8 && m != 0xcc;
}

bool isProgressive(int m) {
    return m == 0xc2 || m == 0xc6 || m == 0xca || m == 0xce;
}

// The next marker's code, fill bytes skipped; -1 at the end of the data.
int nextMarker(Bytes& in) {
    if (!in.findByte(char(0xff)))
        return -1;
    int b = in.next();
    while (b == 0xff)
        b = in.next();
    return b;
}

// The bytes of the coefficient buffer a decoder that keeps the whole picture allocates:
// every component's 8 × 8 blocks, rounded up to whole sampling units, 64 coefficients of
// 2 bytes each.
qint64 coefficientBytes(const QSize& size, const std::array<Component, 4>& c, int count) {
    int hMax = 1;
    int vMax = 1;
    for (int i = 0; i < count; ++i) {
        hMax = std::max(hMax, c[i].h);
        vMax = std::max(vMax, c[i].v);
    }
    qint64 total = 0;
    for (int i = 0; i < count; ++i) {
        const qint64 w = (qint64(size.width()) * c[i].h + hMax - 1) / hMax;
        const qint64 hgt = (qint64(size.height()) * c[i].v + vMax - 1) / vMax;
        const qint64 bw = ((w + 7) / 8 + c[i].h - 1) / c[i].h * c[i].h;
        const qint64 bh = ((hgt + 7) / 8 + c[i].v - 1) / c[i].v * c[i].v;
        total += bw * bh * 64 * 2;
    }
    return total;
}

bool readFrame(Bytes& in, int marker, PictureHeader& h, std::array<Component, 4>& c, int& count) {
    const int length = in.word();
    in.next(); // precision
    const int height = in.word();
    const int width = in.word();
    count = in.next();
    if (length < 8 || height <= 0 || width <= 0 || count < 1 || count > 4 ||
        length != 8 + 3 * count)
        return false;
    for (int i = 0; i < count; ++i) {
        in.next();
        const int sampling = in.next();
        in.next();
        c[i] = {sampling >> 4, sampling & 15};
        if (c[i].h < 1 || c[i].h > 4 || c[i].v < 1 || c[i].v > 4)
            return false;
    }
    h.size = QSize(width, height);
    h.fullBuffer = isProgressive(marker);
    return true;
}

// After the first scan: whether an end-of-image marker follows. Entropy-coded data never holds
// a marker (a 0xff byte there is followed by 0 or is a restart), and segments between the scans
// of a progressive picture are skipped by their length.
bool reachesEnd(Bytes& in) {
    for (int m = nextMarker(in); m >= 0; m = nextMarker(in)) {
        if (m == 0xd9)
            return true;
        if (m == 0 || (m >= 0xd0 && m <= 0xd7))
            continue;
        const int length = in.word();
        if (length < 2 || !in.skip(length - 2))
            return false;
    }
    return false;
}

PictureHeader readJpeg(QIODevice& device) {
    PictureHeader h;
    h.kind = PictureHeader::Kind::Jpeg;
    Bytes in(device);
    in.skip(2);
    std::array<Component, 4> components;
    int count = 0;
    for (int m = nextMarker(in); m >= 0; m = nextMarker(in)) {
        if (m == 0xd9 || m == 0xd8 || m == 0x01 || (m >= 0xd0 && m <= 0xd7))
            continue;
        if (isFrameMarker(m)) {
            if (!readFrame(in, m, h, components, count))
                break;
            continue;
        }
        const int length = in.word();
        if (length < 2)
            break;
        if (m == 0xda) {
            if (!h.size.isValid())
                break;
            // Scans that leave out a component are decoded into the whole buffer too.
            h.fullBuffer = h.fullBuffer || in.next() < count;
            if (h.fullBuffer)
                h.coefficients = coefficientBytes(h.size, components, count);
            in.skip(length - 3);
            h.complete = reachesEnd(in);
            return h;
        }
        if (!in.skip(length - 2))
            break;
    }
    // No scan: nothing a decoder could show.
    h.size = QSize();
    h.complete = false;
    return h;
}

} // namespace

PictureHeader PictureHeader::read(QIODevice& device) {
    const QByteArray magic = device.peek(8);
    if (magic.startsWith("\x89PNG\r\n\x1a\n"))
        return readPng(device);
    if (magic.startsWith("\xff\xd8"))
        return readJpeg(device);
    return {};
}
