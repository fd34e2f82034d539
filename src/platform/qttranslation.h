#pragma once

class QCoreApplication;

// Makes French the default locale and installs Qt's own French catalogue, so that the standard
// buttons of message boxes and file dialogs read "Oui", "Non", "Annuler"... and dates and sizes
// are written the French way. The translator belongs to `app`. False when the catalogue is not
// installed; the program then runs with Qt's English texts.
bool installQtTranslation(QCoreApplication& app);
