#pragma once

#include <QColor>
#include <QImage>
#include <QList>

// The pictures of the wallpaper buttons, painted in code.
namespace ImagesJour {

// Pixels of this colour are not drawn: the buttons are given it as their mask colour.
inline const QColor Masque{47, 55, 47};

// Five 30 x 34 pictures: the rest look, three more hover frames in which a sun rises over the
// little screen's landscape, and the active look last. `fond` is the colour the pictures stand
// on, so that their soft edges blend into it.
QList<QImage> images(const QColor& fond);

} // namespace ImagesJour
