#pragma once

#include <QImage>
#include <QWidget>

// A black panel that shows one picture and one caption line. The picture is drawn whole,
// centred, with its aspect ratio kept (small pictures are enlarged to fill the panel); the
// caption is drawn over it, centred at the top or at the bottom. Pointer movement over the
// panel is reported with the button and modifier state, in panel coordinates.
class PhotoPanel : public QWidget {
    Q_OBJECT
public:
    enum class CaptionAlignment { TopCentre = 6, BottomCentre = 8 };

    explicit PhotoPanel(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

    void setCaptionAlignment(CaptionAlignment a);
    CaptionAlignment captionAlignment() const { return m_alignment; }

    // Where a picture of `size` is drawn inside a panel of `panel`.
    static QRect fittedRect(const QSize& size, const QSize& panel);

signals:
    void pointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                      double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    // Draws the caption; subclasses that paint their own picture call it last.
    void paintCaption(QPainter& painter);

private:
    QImage m_picture;
    QString m_caption;
    CaptionAlignment m_alignment = CaptionAlignment::TopCentre;
};
