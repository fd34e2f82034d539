#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Album files on disk. A name without a folder refers to the process's current folder.

// Replaces the file `chemin` by `contenu` as a whole: the new contents are written beside it and
// take its place only once complete, so a failure (no permission, missing folder, full disk)
// leaves any previous file untouched. Empty on success, else the reason, for the user.
QString enregistrerFichierAlbum(const QString& chemin, const QByteArray& contenu);

// An album file holds at most 10000 lines of a path each: a larger file is no album, and reading
// it whole would hold the dialog and its memory.
inline constexpr qint64 MaxOctetsFichierAlbum = 4 * 1024 * 1024;

// The whole file, or nothing when it cannot be opened or read, is not a regular file (a folder,
// a FIFO, a device) or is larger than MaxOctetsFichierAlbum; a larger file is not read at all,
// and `tropGros`, when given, tells that case from the others.
std::optional<QByteArray> lireFichierAlbum(const QString& chemin, bool* tropGros = nullptr);
