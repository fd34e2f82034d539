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

// What `--veille on` or `--veille off` did, for the terminal and the dialog alike: one line, and
// the exit code (0 when done).
struct IssueVeille {
    int code = 0;
    QString ligne;
};

// `--veille on`: writes the entry and starts the watcher unless it runs already; nothing when no
// idle source answers in this session (`sourceRepond`), where the watcher could not run.
// `--veille off`: removes the entry and ends the running watcher.
IssueVeille activerVeille(const QString& programme, bool sourceRepond);
IssueVeille desactiverVeille();

// Why the watcher cannot run here, without its line break.
QString messageSansSource();
