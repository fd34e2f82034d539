#pragma once

// An album over test doubles, and the ways its tests read the settings store's mirror of it.

#include "album/album.h"
#include "album/miroir.h"
#include "doubles.h"
#include "settings/reglages.h"

#include <QTemporaryDir>

// What the mirror holds for a key that is not there.
inline const QString Absent = QStringLiteral("<absent>");

inline QString cle(const SettingsStore& s, int i) {
    return s.read(Reglages::Section::ListeDeFichiers, Reglages::fichier(i).cle, Absent);
}

// Keys 0 to n - 1 of the mirror, absent ones included.
inline QStringList cles(const SettingsStore& s, int n) {
    QStringList v;
    for (int i = 0; i < n; ++i)
        v << cle(s, i);
    return v;
}

// "/p/0.jpg", "/p/1.jpg" … n paths under `prefixe`.
inline QStringList photos(int n, const QString& prefixe = QStringLiteral("/p/")) {
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << prefixe + QString::number(i) + QStringLiteral(".jpg");
    return l;
}

// The album's program folder is a temporary folder.
struct BancAlbum {
    TestServices ts;
    QTemporaryDir dir;
    Album album{ts.settings, ts.prompts, ts.files, dir.path()};
    QString chemin(const QString& nom) const { return dir.filePath(nom); }
    // The album now holds `liste`, mirrored, under that title and file.
    void donner(const QStringList& liste, const QString& titre = {}, const QString& fichier = {}) {
        album.Liste = liste;
        recrireMiroir(ts.settings, liste);
        album.TitreAlbum = titre;
        album.FichierAlbum = fichier;
    }
};
