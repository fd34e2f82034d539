#pragma once

#include <QString>

class QFontMetrics;

// A word drawn apart (in its own colour) over a line of text: the line keeps blanks where the
// word goes, sized with the font's own metrics so that the sentence reads as one line.
struct MotSurLigne {
    QString ligne;  // `marque` replaced by the blanks that hold the word
    int gauche = 0; // where the word starts, in pixels from the line's start; -1 without `marque`
};

// Both the line and the word are drawn with the font of `fm`.
MotSurLigne poserMot(const QString& ligne, const QString& marque, const QString& mot,
                     const QFontMetrics& fm);
