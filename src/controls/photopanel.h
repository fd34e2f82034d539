#pragma once

#include "controls/photomotion.h"
#include "controls/photopiece.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class GlPhotoView;

// A black panel that shows one picture and one caption line. The picture is drawn whole,
// centred, with its aspect ratio kept (small pictures are enlarged to fill the panel); the
// caption is drawn over it, centred at the top or at the bottom. Pointer movement over the panel is
// reported with the button and modifier state, in panel coordinates.
//
// The picture may move (a slow pan and zoom of all the panel shows), and the panel may draw a
// cross-fade itself: the picture before the fade stays under the new one, both moving, until
// the fade ends. Either way the panel repaints at the display's rate while something moves.
// It draws with a painter, or with OpenGL once useOpenGL() succeeded (the same pictures).
class PhotoPanel : public QWidget {
    Q_OBJECT
public:
    enum class CaptionAlignment { TopCentre = 6, BottomCentre = 8 };

    // One picture as drawn: fitted in the panel, the pieces around it (black elsewhere), moved
    // by its motion, which began at `since` on the panel's clock.
    struct Layer {
        QImage picture;
        QList<PhotoPiece> around;
        QSize space; // the screen the pieces were cut for
        PhotoMotion motion;
        double since = 0;
    };
    // A layer at one moment: where the panel's content stands, where the picture stands inside
    // it, and how opaque it is over the layers below.
    struct Drawn {
        const Layer* layer = nullptr;
        QRectF frame;
        QRectF picture;
        double opacity = 1;
    };

    explicit PhotoPanel(QWidget* parent = nullptr);
    ~PhotoPanel() override;

    // `around`: what surrounds the picture on a screen of `space`, drawn where it falls in the
    // panel (by the painter; OpenGL is given the whole screen in one picture instead).
    void setPicture(const QImage& picture, const QList<PhotoPiece>& around = {},
                    const QSize& space = {});
    const QImage& picture() const { return m_current.picture; }
    // The motion of the current picture, from now on; a null one holds it still.
    void setMotion(const PhotoMotion& motion);

    // From now until endCrossFade(), the picture on screen stays under the next one, which
    // `progress` (0 to 1) makes opaque.
    void beginCrossFade(std::function<double()> progress);
    void endCrossFade();
    bool crossFading() const { return m_previous.has_value(); }

    // The layers as they are drawn now, from the bottom.
    QList<Drawn> drawnLayers() const;
    // The panel's clock in milliseconds; a measurement may fix it to draw one given moment.
    double now() const;
    void setClock(std::function<double()> nowMs) { m_clockOverride = std::move(nowMs); }
    // Frames drawn since the panel was made, by the painter or by OpenGL (for measurements).
    qint64 framesPainted() const { return m_painted; }
    void countFrame() { ++m_painted; }

    // Draws with OpenGL from now on; false (and the painter keeps drawing) when no OpenGL
    // context can be made. Called before the panel's window is first shown.
    bool useOpenGL();

    void setCaption(const QString& caption);
    QString caption() const { return m_caption; }

    void setCaptionAlignment(CaptionAlignment a);
    CaptionAlignment captionAlignment() const { return m_alignment; }

    // Draws the caption over what is drawn already.
    void paintCaption(QPainter& painter);

signals:
    void pointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                      double y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintLayer(QPainter& p, const Drawn& d);
    bool moving() const;
    void animate();

    Layer m_current;
    std::optional<Layer> m_previous;
    std::function<double()> m_fade;
    std::function<double()> m_clockOverride;
    QElapsedTimer m_clock;
    QTimer m_frameTimer;
    qint64 m_painted = 0;
    GlPhotoView* m_gl = nullptr;
    QString m_caption;
    CaptionAlignment m_alignment = CaptionAlignment::TopCentre;
};
