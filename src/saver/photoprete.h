#pragma once

#include "controls/photopiece.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <optional>

class Pictures;

// What the next photo needs, made off the UI thread as the options ask: the photo at the
// screen's size, with its blurred fill, and the day it was taken.
struct PreparationPhoto {
    QSize ecran;
    bool fondFlou = false;
    // A photo that moves, or that OpenGL draws, comes as the whole screen, black or blurred
    // around it, so that its edges are smoothed as it moves like everything inside it. A still
    // photo that the painter draws gets its blurred fill in pieces around it instead: no
    // picture of the screen's size beside the photo while it is made.
    bool ecranEntier = false;
    bool date = false;
};

struct PhotoPrete {
    QImage image;             // null when the file cannot be loaded
    QList<PhotoPiece> autour; // the blurred fill in pieces, on a screen of `ecran`
    QSize ecran;
    // When the photo was taken (invalid when unknown), once asked for.
    std::optional<QDateTime> prise;
};

// Loads `chemin` and makes what `p` asks for.
PhotoPrete preparerPhoto(const Pictures& pictures, const QString& chemin,
                         const PreparationPhoto& p);
