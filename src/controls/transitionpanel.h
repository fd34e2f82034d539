#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

class TransitionOverlay;

// A container that changes what its children show through a timed cross-fade.
//
// start(effect, duration) raises transitionEvent() once, synchronously, and the receiver puts
// the new content in place there. The panel photographs its children just before that event;
// during the fade the children paint the new content as usual and the photograph is laid over
// it, fading out over `duration` ms. A duration of 0 shows the new content at once, with no
// fade.
//
// The photograph is the one picture of the panel's size the fade needs, and it is let go when
// the fade ends: between fades the panel holds no picture.
//
// While a fade runs, start() refuses: the show asks for a new photo every 500 ms, but a photo
// that replaced a half-faded one would make the screen jump; the request is simply dropped and
// the next one after the fade is served.
class TransitionPanel : public QWidget {
    Q_OBJECT
public:
    explicit TransitionPanel(QWidget* parent = nullptr);
    ~TransitionPanel() override;

    // Starts a transition; false (and no event) while another one is still running. The effect
    // number is accepted for every value and always gives the cross-fade.
    bool start(int effect, int durationMs);
    // The children draw the fade themselves (pictures that move, or OpenGL), from progress():
    // no photograph is taken, and the panel only times the fade.
    void setChildrenFade(bool on) { m_childrenFade = on; }
    bool running() const { return m_running; }
    // Fade progress from 0 to 1 while running.
    double progress() const;
    // Frames painted by the overlay since construction (for measurements).
    qint64 framesPainted() const { return m_frames; }

    // The opacity at which the old picture, laid over the new one, gives exactly the blend a
    // painter makes of the new one drawn at `progress` over the old one.
    static double fadeOutOpacity(double progress);

signals:
    void transitionEvent();
    void finished();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TransitionOverlay;
    void snapshot();
    void frame();
    void finish();

    TransitionOverlay* m_overlay;
    QTimer m_frameTimer;
    QElapsedTimer m_clock;
    QImage m_from;
    int m_duration = 0;
    bool m_running = false;
    bool m_childrenFade = false;
    qint64 m_frames = 0;
};
