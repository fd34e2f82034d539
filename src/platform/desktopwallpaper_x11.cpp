#include "platform/desktopwallpaper_x11.h"

#include <QImageReader>
#include <QPainter>
#include <QSysInfo>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

Pixmap pixmapProperty(Display* display, Window root, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    Pixmap result = None;
    if (XGetWindowProperty(display, root, property, 0, 1, False, XA_PIXMAP, &type, &format, &items,
                           &after, &data) == Success &&
        type == XA_PIXMAP && format == 32 && items == 1 && data)
        result = *reinterpret_cast<Pixmap*>(data);
    if (data)
        XFree(data);
    return result;
}

} // namespace

QImage RootWindowWallpaper::compose(const QImage& picture, const QSize& screen) {
    QImage canvas(screen, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    if (picture.isNull() || screen.isEmpty())
        return canvas;
    const QSize s = picture.size().scaled(screen, Qt::KeepAspectRatio);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(
        QRect(QPoint((screen.width() - s.width()) / 2, (screen.height() - s.height()) / 2), s),
        picture);
    return canvas;
}

bool RootWindowWallpaper::setWallpaper(const QString& imagePath) {
    QImageReader reader(imagePath);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int depth = DefaultDepth(display, screen);
    Visual* visual = DefaultVisual(display, screen);
    // The canvas is 0xffRRGGBB per pixel: the layout of 24- and 32-bit true-colour screens.
    if ((depth != 24 && depth != 32) || visual->red_mask != 0xff0000 ||
        visual->green_mask != 0xff00 || visual->blue_mask != 0xff) {
        XCloseDisplay(display);
        return false;
    }
    const QSize size(DisplayWidth(display, screen), DisplayHeight(display, screen));
    QImage canvas = compose(picture, size);

    auto previousHandler = XSetErrorHandler(ignoreErrors);
    XSetCloseDownMode(display, RetainPermanent);
    const Pixmap pixmap = XCreatePixmap(display, root, unsigned(size.width()),
                                        unsigned(size.height()), unsigned(depth));
    XImage* image = XCreateImage(display, visual, unsigned(depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(canvas.bits()), unsigned(size.width()),
                                 unsigned(size.height()), 32, int(canvas.bytesPerLine()));
    bool ok = image != nullptr;
    if (image) {
        image->byte_order = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? LSBFirst : MSBFirst;
        GC gc = XCreateGC(display, pixmap, 0, nullptr);
        XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, unsigned(size.width()),
                  unsigned(size.height()));
        XFreeGC(display, gc);
        image->data = nullptr; // the canvas owns the pixels
        XDestroyImage(image);
    }
    if (ok) {
        const Atom rootPmap = XInternAtom(display, "_XROOTPMAP_ID", False);
        const Atom esetroot = XInternAtom(display, "ESETROOT_PMAP_ID", False);
        // A setter that left its pixmap behind published it in both properties; freeing it is
        // the next setter's job, or every change would leak a screen-sized pixmap on the server.
        const Pixmap previous = pixmapProperty(display, root, rootPmap);
        if (previous != None && previous == pixmapProperty(display, root, esetroot))
            XKillClient(display, previous);
        XChangeProperty(display, root, rootPmap, XA_PIXMAP, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&pixmap), 1);
        XChangeProperty(display, root, esetroot, XA_PIXMAP, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&pixmap), 1);
        XSetWindowBackgroundPixmap(display, root, pixmap);
        XClearWindow(display, root);
    }
    XSync(display, False);
    XSetErrorHandler(previousHandler);
    XCloseDisplay(display);
    return ok;
}
