// HEIC and AVIF sample photos, encoded with libheif itself, so that no file comes from elsewhere.
#include "samples.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <libheif/heif.h>
#include <memory>

namespace {

using Image = std::unique_ptr<heif_image, void (*)(const heif_image*)>;

// `source` as a libheif picture of 8-bit interleaved samples.
Image enHeif(const QImage& source) {
    const bool alpha = source.hasAlphaChannel();
    const QImage image =
        source.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    heif_image* brut = nullptr;
    if (heif_image_create(image.width(), image.height(), heif_colorspace_RGB,
                          alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, &brut)
            .code != heif_error_Ok)
        return Image(nullptr, heif_image_release);
    Image img(brut, heif_image_release);
    if (heif_image_add_plane(brut, heif_channel_interleaved, image.width(), image.height(), 8)
            .code != heif_error_Ok)
        return Image(nullptr, heif_image_release);
    int pas = 0;
    uint8_t* plan = heif_image_get_plane(brut, heif_channel_interleaved, &pas);
    const qsizetype ligne = qsizetype(image.width()) * (alpha ? 4 : 3);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(plan + qsizetype(y) * pas, image.constScanLine(y), std::size_t(ligne));
    return img;
}

struct Liberer {
    void operator()(heif_context* c) const { heif_context_free(c); }
    void operator()(heif_encoder* e) const { heif_encoder_release(e); }
    void operator()(heif_encoding_options* o) const { heif_encoding_options_free(o); }
};

bool ok(const heif_error& e) {
    return e.code == heif_error_Ok;
}

} // namespace

namespace Samples {

bool writeHeif(const QImage& image, const QString& path, HeifCodec codec, int orientation,
               const QImage& thumbnail) {
    std::unique_ptr<heif_context, Liberer> ctx(heif_context_alloc());
    const Image img = enHeif(image);
    if (!img)
        return false;
    heif_encoder* e = nullptr;
    if (!ok(heif_context_get_encoder_for_format(
            ctx.get(), codec == HeifCodec::Avif ? heif_compression_AV1 : heif_compression_HEVC,
            &e)))
        return false;
    std::unique_ptr<heif_encoder, Liberer> encodeur(e);
    heif_encoder_set_lossy_quality(e, 80);
    std::unique_ptr<heif_encoding_options, Liberer> options(heif_encoding_options_alloc());
    options->image_orientation = heif_orientation(std::clamp(orientation, 1, 8));
    heif_image_handle* handle = nullptr;
    if (!ok(heif_context_encode_image(ctx.get(), img.get(), e, options.get(), &handle)))
        return false;
    bool reussi = true;
    if (!thumbnail.isNull()) {
        // libheif makes a thumbnail by scaling a picture down into a square of the side asked.
        const Image grande = enHeif(thumbnail.scaled(image.size()));
        reussi = grande && ok(heif_context_encode_thumbnail(
                               ctx.get(), grande.get(), handle, e, options.get(),
                               std::max(thumbnail.width(), thumbnail.height()), nullptr));
    }
    heif_image_handle_release(handle);
    const QByteArray nom = QFile::encodeName(path);
    return reussi && ok(heif_context_write_to_file(ctx.get(), nom.constData()));
}

} // namespace Samples
