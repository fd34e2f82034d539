#pragma once

#include "platform/settingsstore.h"

#include <QStringList>

// The album's photo list mirrored in the settings store, section "Liste de Fichiers", where the
// screen saver reads it: "Fichier 0", "Fichier 1", ... in list order. A folder of the album is
// a value like a photo's, ending with the separator; the show looks into it at each start.

// The album's photo list as the screen saver and the dialog read it: "Fichier 0", "Fichier 1", ...
// up to the first missing or empty key, untouched (no trimming, no existence test), at most 32767.
QStringList ChargerPhotos(const SettingsStore& store);
// The same through `lire`, the readMany() of a store (one of another thread's).
QStringList ChargerPhotos(const SettingsStore::ConcurrentReader& lire);

// Makes the mirror hold exactly `photos`: the section is deleted, then the keys are written from
// 0, so no key of a longer former list survives.
void recrireMiroir(SettingsStore& reglages, const QStringList& photos);
