#include "controls/frame.h"

#include <QPainter>

Frame::Frame(QWidget* parent) : QWidget(parent) {}

void Frame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 255, 255, 18));
    p.setPen(QPen(QColor(150, 190, 200, 140), 1));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}
