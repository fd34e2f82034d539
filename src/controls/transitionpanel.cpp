#include "controls/transitionpanel.h"

#include "platform/largebuffers.h"

#include <QPainter>
#include <algorithm>

// Lays the photograph of the old content over the children, fading out. It is not opaque: the
// children below paint the new content first, in the overlay's area only.
class TransitionOverlay final : public QWidget {
public:
    explicit TransitionOverlay(TransitionPanel* panel) : QWidget(panel), m_panel(panel) {
        // Pointer events go to the children as if the overlay were not there.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setOpacity(TransitionPanel::fadeOutOpacity(m_panel->progress()));
        const QImage& from = m_panel->m_from;
        const qreal dpr = from.devicePixelRatio();
        p.drawImage(QPointF(), from, QRectF(QPointF(pos()) * dpr, QSizeF(size()) * dpr));
        ++m_panel->m_frames;
    }

private:
    TransitionPanel* m_panel;
};

namespace {
// About 75 frames a second: smoother than a 60 Hz screen needs.
constexpr int FrameIntervalMs = 13;
} // namespace

TransitionPanel::TransitionPanel(QWidget* parent)
    : QWidget(parent), m_overlay(new TransitionOverlay(this)) {
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    m_frameTimer.setInterval(FrameIntervalMs);
    connect(&m_frameTimer, &QTimer::timeout, this, &TransitionPanel::frame);
}

TransitionPanel::~TransitionPanel() = default;

double TransitionPanel::progress() const {
    if (!m_running || m_duration <= 0)
        return 1.0;
    return std::clamp(double(m_clock.elapsed()) / m_duration, 0.0, 1.0);
}

double TransitionPanel::fadeOutOpacity(double progress) {
    // A painter blends at a whole number of 256ths of its opacity, and the blend of a source at
    // n/256 gives it (n - 1)/255 of the weight: the old picture gets the rest of the new one's.
    const int n = int(std::clamp(progress, 0.0, 1.0) * 256);
    return n == 0 ? 1.0 : double(257 - n) / 256;
}

void TransitionPanel::snapshot() {
    const qreal dpr = devicePixelRatioF();
    m_from = recyclableImage((QSizeF(size()) * dpr).toSize());
    m_from.setDevicePixelRatio(dpr);
    m_from.fill(Qt::black);
    render(&m_from, QPoint(), QRegion(), QWidget::DrawChildren);
}

bool TransitionPanel::start(int, int durationMs) {
    if (m_running)
        return false;
    const bool fade = durationMs > 0 && isVisible() && !size().isEmpty();
    if (!fade) {
        emit transitionEvent();
        emit finished();
        return true;
    }
    if (!m_childrenFade)
        snapshot();
    emit transitionEvent();
    m_duration = durationMs;
    m_running = true;
    m_clock.start();
    if (m_childrenFade) {
        m_frameTimer.start();
        return true;
    }
    m_overlay->setGeometry(rect());
    m_overlay->raise();
    m_overlay->show();
    m_frameTimer.start();
    return true;
}

void TransitionPanel::frame() {
    if (m_clock.elapsed() >= m_duration) {
        finish();
        return;
    }
    if (!m_childrenFade)
        m_overlay->update();
}

void TransitionPanel::finish() {
    m_frameTimer.stop();
    m_running = false;
    m_overlay->hide();
    m_from = QImage();
    emit finished();
}

void TransitionPanel::resizeEvent(QResizeEvent*) {
    // A resize in the middle of a fade would lay a stale photograph over the new layout.
    if (m_running)
        finish();
}
