#include "controls/hoveranimation.h"

HoverAnimation::HoverAnimation(int interval, QObject* parent)
    : QObject(parent), m_interval(interval) {
    connect(&m_timer, &QTimer::timeout, this, &HoverAnimation::step);
}

void HoverAnimation::hover(int target, int frameCount) {
    m_target = target;
    m_frameCount = frameCount;
    if (!m_timer.isActive())
        m_timer.start(m_interval);
}

void HoverAnimation::stop() {
    m_timer.stop();
}

int HoverAnimation::nextFrame(int frame, int frameCount) {
    return frame > frameCount - 2 ? 1 : frame + 1;
}

void HoverAnimation::step() {
    m_frame = nextFrame(m_frame, m_frameCount);
    emit frameChanged(m_target, m_frame);
}
