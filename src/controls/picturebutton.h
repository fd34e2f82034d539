#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A push button made of pictures, with an optional caption.
//
// It carries a pressed state. A user's click (press and release inside the button, while it is
// enabled) first sets the state to true and then emits clicked(true); the handler is expected to
// set it back to false with setValue(false) when done. setValue() itself emits nothing.
//
// It shows the up picture while not pressed and the down picture while pressed, centred; the
// stored picture is a third slot that is never shown by itself. Pixels of the mask colour are not
// drawn. Pointer enter, move and leave are reported with the mouse buttons, the modifiers and the
// position in logical pixels.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    bool value() const { return m_value; }
    void setValue(bool pressed);

    QImage pictureUp() const { return m_up; }
    void setPictureUp(const QImage& picture);
    QImage pictureDown() const { return m_down; }
    void setPictureDown(const QImage& picture);
    QImage pictureStored() const { return m_stored; }
    void setPictureStored(const QImage& picture) { m_stored = picture; }

    // An invalid colour draws every pixel.
    QColor maskColor() const { return m_mask; }
    void setMaskColor(const QColor& colour);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& colour);

    // The picture as drawn now: up or down by the pressed state, with the mask applied.
    QImage shownPicture() const;

    // What a user's click does.
    void click();

    // `picture` with every pixel of exactly `colour` made transparent.
    static QImage applyMask(const QImage& picture, const QColor& colour);

signals:
    void clicked(bool value);
    void pointerEntered(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                        double y);
    void pointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                      double y);
    void pointerLeft(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x, double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_value = false;
    bool m_armed = false;
    QImage m_up, m_down, m_stored;
    QColor m_mask;
    QString m_caption;
    QColor m_textColor = Qt::white;
};
