#pragma once

#include <QFileInfo>
#include <QString>

// Only regular files are opened for reading: a FIFO would block the reader until another
// process writes to it, and a device may never end. A link counts as the file it points to; an
// empty path is no file.
inline bool isRegularFile(const QFileInfo& info) {
    return info.isFile();
}

inline bool isRegularFile(const QString& path) {
    return !path.isEmpty() && isRegularFile(QFileInfo(path));
}
