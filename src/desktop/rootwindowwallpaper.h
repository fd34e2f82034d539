#pragma once

#include "desktop/desktopwallpaper.h"

#include <QImage>

// Any other X11 session: the picture becomes the root window's background pixmap, fitted whole
// and centred on black. The pixmap outlives this program (RetainPermanent) and is published in
// _XROOTPMAP_ID and ESETROOT_PMAP_ID, the properties that terminals and panels read for their
// transparency and that tell the next setter which pixmap to free; the previous setter's
// pixmap is freed here in the same way.
class RootWindowWallpaper final : public DesktopWallpaper {
public:
    bool setWallpaper(const QString& imagePath) override;

    // The picture as it is laid on a screen of `screen` pixels.
    static QImage compose(const QImage& picture, const QSize& screen);
};
