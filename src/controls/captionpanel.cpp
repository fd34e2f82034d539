#include "controls/captionpanel.h"

#include "controls/fonts.h"

#include <QMouseEvent>
#include <QPainter>

CaptionPanel::CaptionPanel(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFont(dialogFont());
}

void CaptionPanel::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void CaptionPanel::setCaptionAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void CaptionPanel::setTextColor(const QColor& colour) {
    m_textColor = colour;
    update();
}

void CaptionPanel::setBackColor(const QColor& colour) {
    m_backColor = colour;
    update();
}

void CaptionPanel::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void CaptionPanel::setBevel(Bevel bevel) {
    m_bevel = bevel;
    update();
}

void CaptionPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_backColor.isValid())
        p.fillRect(rect(), m_backColor);
    if (!m_picture.isNull())
        p.drawImage(QPoint(0, 0), m_picture);
    if (m_bevel != Bevel::None) {
        const QColor light(255, 255, 255, 70), dark(0, 0, 0, 110);
        const QColor& topLeft = m_bevel == Bevel::Raised ? light : dark;
        const QColor& bottomRight = m_bevel == Bevel::Raised ? dark : light;
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (!m_caption.isEmpty()) {
        p.setFont(font());
        p.setPen(m_textColor);
        p.drawText(rect().adjusted(3, 0, -3, 0), int(m_alignment) | Qt::TextSingleLine, m_caption);
    }
}

void CaptionPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    emit pointerMoved(event->buttons(), event->modifiers(), pos.x(), pos.y());
}
