#include "controls/photopanel.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

namespace {
QFont captionFont() {
    QFont f(QStringLiteral("Verdana"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(9.75);
    return f;
}
} // namespace

PhotoPanel::PhotoPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFont(captionFont());
}

void PhotoPanel::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void PhotoPanel::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void PhotoPanel::setCaptionAlignment(CaptionAlignment a) {
    m_alignment = a;
    update();
}

QRect PhotoPanel::fittedRect(const QSize& size, const QSize& panel) {
    if (size.isEmpty() || panel.isEmpty())
        return {};
    const QSize s = size.scaled(panel, Qt::KeepAspectRatio);
    return QRect(QPoint((panel.width() - s.width()) / 2, (panel.height() - s.height()) / 2), s);
}

void PhotoPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect fitted = m_picture.isNull() ? QRect() : fittedRect(m_picture.size(), size());
    // An opaque picture covers its rectangle: black goes only around it, so that a screen-sized
    // photo is not written twice at each paint.
    const QRegion black = m_picture.hasAlphaChannel() ? QRegion(rect()) : QRegion(rect()) - fitted;
    for (const QRect& r : black)
        p.fillRect(r, Qt::black);
    if (!m_picture.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(fitted, m_picture);
    }
    paintCaption(p);
}

void PhotoPanel::paintCaption(QPainter& p) {
    if (m_caption.isEmpty())
        return;
    p.setPen(QColor(255, 0, 0));
    p.setFont(font());
    const int flags = Qt::AlignHCenter | Qt::TextSingleLine |
                      (m_alignment == CaptionAlignment::TopCentre ? Qt::AlignTop : Qt::AlignBottom);
    p.drawText(rect().adjusted(4, 2, -4, -2), flags, m_caption);
}

void PhotoPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    emit pointerMoved(event->buttons(), event->modifiers(), pos.x(), pos.y());
}
