#pragma once

#include <QString>

class Desktop;
class Prompts;

// Whether `chemin` is a regular file that holds a picture by its content, and that the desktop,
// which picks a program by the file's name first, will also take for a picture.
bool estUneImage(const QString& chemin);

// Opens the previewed picture in the program the desktop associates with it. A path in an album
// or a weekday key can name anything, and the desktop's "open" runs some files (a launcher, a
// script): anything but a picture is refused, and the user is told. An empty path does nothing.
void ouvrirImage(const QString& chemin, Desktop& bureau, Prompts& questions);
