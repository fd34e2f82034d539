#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Album files on disk. A name without a folder refers to the process's current folder.

// Replaces the file `chemin` by `contenu` as a whole: the new contents are written beside it and
// take its place only once complete, so a failure (no permission, missing folder, full disk)
// leaves any previous file untouched. Empty on success, else the reason, for the user.
QString EnregistrerFichierAlbum(const QString& chemin, const QByteArray& contenu);

// The whole file, or nothing when it cannot be opened or read or is not a regular file (a
// folder, a FIFO, a device).
std::optional<QByteArray> LireFichierAlbum(const QString& chemin);
