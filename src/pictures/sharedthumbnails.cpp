#include "pictures/sharedthumbnails.h"

#include "pictures/qtpictures.h"
#include "platform/regularfile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

namespace {

struct Flavour {
    const char* folder;
    int size; // the longest side of its thumbnails
};
constexpr Flavour Flavours[] = {
    {"normal", 128}, {"large", 256}, {"x-large", 512}, {"xx-large", 1024}};

// The largest file a thumbnail of a flavour can be: its pixels stored in 8-bit RGBA without any
// compression, and room for its texts (URI, time, size, MIME type).
qint64 largestFile(int flavour) {
    return qint64(flavour) * flavour * 4 + 64 * 1024;
}

} // namespace

SharedThumbnails::SharedThumbnails(const QString& root) {
    // Looked at once: a build asks for thousands of photos, most users have few flavours.
    for (const Flavour& f : Flavours) {
        const QString folder = root + u'/' + QLatin1String(f.folder);
        m_folders << (!root.isEmpty() && QFileInfo(folder).isDir() ? folder : QString());
    }
}

QString SharedThumbnails::desktopRoot() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/thumbnails");
}

QImage SharedThumbnails::find(const QString& path, const QSize& needed) const {
    if (path.isEmpty() || std::all_of(m_folders.cbegin(), m_folders.cend(),
                                      [](const QString& f) { return f.isEmpty(); }))
        return {};
    const QFileInfo info(path);
    if (!isRegularFile(info))
        return {};
    const QByteArray uri = QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded();
    const QString name =
        QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
        QStringLiteral(".png");
    const QString mtime = QString::number(info.lastModified().toSecsSinceEpoch());
    for (qsizetype k = 0; k < m_folders.size(); ++k) {
        const int flavour = Flavours[k].size;
        // A thumbnail fits in a square of its flavour's size: a smaller flavour cannot be enough.
        if (m_folders[k].isEmpty() || needed.width() > flavour || needed.height() > flavour)
            continue;
        // Only a regular file is opened (a FIFO would block until another process writes to it),
        // and only one of a thumbnail's file size. Anything larger than its flavour is not a
        // thumbnail, and is not decoded.
        const QString file = m_folders[k] + u'/' + name;
        const QFileInfo thumbnail(file);
        if (!isRegularFile(thumbnail) || thumbnail.size() > largestFile(flavour))
            continue;
        const QtPictures pictures;
        const QSize size = pictures.size(file);
        if (!size.isValid() || size.width() < needed.width() || size.height() < needed.height() ||
            size.width() > flavour || size.height() > flavour)
            continue;
        QImage image = pictures.load(file);
        if (image.isNull() || image.text(QStringLiteral("Thumb::URI")).toUtf8() != uri ||
            image.text(QStringLiteral("Thumb::MTime")).trimmed() != mtime)
            continue;
        return image;
    }
    return {};
}
