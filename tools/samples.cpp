#include "samples.h"

#include "gifwriter.h"
#include "platform/settingsbatch.h"
#include "settings/reglages.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace Samples {

QString extension(Format format) {
    switch (format) {
    case Format::Jpeg:
        return QStringLiteral("jpg");
    case Format::Gif:
        return QStringLiteral("gif");
    case Format::Bmp:
        return QStringLiteral("bmp");
    }
    return {};
}

namespace {

QColor hsv(QRandomGenerator& rng, int hueFrom, int hueTo, int s, int v) {
    return QColor::fromHsv(hueFrom + int(rng.bounded(hueTo - hueFrom + 1)), s, v);
}

void paintHills(QPainter& p, QRandomGenerator& rng, const QSize& size, double baseline,
                const QColor& colour) {
    const double w = size.width(), h = size.height();
    QPainterPath path(QPointF(0, h));
    const double a1 = 0.03 + rng.generateDouble() * 0.06, a2 = 0.01 + rng.generateDouble() * 0.03;
    const double f1 = 1 + rng.generateDouble() * 3, f2 = 5 + rng.generateDouble() * 9;
    const double phase = rng.generateDouble() * 6.28;
    const int steps = 64;
    for (int i = 0; i <= steps; ++i) {
        const double x = w * i / steps, t = double(i) / steps;
        const double y = h * (baseline - a1 * std::sin(t * f1 * 3.14159 + phase) -
                              a2 * std::sin(t * f2 * 3.14159 + phase * 2));
        path.lineTo(x, y);
    }
    path.lineTo(w, h);
    path.closeSubpath();
    QLinearGradient g(0, h * (baseline - 0.1), 0, h);
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(1, colour.darker(160));
    p.fillPath(path, g);
}

} // namespace

QImage paint(const QSize& size, int seed) {
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator rng(quint32(seed) * 2654435761u + 17u);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    const double unit = std::min(w, h);

    // Sky: a dusk, day or dawn gradient.
    QLinearGradient sky(0, 0, 0, h * 0.7);
    sky.setColorAt(0, hsv(rng, 195, 235, 160 + int(rng.bounded(80)), 150 + int(rng.bounded(90))));
    sky.setColorAt(1, hsv(rng, 10, 50, 60 + int(rng.bounded(100)), 220 + int(rng.bounded(35))));
    p.fillRect(image.rect(), sky);

    // Sun with a halo.
    const QPointF sun(w * (0.15 + rng.generateDouble() * 0.7),
                      h * (0.12 + rng.generateDouble() * 0.3));
    QRadialGradient halo(sun, unit * 0.35);
    halo.setColorAt(0, QColor(255, 250, 220, 230));
    halo.setColorAt(0.12, QColor(255, 235, 170, 200));
    halo.setColorAt(1, QColor(255, 220, 150, 0));
    p.fillRect(image.rect(), halo);

    // Clouds.
    const int clouds = 3 + int(rng.bounded(5));
    for (int i = 0; i < clouds; ++i) {
        const QPointF c(w * rng.generateDouble(), h * rng.generateDouble() * 0.4);
        for (int j = 0; j < 6; ++j) {
            const double r = unit * (0.03 + rng.generateDouble() * 0.05);
            QRadialGradient puff(c + QPointF(r * (j - 3), r * 0.3 * std::sin(j)), r);
            puff.setColorAt(0, QColor(255, 255, 255, 150));
            puff.setColorAt(1, QColor(255, 255, 255, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(puff);
            p.drawEllipse(puff.center(), r, r);
        }
    }

    // Three ranges of hills, far to near, then water or a meadow.
    paintHills(p, rng, size, 0.55, hsv(rng, 200, 260, 60, 150));
    paintHills(p, rng, size, 0.68, hsv(rng, 90, 140, 120, 120));
    paintHills(p, rng, size, 0.82, hsv(rng, 70, 120, 170, 90));

    // Trees.
    const int trees = 4 + int(rng.bounded(10));
    for (int i = 0; i < trees; ++i) {
        const double x = w * rng.generateDouble(), base = h * (0.8 + rng.generateDouble() * 0.18);
        const double th = unit * (0.08 + rng.generateDouble() * 0.15);
        p.setBrush(QColor(70, 45, 25));
        p.drawRect(QRectF(x - th * 0.04, base - th * 0.4, th * 0.08, th * 0.4));
        QPolygonF crown;
        crown << QPointF(x, base - th) << QPointF(x - th * 0.25, base - th * 0.3)
              << QPointF(x + th * 0.25, base - th * 0.3);
        p.setBrush(hsv(rng, 90, 150, 180, 60 + int(rng.bounded(60))));
        p.drawPolygon(crown);
    }
    p.end();

    // Grain, as a camera sensor leaves it; a few rows at a time keeps large pictures fast.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(rng.bounded(13)) - 6;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
    return image;
}

bool write(const QImage& image, const QString& path, Format format) {
    if (format == Format::Gif) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(encodeGif(image)) > 0;
    }
    QImageWriter writer(path, format == Format::Jpeg ? "jpg" : "bmp");
    if (format == Format::Jpeg)
        writer.setQuality(88);
    return writer.write(image);
}

QList<Sample> standardSet(bool large) {
    QList<Sample> samples = {
        {QStringLiteral("paysage"), {1600, 1067}, Format::Jpeg},
        {QStringLiteral("portrait"), {720, 1080}, Format::Jpeg},
        {QStringLiteral("carre"), {640, 640}, Format::Gif},
        {QStringLiteral("panorama"), {1200, 400}, Format::Bmp},
        {QStringLiteral("petite"), {160, 120}, Format::Jpeg},
        {QStringLiteral("vignette"), {300, 400}, Format::Gif},
    };
    if (large) {
        samples.append({QStringLiteral("grande-12mp"), {4240, 2832}, Format::Jpeg});
        samples.append({QStringLiteral("grande-24mp"), {6000, 4000}, Format::Jpeg});
    }
    return samples;
}

QStringList writeSet(const QString& folder, const QList<Sample>& samples, int seed) {
    QDir().mkpath(folder);
    QStringList written;
    for (const Sample& s : samples) {
        const QString path = QDir::toNativeSeparators(
            QDir(folder).absoluteFilePath(s.name + u'.' + extension(s.format)));
        if (write(paint(s.size, seed++), path, s.format))
            written << path;
    }
    return written;
}

void writeAlbum(SettingsStore& store, const QStringList& paths) {
    const SettingsBatch batch(store);
    Reglages::effacerSection(store, Reglages::Section::ListeDeFichiers);
    for (int i = 0; i < paths.size(); ++i)
        Reglages::ecrire(store, Reglages::fichier(i), paths[i]);
}

} // namespace Samples
