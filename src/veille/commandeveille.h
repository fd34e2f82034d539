#pragma once

#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

// Where the watcher's start at login is written: $XDG_CONFIG_HOME/autostart/.
QString cheminEntreeVeille();
// The lock the running watcher holds, so that a second one does not start and `--veille off`
// finds the one to end. Stale only when its process is gone, however old it is.
std::unique_ptr<QLockFile> verrouVeille();

// Why the watcher's lock could not be taken, when no live watcher holds it.
QString texteVerrouImpossible(const QLockFile& verrou);

// `texte` as one argument of a desktop entry's Exec= line: quoted where a character would split
// or expand it, escaped inside the quotes and again as the key's string value. None for a text
// that holds a line break or another control character.
std::optional<QString> argumentExec(const QString& texte);
// The XDG autostart entry that runs `programme --veille` at login; none when the path cannot be
// written in it.
std::optional<QByteArray> texteEntreeVeille(const QString& programme);

// `--veille on`: writes the entry and starts the watcher unless it runs already.
// `--veille off`: removes the entry and ends the running watcher. Each prints one line.
int activerVeille(const QString& programme);
int desactiverVeille();
