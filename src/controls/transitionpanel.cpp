#include "controls/transitionpanel.h"

#include <QPainter>
#include <algorithm>

// Paints the blend of the two stills on top of the children; opaque, so nothing underneath is
// repainted while the fade runs.
class TransitionOverlay final : public QWidget {
public:
    explicit TransitionOverlay(TransitionPanel* panel) : QWidget(panel), m_panel(panel) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
        // Pointer events go to the children as if the overlay were not there.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const double t = m_panel->progress();
        p.drawImage(0, 0, m_panel->m_from);
        p.setOpacity(t);
        p.drawImage(0, 0, m_panel->m_to);
        ++m_panel->m_frames;
    }

private:
    TransitionPanel* m_panel;
};

namespace {
// About 75 frames a second: smoother than a 60 Hz screen needs, still cheap at 1920 x 1080.
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

void TransitionPanel::prepareStills() {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * dpr).toSize();
    if (m_from.size() == pixels && m_from.devicePixelRatio() == dpr)
        return;
    for (QImage* still : {&m_from, &m_to}) {
        *still = QImage(pixels, QImage::Format_RGB32);
        still->setDevicePixelRatio(dpr);
        // Touch every page now: fresh memory costs tens of milliseconds to fault in.
        still->fill(Qt::black);
    }
}

void TransitionPanel::snapshot(QImage& still) {
    still.fill(Qt::black);
    render(&still, QPoint(), QRegion(), QWidget::DrawChildren);
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
    prepareStills();
    snapshot(m_from);
    emit transitionEvent();
    snapshot(m_to);
    m_duration = durationMs;
    m_running = true;
    m_clock.start();
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
    m_overlay->update();
}

void TransitionPanel::finish() {
    m_frameTimer.stop();
    m_running = false;
    m_overlay->hide();
    emit finished();
}

void TransitionPanel::resizeEvent(QResizeEvent*) {
    // A resize in the middle of a fade would stretch stale stills: end the fade there.
    if (m_running)
        finish();
    m_overlay->setGeometry(rect());
    if (isVisible() && !size().isEmpty())
        prepareStills();
}

void TransitionPanel::showEvent(QShowEvent*) {
    if (!size().isEmpty())
        prepareStills();
}
