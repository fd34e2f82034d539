#include "controls/reglesdialogue.h"

#include <cstdlib>

namespace ReglesDialogue {

int indexOption(const QString& valeur, int nombre, int defaut) {
    bool ok = false;
    const int n = valeur.trimmed().toInt(&ok);
    return ok && n >= 0 && n < nombre ? n : defaut;
}

} // namespace ReglesDialogue
