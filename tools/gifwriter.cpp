#include "gifwriter.h"

#include <QHash>

namespace {

int paletteIndex(QRgb c) {
    const int r = (qRed(c) * 5 + 127) / 255, g = (qGreen(c) * 6 + 127) / 255,
              b = (qBlue(c) * 5 + 127) / 255;
    return (r * 7 + g) * 6 + b;
}

QRgb paletteColour(int i) {
    const int b = i % 6, g = (i / 6) % 7, r = i / 42;
    return qRgb(r * 255 / 5, g * 255 / 6, b * 255 / 5);
}

class BitWriter {
public:
    explicit BitWriter(QByteArray& out) : m_out(out) {}
    void put(int code, int bits) {
        m_acc |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            pushByte(char(m_acc & 0xff));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    void finish() {
        if (m_count > 0)
            pushByte(char(m_acc & 0xff));
        flushBlock();
        m_out.append('\0');
    }

private:
    void pushByte(char b) {
        m_block.append(b);
        if (m_block.size() == 255)
            flushBlock();
    }
    void flushBlock() {
        if (m_block.isEmpty())
            return;
        m_out.append(char(m_block.size()));
        m_out.append(m_block);
        m_block.clear();
    }
    QByteArray& m_out;
    QByteArray m_block;
    quint32 m_acc = 0;
    int m_count = 0;
};

void appendWord(QByteArray& out, int v) {
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

} // namespace

QByteArray encodeGif(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QByteArray out("GIF89a");
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append(char(0xf7)); // global table of 256 colours
    out.append('\0');
    out.append('\0');
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < 252 ? paletteColour(i) : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(',');
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append('\0');
    out.append(char(8)); // minimum code size

    constexpr int clear = 256, end = 257;
    BitWriter bits(out);
    QHash<quint32, int> table;
    int next = 258, width = 9;
    bits.put(clear, width);
    int prefix = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int k = paletteIndex(line[x]);
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const quint32 key = (quint32(prefix) << 8) | quint32(k);
            const auto found = table.constFind(key);
            if (found != table.cend()) {
                prefix = *found;
                continue;
            }
            bits.put(prefix, width);
            if (next < 4096) {
                table.insert(key, next++);
                if (next > (1 << width) && width < 12)
                    ++width;
            } else {
                bits.put(clear, width);
                table.clear();
                next = 258;
                width = 9;
            }
            prefix = k;
        }
    }
    if (prefix >= 0)
        bits.put(prefix, width);
    bits.put(end, width);
    bits.finish();
    out.append(';');
    return out;
}
