#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `contents`, whole or not at all: a write cut short (a full
// disk, a size limit) leaves the old file as it was. Empty on success, else the reason, in
// French as the user reads it.
QString writeWholeFile(const QString& path, const QByteArray& contents);
