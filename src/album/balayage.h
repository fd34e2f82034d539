#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

// Folders as album entries. An entry that ends with the path separator is a folder: the album
// keeps the folder itself, and the photos it holds are looked for at each use, so that photos
// added later appear and deleted ones vanish. In the album file and in the settings store such
// an entry is written like any path, its separator last.

// The most photos the folders of one album give, all folders together.
inline constexpr qsizetype MaxPhotosDossiers = 10000;

// Whether the entry `chemin` names a folder.
bool estDossier(const QString& chemin);

// What one folder holds.
struct Balayage {
    QStringList photos; // every picture file found, in name order, each folder before its own
    bool borne = false; // it holds more than were taken
};

// The picture files (by their names: nothing else is opened) in `dossier` and its sub-folders,
// hidden ones left out, at most `maximum`. A symbolic link is followed only when it leads to a
// place inside `dossier`, and a folder reached twice (by a link, a bind mount) is read once, so
// that the scan ends whatever the links. `arret`, when set, stops it between two folders. Any
// thread.
Balayage balayerDossier(const QString& dossier, qsizetype maximum = MaxPhotosDossiers,
                        const std::atomic<bool>* arret = nullptr);

// An album's entries with their folders replaced by the photos they hold.
struct AlbumDeplie {
    QStringList photos;
    QList<int> entrees; // the entry each photo comes from
    bool borne = false; // the folders gave more photos than MaxPhotosDossiers, or a scan stopped
};

// `contenu(i)` gives what folder entry i holds (nothing known yet: no photo). The folders'
// photos are taken in entry order up to MaxPhotosDossiers together; the whole list holds at
// most `maximum` photos (positions of the show are 16-bit).
AlbumDeplie deplierAlbum(const QStringList& entrees,
                         const std::function<const Balayage*(int)>& contenu,
                         qsizetype maximum = 32767);

// The same, scanning the folders here (any thread): what the show plays.
AlbumDeplie deplierAlbum(const QStringList& entrees, const std::atomic<bool>* arret = nullptr);
