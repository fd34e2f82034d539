#pragma once

// Drives Qt's file dialog as a user would, once it is open and modal.

#include <QString>
#include <functional>

class QFileDialog;

namespace PiloteDialogue {

// Runs `action` on the next file dialog as soon as it is open.
void quandOuvert(std::function<void(QFileDialog&)> action);

// Types `texte` key by key into the focused file name field, as a user does.
void taper(QFileDialog& d, const QString& texte);

// Presses the accept button. When it cannot be pressed the dialog is cancelled, so that the
// test fails instead of waiting, and `echec()` tells it.
void valider(QFileDialog& d);
bool echec();
void oublierEchec();

} // namespace PiloteDialogue
