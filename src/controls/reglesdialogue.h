#pragma once

#include <QString>

// Rules of the dialog that need no widget.
namespace ReglesDialogue {

// The index a stored option stands for: the stored text as a whole number when it is one from
// 0 to nombre - 1, otherwise `defaut`. Start-up never fails on a value edited by hand.
int IndexOption(const QString& valeur, int nombre, int defaut);

// The next frame of a hover animation over a list of `nombreImages` pictures: frames run 1 ..
// nombreImages - 1 and back to 1, so that the list's last picture (the selected look) is never
// shown by the animation.
int EtapeSuivante(int etape, int nombreImages);

} // namespace ReglesDialogue
