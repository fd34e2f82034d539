#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A panel that holds other controls: a background colour or picture, an optional bevelled
// border and an optional caption. Pointer movement over the panel (and over children that do not
// track the pointer themselves) is reported in panel coordinates.
class CaptionPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Inset };

    explicit CaptionPanel(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setCaptionAlignment(Qt::Alignment alignment);
    QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor& colour);

    // An invalid colour leaves the panel transparent.
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& colour);
    // Drawn at the top left corner, over the back colour.
    void setPicture(const QImage& picture);
    QImage picture() const { return m_picture; }

    void setBevel(Bevel bevel);

signals:
    void pointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                      double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    QColor m_textColor = Qt::white;
    QColor m_backColor;
    QImage m_picture;
    Bevel m_bevel = Bevel::None;
};
