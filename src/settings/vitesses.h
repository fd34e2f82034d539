#pragma once

#include <QString>
#include <QStringList>

// The transition speeds, stored under "Combo 0" as their index: what the options panel lists
// and how long the show's transition takes. The dialog and the show read the stored index each
// by a rule of its own, with a default of its own.
namespace Vitesses {

// The labels of the options panel, from the fastest.
QStringList libelles();
int nombre();
// Length of the transition of speed `index` (0 .. nombre() - 1), in milliseconds.
int dureeMs(int index);

// The index the dialog selects when the stored text is not one.
constexpr int DefautDialogue = 7;
// The index the show reads when the key is absent.
constexpr int DefautAffichage = 0;

// The dialog's reading: the stored text as a whole number when it is an index, otherwise
// DefautDialogue.
int indexDialogue(const QString& stocke);
// The show's reading, in milliseconds: the stored text as a number rounded half to even when it
// is an index, otherwise 0 (no transition).
int dureeTransition(const QString& stocke);

} // namespace Vitesses
