#pragma once

#include <QtGlobal>

class RandomSource;

// A 1-based position drawn at random among n, different from `DernierePhoto` whenever n >= 2;
// `DernierePhoto` becomes that position. With n = 0 or 1 the answer is 1.
qint16 ChoisirPhoto(qint16 n, qint16& DernierePhoto, RandomSource& hasard);
