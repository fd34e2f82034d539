#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

class Pictures;

// What the next photo needs, made off the UI thread as the options ask: the photo at the
// screen's size, its blurred fill, and the day it was taken.
struct PreparationPhoto {
    QSize ecran;
    bool fondFlou = false;
    // Keeps the blurred fill apart, for a drawing that stretches it itself (OpenGL); the
    // painter's is made into one picture with the photo.
    bool fondSepare = false;
    bool date = false;
};

struct PhotoPrete {
    QImage image;    // null when the file cannot be loaded
    QImage fond;     // the blurred fill when kept apart, null otherwise
    QDateTime prise; // when the photo was taken, when asked for and known
    bool priseLue = false;
};

// Loads `chemin` and makes what `p` asks for.
PhotoPrete preparerPhoto(const Pictures& pictures, const QString& chemin,
                         const PreparationPhoto& p);
