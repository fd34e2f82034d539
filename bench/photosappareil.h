#pragma once

// photos as cameras and phones write them: 12 MP JPEGs carrying an EXIF thumbnail of 160 x 120
// pixels, one in four a portrait taken with the camera turned (stored landscape, orientation 6).

#include "samples.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

inline QString photoAppareil(const QString& dossier, int i) {
    return dossier + QStringLiteral("/appareil/%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
}

// Makes the 100 photos in DIR/appareil/; false when one could not be written.
inline bool genererAppareil(const QString& dossier) {
    QDir().mkpath(dossier + QStringLiteral("/appareil"));
    QList<QByteArray> modeles;
    for (int k = 0; k < 4; ++k) {
        const QImage image = Samples::paint(QSize(4000, 3000), 80 + k);
        QByteArray jpeg;
        QBuffer tampon(&jpeg);
        tampon.open(QIODevice::WriteOnly);
        if (!image.save(&tampon, "JPEG", 90))
            return false;
        const QImage vignette =
            image.scaled(160, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        modeles << Samples::withExifThumbnail(jpeg, vignette, k == 1 ? 6 : 1);
        if (modeles.last().isEmpty())
            return false;
    }
    // Copies, not links: each photo is its own file for the decoders and the page cache.
    for (int i = 0; i < 100; ++i) {
        QFile f(photoAppareil(dossier, i));
        if (!f.open(QIODevice::WriteOnly) || f.write(modeles[i % 4]) != modeles[i % 4].size())
            return false;
    }
    return true;
}
