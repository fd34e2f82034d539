#include "decor/decor.h"

#include "decor/teintes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace {

const QColor Encre{226, 236, 240};
const QColor EncreSurvol{200, 245, 255};
using Teintes::Cyan;

QImage vide(const QSize& taille) {
    QImage im(taille, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    return im;
}

void montagnes(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left() + r.width() * 0.35, r.top() + r.height() * 0.45);
    path.lineTo(r.left() + r.width() * 0.55, r.top() + r.height() * 0.7);
    path.lineTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.35);
    path.lineTo(r.right(), r.bottom());
    path.closeSubpath();
    p.fillPath(path, p.pen().color());
}

// One glyph per command, drawn around the centre (32, 26) in the current pen colour.
void glyphe(QPainter& p, int commande) {
    const QColor c = p.pen().color();
    switch (commande) {
    case 0: { // a book with a photo on its cover
        p.drawRoundedRect(QRectF(18, 10, 28, 33), 3, 3);
        p.drawLine(QPointF(22, 10), QPointF(22, 43));
        const QRectF photo(26, 17, 15, 12);
        p.drawRect(photo);
        montagnes(p, photo.adjusted(1.5, 3, -1.5, -1.5));
        break;
    }
    case 1: { // two stacked photos
        p.save();
        p.translate(32, 26);
        p.rotate(-12);
        p.drawRect(QRectF(-16, -13, 28, 22));
        p.restore();
        const QRectF photo(19, 15, 28, 22);
        p.fillRect(photo, QColor(30, 50, 60));
        p.drawRect(photo);
        montagnes(p, photo.adjusted(2, 6, -2, -2));
        p.setBrush(c);
        p.drawEllipse(QPointF(41, 20), 2.2, 2.2);
        p.setBrush(Qt::NoBrush);
        break;
    }
    case 2: // a wall of thumbnails
        for (int r = 0; r < 2; ++r)
            for (int k = 0; k < 3; ++k)
                p.drawRect(QRectF(15 + k * 12.5, 13 + r * 14, 10, 11));
        break;
    case 3: { // a floppy disk
        QPainterPath disque;
        disque.moveTo(17, 11);
        disque.lineTo(42, 11);
        disque.lineTo(47, 16);
        disque.lineTo(47, 42);
        disque.lineTo(17, 42);
        disque.closeSubpath();
        p.drawPath(disque);
        p.drawRect(QRectF(23, 11, 16, 9));
        p.fillRect(QRectF(33, 13, 3, 5), c);
        p.drawRect(QRectF(22, 27, 20, 15));
        break;
    }
    case 4: // an envelope
        p.drawRect(QRectF(15, 15, 34, 23));
        p.drawPolyline(QList<QPointF>{{15, 15}, {32, 29}, {49, 15}});
        break;
    default: // a globe
        p.drawEllipse(QPointF(32, 26), 16, 16);
        p.drawEllipse(QPointF(32, 26), 7, 16);
        p.drawLine(QPointF(16, 26), QPointF(48, 26));
        p.drawLine(QPointF(32, 10), QPointF(32, 42));
        p.drawLine(QPointF(19, 18), QPointF(45, 18));
        p.drawLine(QPointF(19, 34), QPointF(45, 34));
        break;
    }
}

QImage imageCommande(int commande, int etape, bool choisie) {
    QImage im = vide(QSize(65, 53));
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(32, 26);
    if (choisie) {
        QRadialGradient g(centre, 30);
        g.setColorAt(0, QColor(0, 255, 255, 120));
        g.setColorAt(1, QColor(0, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(centre, 30, 26);
    } else if (etape > 1) {
        // A ring that widens and fades over the hover frames, with a glow under the glyph.
        const double t = (etape - 2) / 3.0;
        QRadialGradient g(centre, 26);
        g.setColorAt(0, QColor(120, 220, 240, int(90 - 40 * t)));
        g.setColorAt(1, QColor(120, 220, 240, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(centre, 26, 24);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(150, 235, 255, int(220 - 150 * t)), 1.6));
        p.drawEllipse(centre, 14 + 11 * t, 12 + 12 * t);
        p.translate(0, -1.0);
    }
    const QColor encre = choisie ? Cyan : (etape > 1 ? EncreSurvol : Encre);
    p.setPen(QPen(encre, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    glyphe(p, commande);
    return im;
}

} // namespace

namespace Decor {

QImage fond(const QSize& taille) {
    QImage im(taille, QImage::Format_RGB32);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ciel(0, 0, 0, taille.height());
    ciel.setColorAt(0, QColor(22, 40, 54));
    ciel.setColorAt(1, QColor(12, 24, 34));
    p.fillRect(im.rect(), ciel);
    // A quiet band of light across the album area.
    QLinearGradient bande(0, 0, taille.width(), taille.height());
    bande.setColorAt(0.25, QColor(255, 255, 255, 0));
    bande.setColorAt(0.45, QColor(140, 200, 210, 22));
    bande.setColorAt(0.65, QColor(255, 255, 255, 0));
    p.fillRect(im.rect(), bande);
    // The command bar's column.
    QLinearGradient colonne(0, 0, 84, 0);
    colonne.setColorAt(0, QColor(8, 16, 24, 170));
    colonne.setColorAt(1, QColor(8, 16, 24, 90));
    p.fillRect(QRect(8, 32, 76, taille.height() - 44), colonne);
    p.setPen(QColor(110, 170, 185, 90));
    p.drawLine(QPointF(84.5, 32), QPointF(84.5, taille.height() - 12));
    // A thin rule under the title.
    p.setPen(QColor(110, 170, 185, 120));
    p.drawLine(QPointF(8, 26.5), QPointF(taille.width() - 8, 26.5));
    // The outline of the window, which has no system frame.
    p.setPen(QColor(110, 170, 185, 160));
    p.drawRect(QRectF(0.5, 0.5, taille.width() - 1, taille.height() - 1));
    return im;
}

QList<QImage> imagesCommande(int commande) {
    QList<QImage> images;
    for (int etape = 1; etape <= 5; ++etape)
        images.append(imageCommande(commande, etape, false));
    images.append(imageCommande(commande, 1, true));
    return images;
}

QImage fermer(bool surligne) {
    QImage im = vide(QSize(17, 18));
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(surligne ? QColor(255, 255, 255) : QColor(150, 200, 210), 1.2));
    p.setBrush(surligne ? QColor(200, 50, 50) : QColor(20, 40, 52));
    p.drawEllipse(QRectF(1, 1.5, 15, 15));
    p.setPen(QPen(surligne ? QColor(255, 255, 255) : QColor(210, 230, 236), 1.8, Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(QPointF(5.5, 6), QPointF(11.5, 12));
    p.drawLine(QPointF(11.5, 6), QPointF(5.5, 12));
    return im;
}

QImage bouton(const QSize& taille, bool enfonce) {
    QImage im = vide(taille);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(enfonce ? QColor(255, 255, 255) : QColor(150, 200, 210), 1));
    p.setBrush(enfonce ? QColor(60, 110, 130) : QColor(20, 40, 52));
    p.drawRoundedRect(QRectF(0.5, 0.5, taille.width() - 1, taille.height() - 1), 4, 4);
    return im;
}

} // namespace Decor
