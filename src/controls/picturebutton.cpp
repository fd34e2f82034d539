#include "controls/picturebutton.h"

#include "controls/fonts.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFont(dialogFont());
    setAttribute(Qt::WA_Hover, false);
}

void PictureButton::setValue(bool pressed) {
    if (m_value == pressed)
        return;
    m_value = pressed;
    update();
}

void PictureButton::setPictureUp(const QImage& picture) {
    m_up = picture;
    update();
}

void PictureButton::setPictureDown(const QImage& picture) {
    m_down = picture;
    update();
}

void PictureButton::setMaskColor(const QColor& colour) {
    m_mask = colour;
    update();
}

void PictureButton::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void PictureButton::setTextColor(const QColor& colour) {
    m_textColor = colour;
    update();
}

QImage PictureButton::applyMask(const QImage& picture, const QColor& colour) {
    if (picture.isNull() || !colour.isValid())
        return picture;
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = colour.rgb() & 0x00ffffff;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0x00ffffff) == key && qAlpha(line[x]) != 0)
                line[x] = 0;
    }
    return out;
}

QImage PictureButton::shownPicture() const {
    return applyMask(m_value ? m_down : m_up, m_mask);
}

void PictureButton::click() {
    m_value = true;
    update();
    emit clicked(true);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage picture = shownPicture();
    if (!picture.isNull()) {
        const QPoint at((width() - picture.width()) / 2, (height() - picture.height()) / 2);
        p.drawImage(at, picture);
    }
    if (!m_caption.isEmpty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? m_textColor : QColor(128, 128, 128));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
    }
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    m_armed = event->button() == Qt::LeftButton;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasArmed = m_armed;
    m_armed = false;
    if (wasArmed && event->button() == Qt::LeftButton && inside && isEnabled())
        click();
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    emit pointerMoved(event->buttons(), event->modifiers(), pos.x(), pos.y());
}

void PictureButton::enterEvent(QEnterEvent* event) {
    const QPointF pos = event->position();
    emit pointerEntered(QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers(),
                        pos.x(), pos.y());
}

void PictureButton::leaveEvent(QEvent*) {
    const QPointF pos = mapFromGlobal(QCursor::pos());
    emit pointerLeft(QGuiApplication::mouseButtons(), QGuiApplication::keyboardModifiers(), pos.x(),
                     pos.y());
}
