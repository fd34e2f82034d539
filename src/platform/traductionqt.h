#pragma once

class QCoreApplication;

// Installs Qt's own French catalogue, so that the standard buttons of message boxes and file
// dialogs read "Oui", "Non", "Annuler"... The translator belongs to `app`. False when the
// catalogue is not installed; the program then runs with Qt's English texts.
bool installerTraductionQt(QCoreApplication& app);
