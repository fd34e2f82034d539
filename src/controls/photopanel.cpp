#include "controls/photopanel.h"

#include "controls/glphotoview.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace {
QFont captionFont() {
    QFont f(QStringLiteral("Verdana"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(9.75);
    return f;
}

// The pixels a picture drawn at `r` covers: those whose centre lies inside it.
QRect coveredPixels(const QRectF& r) {
    const auto edge = [](double v) { return int(std::ceil(v - 0.5)); };
    return QRect(QPoint(edge(r.left()), edge(r.top())),
                 QPoint(edge(r.right()) - 1, edge(r.bottom()) - 1));
}
// Whether a picture of `size` drawn at `r` is copied pixel for pixel: smoothing it would cost
// twice as much for the same pixels.
bool drawnAsItIs(const QRectF& r, const QSize& size) {
    return r.size() == QSizeF(size) && r.x() == std::round(r.x()) && r.y() == std::round(r.y());
}
} // namespace

PhotoPanel::PhotoPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFont(captionFont());
    m_clock.start();
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &PhotoPanel::animate);
}

PhotoPanel::~PhotoPanel() = default;

double PhotoPanel::now() const {
    return m_clockOverride ? m_clockOverride() : double(m_clock.nsecsElapsed()) / 1e6;
}

void PhotoPanel::setPicture(const QImage& picture, const QList<PhotoPiece>& around,
                            const QSize& space) {
    // A new picture holds still until it is given a motion.
    m_current = Layer{picture, around, space, {}, now()};
    update();
    if (m_gl)
        m_gl->update();
}

void PhotoPanel::setMotion(const PhotoMotion& motion) {
    m_current.motion = motion;
    m_current.since = now();
    animate();
}

void PhotoPanel::beginCrossFade(std::function<double()> progress) {
    m_previous = m_current;
    m_fade = std::move(progress);
    animate();
}

void PhotoPanel::endCrossFade() {
    m_previous.reset();
    m_fade = {};
    animate();
}

bool PhotoPanel::moving() const {
    const auto still = [t = now()](const Layer& l) {
        return l.motion.isNull() || t - l.since > l.motion.durationMs;
    };
    return m_previous || !still(m_current);
}

void PhotoPanel::animate() {
    update();
    if (m_gl)
        m_gl->update();
    if (!moving()) {
        m_frameTimer.stop();
        return;
    }
    if (!m_frameTimer.isActive()) {
        const qreal hz = screen() ? screen()->refreshRate() : 60;
        m_frameTimer.start(int(std::lround(1000 / std::clamp(hz, 24.0, 240.0))));
    }
}

QList<PhotoPanel::Drawn> PhotoPanel::drawnLayers() const {
    QList<Drawn> out;
    const double t = now();
    const QSizeF panel = size();
    const auto drawn = [&](const Layer& l, double opacity) {
        const QRectF frame = l.motion.frame(panel, t - l.since);
        const QRectF picture =
            l.picture.isNull()
                ? QRectF()
                : movedRect(QRectF(fittedPhotoRect(l.picture.size(), size())), panel, frame);
        return Drawn{&l, frame, picture, opacity};
    };
    if (m_previous) {
        out << drawn(*m_previous, 1.0);
        out << drawn(m_current, m_fade ? std::clamp(m_fade(), 0.0, 1.0) : 1.0);
    } else {
        out << drawn(m_current, 1.0);
    }
    return out;
}

bool PhotoPanel::useOpenGL() {
    if (!m_gl) {
        // No driver, or a display without OpenGL: the painter goes on drawing.
        QOpenGLContext essai;
        if (!essai.create())
            return false;
        m_gl = new GlPhotoView(this);
        m_gl->setGeometry(rect());
        m_gl->show();
    }
    return m_gl != nullptr;
}

void PhotoPanel::setCaption(const QString& caption) {
    m_caption = caption;
    update();
    if (m_gl)
        m_gl->update();
}

void PhotoPanel::setCaptionAlignment(CaptionAlignment a) {
    m_alignment = a;
    update();
}

void PhotoPanel::paintEvent(QPaintEvent*) {
    if (m_gl)
        return;
    countFrame();
    QPainter p(this);
    for (const Drawn& d : drawnLayers())
        paintLayer(p, d);
    p.setOpacity(1);
    paintCaption(p);
}

void PhotoPanel::paintLayer(QPainter& p, const Drawn& d) {
    const QImage& picture = d.layer->picture;
    p.setOpacity(d.opacity);
    // An opaque picture covers its pixels: black goes only around it and its pieces, so that a
    // screen-sized photo is not written twice at each paint.
    QRegion black(rect());
    if (!picture.isNull() && !picture.hasAlphaChannel())
        black -= coveredPixels(d.picture);
    // Pieces cut for a screen of other proportions (the window resized since) would not meet
    // the picture: black stands in for them until the next picture.
    const QSizeF space = d.layer->space.isEmpty() ? QSizeF(size()) : QSizeF(d.layer->space);
    const bool piecesFit = qAbs(space.width() * height() - space.height() * width()) <
                           std::max(space.width(), space.height());
    for (const PhotoPiece& piece : piecesFit ? d.layer->around : QList<PhotoPiece>()) {
        const QRectF at(QPointF(piece.at.x() * width() / space.width(),
                                piece.at.y() * height() / space.height()),
                        QSizeF(piece.image.width() * width() / space.width(),
                               piece.image.height() * height() / space.height()));
        const QRectF moved = movedRect(at, size(), d.frame);
        p.setRenderHint(QPainter::SmoothPixmapTransform, !drawnAsItIs(moved, piece.image.size()));
        p.drawImage(moved, piece.image);
        black -= coveredPixels(moved);
    }
    for (const QRect& r : black)
        p.fillRect(r, Qt::black);
    if (!picture.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, !drawnAsItIs(d.picture, picture.size()));
        p.drawImage(d.picture, picture);
    }
}

void PhotoPanel::paintCaption(QPainter& p) {
    if (m_caption.isEmpty())
        return;
    p.setPen(QColor(255, 0, 0));
    p.setFont(font());
    const int flags = Qt::AlignHCenter | Qt::TextSingleLine |
                      (m_alignment == CaptionAlignment::TopCentre ? Qt::AlignTop : Qt::AlignBottom);
    p.drawText(rect().adjusted(4, 2, -4, -2), flags, m_caption);
}

void PhotoPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    emit pointerMoved(event->buttons(), event->modifiers(), pos.x(), pos.y());
}

void PhotoPanel::resizeEvent(QResizeEvent*) {
    if (m_gl)
        m_gl->setGeometry(rect());
}
