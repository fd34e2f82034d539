#include "decor/motsurligne.h"

#include <QFontMetrics>

MotSurLigne poserMot(const QString& ligne, const QString& marque, const QString& mot,
                     const QFontMetrics& fm) {
    const qsizetype at = ligne.indexOf(marque);
    if (at < 0)
        return {ligne, -1};
    const QString avant = ligne.left(at);
    const int debut = fm.horizontalAdvance(avant);
    const int largeur = fm.horizontalAdvance(mot);
    // Blanks come whole: the word is centred in the narrowest run of them that holds it, so the
    // spacing around it stays within half a blank of the sentence's own.
    QString trou;
    while (fm.horizontalAdvance(avant + trou) - debut < largeur)
        trou += u' ';
    const int gauche = debut + (fm.horizontalAdvance(avant + trou) - debut - largeur) / 2;
    return {avant + trou + ligne.mid(at + marque.size()), gauche};
}
