#pragma once

#include <QStringList>

class RandomSource;
class SettingsStore;

// The album's photo list as the screen saver reads it: "Fichier 0", "Fichier 1", ... up to the
// first missing or empty key, untouched (no trimming, no existence test), at most 32767.
QStringList ChargerPhotos(const SettingsStore& store);

// A 1-based position drawn at random among n, different from `DernierePhoto` whenever n >= 2;
// `DernierePhoto` becomes that position. With n = 0 or 1 the answer is 1.
qint16 ChoisirPhoto(qint16 n, qint16& DernierePhoto, RandomSource& hasard);
