#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Where the watcher's start at login is written: $XDG_CONFIG_HOME/autostart/.
QString cheminEntreeVeille();
// The lock the running watcher holds, so that a second one does not start and `--veille off`
// finds the one to end. Stale only when its process is gone, however old it is.
std::unique_ptr<QLockFile> verrouVeille();

// The XDG autostart entry that runs `programme --veille` at login.
QByteArray texteEntreeVeille(const QString& programme);

// `--veille on`: writes the entry and starts the watcher unless it runs already.
// `--veille off`: removes the entry and ends the running watcher. Each prints one line.
int activerVeille(const QString& programme);
int desactiverVeille();
