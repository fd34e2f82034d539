#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

class TransitionOverlay;

// A container that changes what its children show through a timed cross-fade.
//
// start(effect, duration) raises transitionEvent() once, synchronously, and the receiver puts
// the new content in place there. The panel photographs its children just before and just after
// that event and fades from the first picture to the second over `duration` ms, painting only
// the two stills (the children are not repainted while the fade runs). A duration of 0 shows the
// new content at once, with no fade.
//
// The two stills stay allocated while the panel is shown (two pictures of the panel's size), so
// that a photo change never waits for fresh memory.
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
    bool running() const { return m_running; }
    // Fade progress from 0 to 1 while running.
    double progress() const;
    // Frames painted by the overlay since construction (for measurements).
    qint64 framesPainted() const { return m_frames; }

signals:
    void transitionEvent();
    void finished();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class TransitionOverlay;
    void prepareStills();
    void snapshot(QImage& still);
    void frame();
    void finish();

    TransitionOverlay* m_overlay;
    QTimer m_frameTimer;
    QElapsedTimer m_clock;
    QImage m_from;
    QImage m_to;
    int m_duration = 0;
    bool m_running = false;
    qint64 m_frames = 0;
};
