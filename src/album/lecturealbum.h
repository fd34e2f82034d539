#pragma once

#include "album/formatalbum.h"

#include <QFuture>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QObject;
class SettingsStore;

// An album file as read, within its bounds, away from the UI thread: the dialog's window and
// its end requests must not wait for a slow disk or a huge file.
struct LectureAlbum {
    enum class Etat {
        Lu,        // `lignes` holds what the file gives, maybe nothing
        Illisible, // missing, not a regular file, or a read error
        TropGros,  // larger than an album file can be: not read
    };
    QString chemin;
    Etat etat = Etat::Illisible;
    QList<LigneAlbum> lignes;
    bool tronque = false; // more valid lines than a file can number were left unread
};

// Reads the file `chemin`. Any thread.
LectureAlbum lireAlbum(const QString& chemin);

// Reads the file `chemin` on a pool thread; `suite` then runs on `contexte`'s thread, unless
// `contexte` is gone by then.
void lireAlbumEnFond(const QString& chemin, QObject* contexte,
                     std::function<void(const LectureAlbum&)> suite);

// The album's list as the mirror in `reglages` holds it (ChargerPhotos), read on a pool thread by a
// store of its own when `reglages` gives one: a list of 32,767 paths takes longer to read than
// the dialog to show. Otherwise read here; the future is then already finished.
QFuture<QStringList> lireMiroirEnFond(const SettingsStore& reglages);
