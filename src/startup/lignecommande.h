#pragma once

#include <QString>
#include <optional>

// The rules of the command line, the same for every start: the mode it asks for and the window
// it names. They need no window system.

// The mode of a command line: trimmed, upper case, first two characters, trimmed again.
QString modeDe(const QString& ligneCommande);

// The preview pane's window from a "/P" command line: the number from its 4th character on,
// decimal or 0x-hexadecimal. Nothing when there is no usable number.
std::optional<quintptr> fenetreApercu(const QString& ligneCommande);

// The conventions of X11 screen-saver hosts: "-window-id ID" (hexadecimal with 0x, or decimal)
// names the window to draw into; without it, the XSCREENSAVER_WINDOW variable does; "-root"
// alone means the root window (answered as 0). Nothing when the command line follows none of
// them, or names no usable window. Each option may also be written with two dashes.
std::optional<quintptr> fenetreHoteX11(const QString& ligneCommande, const QString& variable);

// A window id written in hexadecimal with 0x, or in decimal; nothing when it is not one.
std::optional<quintptr> identifiantFenetre(const QString& texte);
