#include "pictures/reducedjpeg.h"

#include "platform/largebuffers.h"

#include <QIODevice>
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <vector>

namespace {

// Loops run in blocks of this many bytes, which the compiler turns into vector operations.
constexpr size_t Block = 16;
// The weights of the source rows that make one destination row add up to this.
constexpr int One = 256;
// The most source rows one destination row covers on this path.
constexpr double MaxRowsPerRow = 16;

size_t padded(size_t bytes) {
    return (bytes + Block - 1) / Block * Block;
}

// out = (w0 × a + w1 × b + w2 × c) / One, rounded, over `bytes` bytes (a multiple of Block);
// the weights add up to One.
void blendRows(uchar* __restrict out, const uchar* a, quint16 w0, const uchar* b, quint16 w1,
               const uchar* c, quint16 w2, size_t bytes) {
    for (size_t i = 0; i < bytes; i += Block)
        for (size_t k = 0; k < Block; ++k)
            out[i + k] = uchar((w0 * a[i + k] + w1 * b[i + k] + w2 * c[i + k] + One / 2) / One);
}

// sums += weight × row, over `bytes` bytes (a multiple of Block).
void addWeighted(quint16* __restrict sums, const uchar* __restrict row, quint16 weight,
                 size_t bytes) {
    for (size_t i = 0; i < bytes; i += Block)
        for (size_t k = 0; k < Block; ++k)
            sums[i + k] = quint16(sums[i + k] + weight * row[i + k]);
}

// out = sums / One, rounded; the sums are cleared for the next row.
void divideAndClear(uchar* __restrict out, quint16* __restrict sums, size_t bytes) {
    for (size_t i = 0; i < bytes; i += Block)
        for (size_t k = 0; k < Block; ++k) {
            out[i + k] = uchar((sums[i + k] + One / 2) / One);
            sums[i + k] = 0;
        }
}

// Reduces the decoder's rows, given from top to bottom, to `dest`: each pixel of `dest` is the
// mean of the area it covers. The decoder writes into the last few rows kept here; once the
// rows a destination row covers are in, they are averaged, weighted in 256ths by how much of
// each it covers, into a row of the decoder's width. A band of those at a time is then
// narrowed by the platform's smooth scaling, which averages areas too.
class Reduction {
public:
    Reduction(const QSize& source, QImage& dest)
        : m_dest(dest), m_width(source.width()), m_step(double(source.height()) / dest.height()),
          m_sourceRows(source.height()), m_rowBytes(padded(size_t(source.width()) * 4)),
          m_kept(int(std::ceil(m_step)) + 1),
          m_bandRows(std::clamp(SerialPixels / source.width(), 1, 32)),
          m_rows(m_rowBytes * size_t(m_kept)), m_sums(m_kept > 3 ? m_rowBytes : 0),
          m_band(m_rowBytes * size_t(m_bandRows)) {}

    // Where the decoder writes source row `y`: BGRX pixels, and room to a multiple of Block.
    uchar* row(int y) { return m_rows.data() + size_t(y % m_kept) * m_rowBytes; }

    // Source row `y` is in place.
    void add(int y) {
        while (m_done < m_dest.height() && covered(m_done, y) == One)
            completeRow(y);
    }

    void finish() {
        while (m_done < m_dest.height())
            completeRow(m_sourceRows - 1);
        narrowBand();
    }

private:
    // The platform's scaling shares a picture of more pixels than this between threads: a
    // band stays under it, as the decode already runs on a thread of its own.
    static constexpr int SerialPixels = 2 * 65536 - 1;

    // How much of destination row `d` the source rows up to `y` cover, in 256ths: rounded
    // from the exact share, so that the weights of a row add up to exactly One.
    int covered(int d, int y) const {
        const double a = d * m_step;
        const double b = std::min(double(m_sourceRows), (d + 1) * m_step);
        return int(std::lround(std::clamp((y + 1 - a) / (b - a), 0.0, 1.0) * One));
    }

    quint16 weight(int d, int y) const { return quint16(covered(d, y) - covered(d, y - 1)); }

    // Destination row m_done, from the source rows it covers, the last of them `last`. A
    // destination row covers at most m_kept source rows, all still kept.
    void completeRow(int last) {
        const int d = m_done;
        const int first = std::max(int(d * m_step), last - m_kept + 1);
        uchar* out = m_band.data() + size_t(m_inBand) * m_rowBytes;
        if (last - first < 3) {
            const int b = std::min(first + 1, last);
            const int c = std::min(first + 2, last);
            blendRows(out, row(first), weight(d, first), row(b), b > first ? weight(d, b) : 0,
                      row(c), c > b ? weight(d, c) : 0, m_rowBytes);
        } else {
            for (int y = first; y <= last; ++y)
                addWeighted(m_sums.data(), row(y), weight(d, y), m_rowBytes);
            divideAndClear(out, m_sums.data(), m_rowBytes);
        }
        ++m_done;
        if (++m_inBand == m_bandRows)
            narrowBand();
    }

