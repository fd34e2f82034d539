#pragma once

#include <QString>

// Rules of the dialog that need no widget.
namespace ReglesDialogue {

// The index a stored option stands for: the stored text as a whole number when it is one from
// 0 to nombre - 1, otherwise `defaut`. Start-up never fails on a value edited by hand.
int indexOption(const QString& valeur, int nombre, int defaut);

} // namespace ReglesDialogue
