#include "browser/nophoto.h"

#include "controls/fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Largeur = 200;
constexpr int Hauteur = 250;
constexpr double Horizon = 150;
constexpr double Rivage = 178;

void cielEtMer(QPainter& p) {
    QLinearGradient ciel(0, 0, 0, Horizon);
    ciel.setColorAt(0, QColor(86, 160, 222));
    ciel.setColorAt(1, QColor(196, 226, 244));
    p.fillRect(QRectF(0, 0, Largeur, Horizon), ciel);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 222, 120));
    p.drawEllipse(QPointF(150, 46), 18, 18);
    QLinearGradient mer(0, Horizon, 0, Rivage);
    mer.setColorAt(0, QColor(24, 112, 160));
    mer.setColorAt(1, QColor(64, 186, 196));
    p.fillRect(QRectF(0, Horizon, Largeur, Rivage - Horizon + 6), mer);
}

void plage(QPainter& p) {
    QPainterPath sable;
    sable.moveTo(0, Rivage + 4);
    sable.cubicTo(60, Rivage - 6, 140, Rivage + 10, Largeur, Rivage);
    sable.lineTo(Largeur, Hauteur);
    sable.lineTo(0, Hauteur);
    sable.closeSubpath();
    QLinearGradient dore(0, Rivage, 0, Hauteur);
    dore.setColorAt(0, QColor(240, 220, 160));
    dore.setColorAt(1, QColor(214, 180, 112));
    p.fillPath(sable, dore);
    p.setPen(QPen(QColor(255, 255, 255, 180), 1.5));
    p.drawLine(QPointF(10, Rivage - 2), QPointF(70, Rivage - 5));
    p.drawLine(QPointF(110, Rivage - 1), QPointF(180, Rivage + 1));
}

void palmier(QPainter& p) {
    const QPointF pied(48, 212);
    const QPointF tete(74, 78);
    QPainterPath tronc;
    tronc.moveTo(pied);
    tronc.cubicTo(QPointF(40, 160), QPointF(56, 110), tete);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 84, 48), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tronc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 120, 56));
    // Each frond: a leaf bent from the crown towards its tip.
    const QPointF pointes[] = {{20, 96}, {34, 62}, {74, 48}, {114, 62}, {128, 100}, {100, 112}};
    for (const QPointF& pointe : pointes) {
        const QPointF milieu = (tete + pointe) / 2 + QPointF(0, -10);
        QPainterPath feuille;
        feuille.moveTo(tete);
        feuille.quadTo(milieu + QPointF(0, -7), pointe);
        feuille.quadTo(milieu + QPointF(0, 6), tete);
        p.drawPath(feuille);
    }
    p.setBrush(QColor(92, 60, 30));
    p.drawEllipse(tete + QPointF(-4, 4), 4, 4);
    p.drawEllipse(tete + QPointF(4, 5), 4, 4);
}

void mention(QPainter& p) {
    const QRectF bandeau(14, 196, Largeur - 28, 44);
    p.setPen(QPen(QColor(150, 20, 20), 2));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(bandeau, 6, 6);
    QFont f = dialogFont(true);
    f.setPixelSize(14);
    p.setFont(f);
    p.drawText(bandeau, Qt::AlignCenter, QStringLiteral("Photo introuvable"));
}

} // namespace

QImage imageNophoto() {
    QImage image(Largeur, Hauteur, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    cielEtMer(p);
    plage(p);
    palmier(p);
    mention(p);
    return image;
}
