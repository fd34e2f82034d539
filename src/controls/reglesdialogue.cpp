#include "controls/reglesdialogue.h"

#include <cstdlib>

namespace ReglesDialogue {

int IndexOption(const QString& valeur, int nombre, int defaut) {
    bool ok = false;
    const int n = valeur.trimmed().toInt(&ok);
    return ok && n >= 0 && n < nombre ? n : defaut;
}

int EtapeSuivante(int etape, int nombreImages) {
    return etape > nombreImages - 2 ? 1 : etape + 1;
}

QList<int> LargeursGlissement(int depuis, int jusqua, int pas) {
    const int ecart = std::abs(jusqua - depuis);
    const int n = qMax(1, qMin(pas, ecart));
    QList<int> largeurs;
    largeurs.reserve(n + 1);
    for (int k = 0; k <= n; ++k)
        largeurs.append(depuis + int((qint64(jusqua) - depuis) * k / n));
    return largeurs;
}

} // namespace ReglesDialogue
