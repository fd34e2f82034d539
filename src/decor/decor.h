#pragma once

#include <QColor>
#include <QImage>
#include <QList>

// The dialog's artwork, painted in code.
namespace Decor {

// The option and weekday panels: their background and their text.
inline const QColor fondPanneau(26, 46, 58);
inline const QColor textePanneau(222, 232, 236);

// Background of the whole dialog.
QImage fond(const QSize& taille);

// The six pictures of command `commande` (0 to 5), 65 x 53 pixels: the normal look, four more
// hover frames, and the selected look last.
QList<QImage> imagesCommande(int commande);

// The close button, 17 x 18 pixels: normal and highlighted.
QImage fermer(bool surligne);

// A caption button's frame, of the button's size in pixels: normal and pressed.
QImage bouton(const QSize& taille, bool enfonce);

} // namespace Decor
