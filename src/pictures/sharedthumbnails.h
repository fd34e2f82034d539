#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// The thumbnails the desktop's file managers keep for every user's files, by the freedesktop
// thumbnail standard: PNG files under `root`/normal (128 pixels), large (256), x-large
// (512) and xx-large (1024), named by the MD5 of the file's URI, holding that URI and the file's
// modification time. Only read: other programs own that folder.
class SharedThumbnails {
public:
    // `root` is the thumbnails folder; empty: none is looked up.
    explicit SharedThumbnails(const QString& root = QString());

    // The desktop's folder: thumbnails/ in the user's cache folder ($XDG_CACHE_HOME).
    static QString desktopRoot();

    // The smallest thumbnail of `path` that is at least `needed` in both directions and was made
    // from the file as it is now (same URI, same modification time to the second); otherwise a
    // null image.
    QImage find(const QString& path, const QSize& needed) const;

private:
    QStringList m_folders; // the flavours' folders that exist, smallest first
};
