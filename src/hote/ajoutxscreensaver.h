#pragma once

#include <QByteArray>
#include <QString>

// The X11 host's per-user settings (~/.xscreensaver) with Lumivane in its program list, first.
// `fichier` is the user's file (empty when missing), `defauts` the host's app-defaults, from
// which the list is taken when the user's file has none. Every other line stays byte for byte;
// a list that already runs lumivane comes back unchanged, one where the user disabled it comes
// back with it enabled, and a list on one line becomes a continued one. Empty when neither has
// a list.
QByteArray ajouterAuxProgrammes(const QByteArray& fichier, const QByteArray& defauts);

// `--ajouter-xscreensaver`: edits the file (whole or not at all; a regular file only), asks a
// running host to read it again, prints one line.
int ajouterXScreenSaver();
