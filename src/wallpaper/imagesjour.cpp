#include "wallpaper/imagesjour.h"

#include "decor/teintes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

using Teintes::Cyan;
const QColor Bordure{206, 222, 228};
const QColor BordureSurvol{236, 248, 252};

// A little screen on its foot; the sun stands at `hauteurSoleil` (0 below the hills, 1 high).
QImage ecran(const QColor& fond, double hauteurSoleil, bool survol, bool actif) {
    QImage im(30, 34, QImage::Format_RGB32);
    im.fill(fond);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF vitre(4.5, 6.5, 21, 16);
    if (actif) {
        QRadialGradient halo(vitre.center(), 17);
        halo.setColorAt(0, QColor(0, 255, 255, 110));
        halo.setColorAt(1, QColor(0, 255, 255, 0));
        p.fillRect(im.rect(), halo);
    }
    QLinearGradient ciel(vitre.topLeft(), vitre.bottomLeft());
    ciel.setColorAt(0, actif ? QColor(40, 120, 150) : QColor(36, 78, 112));
    ciel.setColorAt(1, actif ? QColor(120, 210, 220) : QColor(110, 150, 180));
    p.setPen(Qt::NoPen);
    p.setBrush(ciel);
    p.drawRect(vitre);
    if (hauteurSoleil > 0) {
        const QPointF soleil(vitre.left() + 14.5, vitre.bottom() - 3 - 9 * hauteurSoleil);
        QRadialGradient lueur(soleil, 5);
        lueur.setColorAt(0, QColor(255, 236, 150, 200));
        lueur.setColorAt(1, QColor(255, 236, 150, 0));
        p.setBrush(lueur);
        p.drawEllipse(soleil, 5, 5);
        p.setBrush(QColor(255, 214, 90));
        p.drawEllipse(soleil, 2.2, 2.2);
    }
    QPainterPath collines;
    collines.moveTo(vitre.left(), vitre.bottom());
    collines.lineTo(vitre.left(), vitre.bottom() - 5);
    collines.quadTo(vitre.left() + 6, vitre.bottom() - 9, vitre.left() + 11, vitre.bottom() - 4);
    collines.quadTo(vitre.left() + 16, vitre.bottom() - 7, vitre.right(), vitre.bottom() - 3);
    collines.lineTo(vitre.right(), vitre.bottom());
    collines.closeSubpath();
    p.setBrush(actif ? QColor(70, 170, 120) : QColor(62, 130, 80));
    p.drawPath(collines);
    const QColor trait = actif ? Cyan : (survol ? BordureSurvol : Bordure);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(trait, 1.4));
    p.drawRoundedRect(vitre.adjusted(-1, -1, 1, 1), 2, 2);
    p.setPen(QPen(trait, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 24), QPointF(15, 27.5));
    p.drawLine(QPointF(10, 28), QPointF(20, 28));
    p.end();
    return im;
}

} // namespace

namespace ImagesJour {

QList<QImage> images(const QColor& fond) {
    QList<QImage> liste;
    liste << ecran(fond, 0, false, false);
    for (int k = 1; k <= 3; ++k)
        liste << ecran(fond, k / 3.0, true, false);
    liste << ecran(fond, 1, false, true);
    // The untouched background becomes the mask colour; soft edges keep their blend with `fond`.
    const QRgb cle = fond.rgb();
    for (QImage& im : liste)
        for (int y = 0; y < im.height(); ++y) {
            auto* ligne = reinterpret_cast<QRgb*>(im.scanLine(y));
            for (int x = 0; x < im.width(); ++x)
                if (ligne[x] == cle)
                    ligne[x] = Masque.rgb();
        }
    return liste;
}

} // namespace ImagesJour
