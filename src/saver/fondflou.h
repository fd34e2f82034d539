#pragma once

#include "controls/photopiece.h"

#include <QImage>
#include <QList>
#include <QSize>

// The blurred fill around a photo that does not fill the screen: a darkened, blurred copy of
// the photo covering the screen, made once per photo beside its decode, off the UI thread.
namespace FondFlou {

// The blurred copy of `photo` for a screen of `ecran`, at an eighth of the screen's size
// (enlarged when it is drawn, which the blur hides): it covers the screen's proportions, its
// middle cut from the middle of the photo.
QImage fond(const QImage& photo, const QSize& ecran);

// The screen as it is shown: `fond` stretched over the screen (black when null) and the photo
// fitted in the middle. One picture of the screen's size instead of the photo, so that each
// repaint draws as little as before.
QImage composer(const QImage& photo, const QImage& fond, const QSize& ecran);
// The same screen, but only what lies around the photo, in pieces: the photo stays as it is,
// and no picture of the screen's size is made beside it.
QList<PhotoPiece> autour(const QImage& photo, const QImage& fond, const QSize& ecran);

// Whether `photo` leaves a part of a screen of `ecran` uncovered.
bool laisseDesBords(const QSize& photo, const QSize& ecran);

} // namespace FondFlou
