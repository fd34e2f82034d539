#include "platform/sharedthumbnails.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QUrl>

namespace {

struct Flavour {
    const char* folder;
    int size; // the longest side of its thumbnails
};
constexpr Flavour Flavours[] = {
    {"normal", 128}, {"large", 256}, {"x-large", 512}, {"xx-large", 1024}};

} // namespace

SharedThumbnails::SharedThumbnails(QString root) : m_root(std::move(root)) {}

QString SharedThumbnails::desktopRoot() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/thumbnails");
}

QImage SharedThumbnails::find(const QString& path, const QSize& needed) const {
    if (m_root.isEmpty() || path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    const QByteArray uri = QUrl::fromLocalFile(info.absoluteFilePath()).toEncoded();
    const QString name =
        QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
        QStringLiteral(".png");
    const QString mtime = QString::number(info.lastModified().toSecsSinceEpoch());
    for (const Flavour& f : Flavours) {
        // A thumbnail fits in a square of its flavour's size: a smaller flavour cannot be enough.
        if (needed.width() > f.size || needed.height() > f.size)
            continue;
        QImageReader reader(m_root + u'/' + QLatin1String(f.folder) + u'/' + name, "png");
        const QSize size = reader.size();
        // Anything larger than its flavour is not a thumbnail, and is not decoded.
        if (!size.isValid() || size.width() < needed.width() || size.height() < needed.height() ||
            size.width() > f.size || size.height() > f.size)
            continue;
        QImage image = reader.read();
        if (image.isNull() || image.text(QStringLiteral("Thumb::URI")).toUtf8() != uri ||
            image.text(QStringLiteral("Thumb::MTime")).trimmed() != mtime)
            continue;
        return image;
    }
    return {};
}