    void narrowBand() {
        if (m_inBand == 0)
            return;
        const QImage band(m_band.data(), m_width, m_inBand, qsizetype(m_rowBytes),
                          QImage::Format_RGB32);
        const QImage narrow =
            band.scaled(m_dest.width(), m_inBand, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        const int first = m_done - m_inBand;
        const auto bytes = size_t(m_dest.width()) * 4;
        for (int i = 0; i < m_inBand; ++i)
            std::memcpy(m_dest.scanLine(first + i), narrow.constScanLine(i), bytes);
        m_inBand = 0;
    }

    QImage& m_dest;
    int m_width;
    double m_step;
    int m_sourceRows;
    size_t m_rowBytes;
    int m_kept; // source rows kept: the most one destination row covers
    int m_bandRows;
    std::vector<uchar> m_rows;
    std::vector<quint16> m_sums; // for a destination row that covers more than three
    std::vector<uchar> m_band;
    int m_inBand = 0;
    int m_done = 0;
};

struct Errors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void failed(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Errors*>(info->err)->jump, 1);
}

void quiet(j_common_ptr, int) {}

// Reads the file a block at a time; a file that ends early ends as the decoder's own reader
// ends one, with an end marker.
struct Source {
    jpeg_source_mgr manager{};
    QIODevice* file = nullptr;
    JOCTET block[65536];
};

boolean fill(j_decompress_ptr info) {
    auto* s = reinterpret_cast<Source*>(info->src);
    qint64 n = s->file->read(reinterpret_cast<char*>(s->block), sizeof(s->block));
    if (n <= 0) {
        s->block[0] = 0xFF;
        s->block[1] = JPEG_EOI;
        n = 2;
    }
    s->manager.next_input_byte = s->block;
    s->manager.bytes_in_buffer = size_t(n);
    return TRUE;
}

void skip(j_decompress_ptr info, long count) {
    jpeg_source_mgr& m = *info->src;
    while (count > long(m.bytes_in_buffer)) {
        count -= long(m.bytes_in_buffer);
        fill(info);
    }
    if (count > 0) {
        m.next_input_byte += count;
        m.bytes_in_buffer -= size_t(count);
    }
}

void nothing(j_decompress_ptr) {}

void setSource(jpeg_decompress_struct& info, Source& source, QIODevice& file) {
    source.file = &file;
    source.manager.init_source = nothing;
    source.manager.fill_input_buffer = fill;
    source.manager.skip_input_data = skip;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = nothing;
    info.src = &source.manager;
}

// Sets the eighths the decoder keeps, and the output size they give: the fewest of 8, 4, 2 and
// 1 that leave the picture at least `size`. The decoder has vector code for those; the others
// (3/8, 5/8...) take longer than decoding the whole picture.
void setEighths(jpeg_decompress_struct& info, const QSize& size) {
    info.scale_denom = 8;
    for (unsigned e = 8; e > 1; e /= 2) {
        info.scale_num = e / 2;
        jpeg_calc_output_dimensions(&info);
        if (int(info.output_width) < size.width() || int(info.output_height) < size.height()) {
            info.scale_num = e;
            break;
        }
    }
    jpeg_calc_output_dimensions(&info);
}

void setDensity(const jpeg_decompress_struct& info, QImage& image) {
    if (info.density_unit == 1) {
        image.setDotsPerMeterX(int(100. * info.X_density / 2.54));
        image.setDotsPerMeterY(int(100. * info.Y_density / 2.54));
    } else if (info.density_unit == 2) {
        image.setDotsPerMeterX(int(100. * info.X_density));
        image.setDotsPerMeterY(int(100. * info.Y_density));
    }
}

// What the decode needs is made before the jump point; after it only plain values change.
struct Decode {
    jpeg_decompress_struct info{};
    Errors errors{};
    Source source;
    std::optional<Reduction> reduction;
    bool handled = true;
};

void run(Decode& d, QIODevice& file, const QSize& size, QImage& result) {
    jpeg_create_decompress(&d.info);
    setSource(d.info, d.source, file);
    jpeg_read_header(&d.info, TRUE);
    const bool colour = d.info.jpeg_color_space == JCS_YCbCr || d.info.jpeg_color_space == JCS_RGB;
    if (!colour || jpeg_has_multiple_scans(&d.info) || int(d.info.image_width) <= size.width() ||
        int(d.info.image_height) <= size.height()) {
        d.handled = false;
        return;
    }
    d.info.out_color_space = JCS_EXT_BGRX;
    d.info.dct_method = JDCT_ISLOW;
    setEighths(d.info, size);
    // The rows a row of the result covers are kept while it is made: a tiny result of a large
    // picture is left to the reader.
    if (double(d.info.output_height) / size.height() > MaxRowsPerRow) {
        d.handled = false;
        return;
    }
    jpeg_start_decompress(&d.info);
    const int width = int(d.info.output_width);
    const int height = int(d.info.output_height);
    result = recyclableImage(size);
    if (result.isNull() || width < size.width() || height < size.height())
        failed(reinterpret_cast<j_common_ptr>(&d.info));
    setDensity(d.info, result);
    d.reduction.emplace(QSize(width, height), result);
    while (int(d.info.output_scanline) < height) {
        const int y = int(d.info.output_scanline);
        JSAMPROW row = d.reduction->row(y);
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1)
            failed(reinterpret_cast<j_common_ptr>(&d.info));
        d.reduction->add(y);
    }
    d.reduction->finish();
    jpeg_finish_decompress(&d.info);
}

} // namespace

std::optional<QImage> decodeReducedJpeg(QIODevice& file, const QSize& size) {
    if (size.isEmpty())
        return std::nullopt;
    Decode d;
    QImage result;
    d.info.err = jpeg_std_error(&d.errors.manager);
    d.errors.manager.error_exit = failed;
    d.errors.manager.emit_message = quiet;
    if (setjmp(d.errors.jump)) {
        jpeg_destroy_decompress(&d.info);
        return QImage();
    }
    run(d, file, size, result);
    jpeg_destroy_decompress(&d.info);
    if (!d.handled)
        return std::nullopt;
    return result;
}
