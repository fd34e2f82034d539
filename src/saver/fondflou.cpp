#include "saver/fondflou.h"

#include "controls/photomotion.h"
#include "platform/largebuffers.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace FondFlou {

namespace {

constexpr int Fraction = 8;
// What is left of the colours: dark enough for the photo to stand out.
constexpr int Luminosite = 110; // in 256ths

// One pass of a box blur along the rows (or the columns) of a 32-bit picture, the edges
// repeated: three passes come close to a Gaussian blur.
void passe(QImage& image, int rayon, bool colonnes) {
    const int n = colonnes ? image.height() : image.width();
    const int lignes = colonnes ? image.width() : image.height();
    const int largeur = 2 * rayon + 1;
    std::vector<quint32> ligne(static_cast<std::size_t>(n));
    for (int l = 0; l < lignes; ++l) {
        const auto pixel = [&](int i) -> quint32& {
            return colonnes ? reinterpret_cast<quint32*>(image.scanLine(i))[l]
                            : reinterpret_cast<quint32*>(image.scanLine(l))[i];
        };
        for (int i = 0; i < n; ++i)
            ligne[std::size_t(i)] = pixel(i);
        const auto at = [&](int i) { return ligne[std::size_t(std::clamp(i, 0, n - 1))]; };
        int r = 0, g = 0, b = 0;
        for (int i = -rayon; i <= rayon; ++i) {
            const quint32 c = at(i);
            r += int(c >> 16 & 0xFF), g += int(c >> 8 & 0xFF), b += int(c & 0xFF);
        }
        for (int i = 0; i < n; ++i) {
            pixel(i) = 0xFF000000u | quint32(r / largeur) << 16 | quint32(g / largeur) << 8 |
                       quint32(b / largeur);
            const quint32 entre = at(i + rayon + 1), sort = at(i - rayon);
            r += int(entre >> 16 & 0xFF) - int(sort >> 16 & 0xFF);
            g += int(entre >> 8 & 0xFF) - int(sort >> 8 & 0xFF);
            b += int(entre & 0xFF) - int(sort & 0xFF);
        }
    }
}

} // namespace

bool laisseDesBords(const QSize& photo, const QSize& ecran) {
    return !photo.isEmpty() && fittedPhotoRect(photo, ecran) != QRect(QPoint(), ecran);
}

QImage fond(const QImage& photo, const QSize& ecran) {
    if (photo.isNull() || ecran.isEmpty())
        return {};
    const QSize petit(std::max(16, ecran.width() / Fraction),
                      std::max(9, ecran.height() / Fraction));
    const QImage couvre =
        photo.scaled(petit, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    QImage f = couvre
                   .copy(QRect(QPoint((couvre.width() - petit.width()) / 2,
                                      (couvre.height() - petit.height()) / 2),
                               petit))
                   .convertToFormat(QImage::Format_RGB32);
    const int rayon = std::max(1, petit.width() / 40);
    for (int i = 0; i < 3; ++i) {
        passe(f, rayon, false);
        passe(f, rayon, true);
    }
    for (int y = 0; y < f.height(); ++y) {
        auto* l = reinterpret_cast<quint32*>(f.scanLine(y));
        for (int x = 0; x < f.width(); ++x) {
            const quint32 c = l[x];
            l[x] = 0xFF000000u | ((c >> 16 & 0xFF) * Luminosite >> 8) << 16 |
                   ((c >> 8 & 0xFF) * Luminosite >> 8) << 8 | ((c & 0xFF) * Luminosite >> 8);
        }
    }
    return f;
}

QImage composer(const QImage& photo, const QImage& fond, const QSize& ecran) {
    if (photo.isNull() || ecran.isEmpty())
        return photo;
    QImage ecranEntier = recyclableImage(ecran);
    const QRect place = fittedPhotoRect(photo.size(), ecran);
    QPainter p(&ecranEntier);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setClipRegion(QRegion(QRect(QPoint(), ecran)) - place);
    if (fond.isNull())
        p.fillRect(QRect(QPoint(), ecran), Qt::black);
    else
        p.drawImage(QRectF(QPointF(), QSizeF(ecran)), fond);
    p.setClipping(false);
    p.drawImage(place, photo);
    return ecranEntier;
}

QList<PhotoPiece> autour(const QImage& photo, const QImage& fond, const QSize& ecran) {
    QList<PhotoPiece> morceaux;
    if (photo.isNull() || fond.isNull() || ecran.isEmpty())
        return morceaux;
    for (const QRect& r : QRegion(QRect(QPoint(), ecran)) - fittedPhotoRect(photo.size(), ecran)) {
        QImage morceau(r.size(), QImage::Format_RGB32);
        QPainter p(&morceau);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        // Drawn as composer() draws it, moved by whole pixels: the same pixels.
        p.drawImage(QRectF(-QPointF(r.topLeft()), QSizeF(ecran)), fond);
        morceaux.push_back({morceau, r.topLeft()});
    }
    return morceaux;
}

} // namespace FondFlou
