#include "pictures/heifpictures.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <libheif/heif.h>
#include <memory>
#include <mutex>
#include <vector>

namespace {

struct Liberer {
    void operator()(heif_context* c) const { heif_context_free(c); }
    void operator()(const heif_image_handle* h) const { heif_image_handle_release(h); }
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};
using Contexte = std::unique_ptr<heif_context, Liberer>;
using Poignee = std::unique_ptr<const heif_image_handle, Liberer>;

qint64 pixels(const QSize& s) {
    return std::min(qint64(s.width()) * s.height(), qint64(1) << 40);
}

// The file's primary picture; nothing when the file is no HEIF file or is damaged.
struct Ouvert {
    Contexte contexte;
    Poignee principale;
};

std::optional<Ouvert> ouvrir(const QString& path) {
    static std::once_flag init;
    std::call_once(init, [] { heif_init(nullptr); });
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || !HeifPictures::recognises(f.read(64)))
        return std::nullopt;
    Ouvert o{Contexte(heif_context_alloc()), nullptr};
    if (!o.contexte)
        return std::nullopt;
    const QByteArray nom = QFile::encodeName(path);
    if (heif_context_read_from_file(o.contexte.get(), nom.constData(), nullptr).code !=
        heif_error_Ok)
        return std::nullopt;
    heif_image_handle* h = nullptr;
    if (heif_context_get_primary_image_handle(o.contexte.get(), &h).code != heif_error_Ok || !h)
        return std::nullopt;
    o.principale.reset(h);
    return o;
}

QSize tailleDe(const heif_image_handle* h) {
    return {heif_image_handle_get_width(h), heif_image_handle_get_height(h)};
}

// The smallest stored thumbnail at least `target` and of the picture's proportions (within 2 %).
Poignee vignette(const heif_image_handle* principale, const QSize& target) {
    const int n = heif_image_handle_get_number_of_thumbnails(principale);
    if (n <= 0 || !target.isValid())
        return nullptr;
    std::vector<heif_item_id> ids(static_cast<std::size_t>(n));
    heif_image_handle_get_list_of_thumbnail_IDs(principale, ids.data(), n);
    const QSize grande = tailleDe(principale);
    const double rapport = double(grande.width()) / std::max(1, grande.height());
    Poignee meilleure;
    for (const heif_item_id id : ids) {
        heif_image_handle* h = nullptr;
        if (heif_image_handle_get_thumbnail(principale, id, &h).code != heif_error_Ok || !h)
            continue;
        Poignee v(h);
        const QSize s = tailleDe(h);
        const double r = double(s.width()) / std::max(1, s.height());
        if (s.width() >= target.width() && s.height() >= target.height() &&
            std::abs(r - rapport) <= 0.02 * rapport &&
            (!meilleure || pixels(s) < pixels(tailleDe(meilleure.get()))))
            meilleure = std::move(v);
    }
    return meilleure;
}

// Decodes `h` as 8-bit interleaved RGBA, alpha premultiplied, and hands the decoder's buffer to
// the picture, which frees it.
QImage decoder(const heif_image_handle* h) {
    const bool alpha = heif_image_handle_has_alpha_channel(h);
    std::unique_ptr<heif_decoding_options, Liberer> options(heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1;
    heif_image* image = nullptr;
    if (heif_decode_image(h, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                          options.get())
                .code != heif_error_Ok ||
        !image)
        return {};
    int pas = 0;
    uint8_t* octets = heif_image_get_plane(image, heif_channel_interleaved, &pas);
    const int largeur = heif_image_get_width(image, heif_channel_interleaved);
    const int hauteur = heif_image_get_height(image, heif_channel_interleaved);
    if (!octets || largeur <= 0 || hauteur <= 0 || pas < largeur * 4) {
        heif_image_release(image);
        return {};
    }
    if (alpha) {
        for (int y = 0; y < hauteur; ++y) {
            uint8_t* p = octets + qsizetype(y) * pas;
            for (int x = 0; x < largeur; ++x, p += 4)
                for (int c = 0; c < 3; ++c)
                    p[c] = uint8_t((p[c] * p[3] + 127) / 255);
        }
    }
    // Without alpha the decoder writes 255 in the fourth byte: the RGBX layout, which Qt's
    // smooth scaling reads as it is.
    return QImage(
        octets, largeur, hauteur, pas,
        alpha ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBX8888,
        [](void* i) { heif_image_release(static_cast<heif_image*>(i)); }, image);
}

} // namespace

bool HeifPictures::recognises(const QByteArray& head) {
    if (head.size() < 12)
        return false;
    const auto* d = reinterpret_cast<const uint8_t*>(head.constData());
    const heif_filetype_result r = heif_check_filetype(d, int(head.size()));
    return r == heif_filetype_yes_supported || r == heif_filetype_yes_unsupported;
}

std::optional<HeifPictures::Header> HeifPictures::readHeader(const QString& path) {
    const auto o = ouvrir(path);
    if (!o)
        return std::nullopt;
    const heif_image_handle* h = o->principale.get();
    Header header;
    header.size = tailleDe(h);
    if (header.size.width() <= 0 || header.size.height() <= 0)
        return std::nullopt;
    header.alpha = heif_image_handle_has_alpha_channel(h);
    // The three planes counted whole (4:4:4), whatever the subsampling: the file does not say
    // it before the decoder reads its stream.
    const int bits = std::max(heif_image_handle_get_luma_bits_per_pixel(h),
                              heif_image_handle_get_chroma_bits_per_pixel(h));
    header.planeBytes = (bits > 8 ? 2 : 1) * (3 + (header.alpha ? 1 : 0));
    return header;
}

QImage HeifPictures::decode(const QString& path, const QSize& target) {
    const auto o = ouvrir(path);
    if (!o)
        return {};
    const Poignee petite = vignette(o->principale.get(), target);
    const QImage decode = decoder(petite ? petite.get() : o->principale.get());
    if (decode.isNull())
        return {};
    const bool alpha = decode.format() == QImage::Format_RGBA8888_Premultiplied;
    // The program paints and writes its own formats fastest.
    const QImage::Format format =
        alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (!target.isValid() || target == decode.size())
        return decode.convertToFormat(format);
    QImage resultat = decode.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    resultat.convertTo(format);
    return resultat;
}
