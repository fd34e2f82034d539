#include "platform/reducedjpeg.h"

#include "platform/largebuffers.h"

#include <QIODevice>
#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace {

// The source pixels (or rows) a destination cell covers: the first one, partly, with the part
// of it that falls in the cell; the ones wholly inside; the last one, partly.
struct Span {
    int first = 0;
    float firstPart = 0.0f;
    int whole = 0;
    float lastPart = 0.0f;
};

std::vector<Span> spans(int source, int dest) {
    const double step = double(source) / dest;
    std::vector<Span> s(static_cast<size_t>(dest));
    for (int x = 0; x < dest; ++x) {
        const double a = x * step;
        const double b = std::min(double(source), (x + 1) * step);
        const int first = int(a);
        const int end = int(b);
        Span& c = s[size_t(x)];
        c.first = first;
        if (end == first) {
            c.firstPart = float(b - a);
            continue;
        }
        c.firstPart = float(first + 1 - a);
        c.whole = end - first - 1;
        c.lastPart = end < source ? float(b - end) : 0.0f;
    }
    return s;
}

// Averages rows of BGRX pixels, given from top to bottom, into `dest`: each pixel of `dest` is
// the mean of the source area it covers. Rounded down, as the platform's smooth scaling does.
class AreaAverage {
public:
    AreaAverage(int sourceWidth, int sourceHeight, QImage& dest)
        : m_dest(dest), m_columns(spans(sourceWidth, dest.width())),
          m_rows(spans(sourceHeight, dest.height())), m_row(size_t(dest.width()) * 3),
          m_sum(m_row.size()), m_scale(float(dest.width()) * float(dest.height()) /
                                       (float(sourceWidth) * float(sourceHeight))) {}

    void add(const uchar* bgrx, int y) {
        float* out = m_row.data();
        for (const Span& c : m_columns) {
            const uchar* p = bgrx + size_t(c.first) * 4;
            float sum[3] = {c.firstPart * p[0], c.firstPart * p[1], c.firstPart * p[2]};
            unsigned whole[3] = {0, 0, 0};
            for (int i = 0; i < c.whole; ++i) {
                p += 4;
                whole[0] += p[0];
                whole[1] += p[1];
                whole[2] += p[2];
            }
            if (c.lastPart > 0.0f)
                for (int k = 0; k < 3; ++k)
                    sum[k] += c.lastPart * p[4 + k];
            for (int k = 0; k < 3; ++k)
                *out++ = sum[k] + float(whole[k]);
        }
        // A row that straddles two cells is the last part of one and the first of the next.
        while (m_done < m_dest.height()) {
            const Span& r = m_rows[size_t(m_done)];
            if (y < r.first)
                break;
            const int after = r.first + r.whole + 1;
            accumulate(y == r.first ? r.firstPart : y < after ? 1.0f : r.lastPart);
            if (y < (r.lastPart > 0.0f ? after : after - 1))
                break;
            nextRow();
        }
    }

    void finish() {
        while (m_done < m_dest.height())
            nextRow();
    }

private:
    void accumulate(float w) {
        float* __restrict sum = m_sum.data();
        const float* __restrict row = m_row.data();
        // Blocks of a fixed length, which the compiler turns into vector operations.
        constexpr size_t block = 16;
        const size_t n = m_row.size();
        size_t i = 0;
        for (; i + block <= n; i += block)
            for (size_t k = 0; k < block; ++k)
                sum[i + k] += w * row[i + k];
        for (; i < n; ++i)
            sum[i] += w * row[i];
    }

    void nextRow() {
        auto* out = reinterpret_cast<QRgb*>(m_dest.scanLine(m_done));
        const auto level = [this](float v) { return std::min(255, int(v * m_scale)); };
        for (int x = 0; x < m_dest.width(); ++x) {
            const float* p = &m_sum[size_t(x) * 3];
            out[x] = qRgb(level(p[2]), level(p[1]), level(p[0]));
        }
        std::fill(m_sum.begin(), m_sum.end(), 0.0f);
        ++m_done;
    }

    QImage& m_dest;
    std::vector<Span> m_columns;
    std::vector<Span> m_rows;
    std::vector<float> m_row;
    std::vector<float> m_sum;
    float m_scale;
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

// The eighths the decoder keeps, as the platform's JPEG reader picks them for a scaled read.
int eighths(const jpeg_decompress_struct& info, const QSize& size) {
    const double f = std::min(double(info.image_width) / size.width(),
                              double(info.image_height) / size.height());
    return std::clamp(int(std::ceil(8 / f)), 1, 8);
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
    std::vector<uchar> line;
    std::optional<AreaAverage> average;
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
    d.info.scale_num = unsigned(eighths(d.info, size));
    d.info.scale_denom = 8;
    jpeg_start_decompress(&d.info);
    const int width = int(d.info.output_width);
    const int height = int(d.info.output_height);
    result = QImage(size, QImage::Format_RGB32);
    if (result.isNull() || width < size.width() || height < size.height())
        failed(reinterpret_cast<j_common_ptr>(&d.info));
    preferLargePages(result);
    setDensity(d.info, result);
    d.line.resize(size_t(width) * 4);
    d.average.emplace(width, height, result);
    JSAMPROW row = d.line.data();
    while (int(d.info.output_scanline) < height) {
        const int y = int(d.info.output_scanline);
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1)
            failed(reinterpret_cast<j_common_ptr>(&d.info));
        d.average->add(d.line.data(), y);
    }
    d.average->finish();
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
