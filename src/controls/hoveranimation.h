#pragma once

#include <QObject>
#include <QTimer>

// The hover animation of a row of picture buttons: while the pointer is over one of them, a
// timer steps through that button's frames. Frames run 1 .. frameCount - 1 and back to 1, so
// that the list's last picture (the selected look) is never shown by the animation. The frame
// goes on from where it was when the pointer moves to another button.
class HoverAnimation : public QObject {
    Q_OBJECT
public:
    explicit HoverAnimation(int interval, QObject* parent = nullptr);

    // The pointer is over `target`, whose picture list holds `frameCount` pictures. Every pointer
    // move asks to start; restarting a running timer would hold it back for as long as the
    // pointer moves, so a running animation is left alone.
    void hover(int target, int frameCount);
    void stop();

    bool isActive() const { return m_timer.isActive(); }
    // The button last hovered.
    int target() const { return m_target; }

    // The frame after `frame` over a list of `frameCount` pictures.
    static int nextFrame(int frame, int frameCount);

signals:
    void frameChanged(int target, int frame);

private:
    void step();

    QTimer m_timer;
    int m_interval;
    int m_target = 0;
    int m_frame = 0;
    int m_frameCount = 0;
};
