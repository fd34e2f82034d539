#include "desktop/rootwindowwallpaper.h"

#include "pictures/qtpictures.h"
#include "platform/x11connection.h"

#include <QPainter>
#include <QSysInfo>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

// Every request goes through XCB on a connection of our own: a request that fails (a stale
// pixmap in the root's properties) is answered on this connection, never through Xlib's
// process-wide error handler, which the UI thread may be using at the same moment.

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> reply(T* r) {
    return Reply<T>(r, &std::free);
}

// True when the checked request was carried out. A connection that the server closed answers
// no check with an error, yet carried out nothing after it closed.
bool succeeded(xcb_connection_t* c, xcb_void_cookie_t cookie) {
    xcb_generic_error_t* error = xcb_request_check(c, cookie);
    std::free(error);
    return error == nullptr && !xcb_connection_has_error(c);
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const auto r = reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_NONE);
}

xcb_pixmap_t pixmapProperty(xcb_connection_t* c, xcb_window_t root, xcb_atom_t property) {
    const auto r = reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, property, XCB_ATOM_PIXMAP, 0, 1), nullptr));
    if (!r || r->type != XCB_ATOM_PIXMAP || r->format != 32 ||
        xcb_get_property_value_length(r.get()) != 4)
        return XCB_NONE;
    return *static_cast<const xcb_pixmap_t*>(xcb_get_property_value(r.get()));
}

// The root visual, when its pixels are 0x00RRGGBB in 32 bits: the layout of our canvas.
bool canvasLayout(const xcb_setup_t* setup, const xcb_screen_t* screen) {
    const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != littleEndian)
        return false;
    bool thirtyTwoBits = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == screen->root_depth)
            thirtyTwoBits = f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    if (!thirtyTwoBits || (screen->root_depth != 24 && screen->root_depth != 32))
        return false;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d))
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
            if (v.data->visual_id == screen->root_visual)
                return v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 &&
                       v.data->blue_mask == 0xff;
    return false;
}

// Copies the canvas into the pixmap in bands that each fit in one request.
bool putCanvas(xcb_connection_t* c, xcb_pixmap_t pixmap, uint8_t depth, const QImage& canvas) {
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    const uint32_t maxBytes = xcb_get_maximum_request_length(c) * 4 - 64;
    const int rowsPerBand = std::max<int>(1, int(maxBytes / uint32_t(canvas.bytesPerLine())));
    bool ok = true;
    for (int y = 0; ok && y < canvas.height(); y += rowsPerBand) {
        const int rows = std::min(rowsPerBand, canvas.height() - y);
        ok = succeeded(c, xcb_put_image_checked(
                              c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, uint16_t(canvas.width()),
                              uint16_t(rows), 0, int16_t(y), 0, depth,
                              uint32_t(canvas.bytesPerLine() * rows), canvas.constScanLine(y)));
    }
    xcb_free_gc(c, gc);
    return ok;
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
    const QImage picture = QtPictures().load(imagePath);
    if (picture.isNull())
        return false;
    const X11Connection x11;
    xcb_connection_t* c = x11.connection();
    if (!c)
        return false;
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_screen_t* screen = x11.screen();
    if (!screen || !canvasLayout(setup, screen))
        return false;
    const xcb_window_t root = screen->root;
    const QImage canvas =
        compose(picture, QSize(screen->width_in_pixels, screen->height_in_pixels));

    xcb_set_close_down_mode(c, XCB_CLOSE_DOWN_RETAIN_PERMANENT);
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    if (!succeeded(c,
                   xcb_create_pixmap_checked(c, screen->root_depth, pixmap, root,
                                             uint16_t(canvas.width()), uint16_t(canvas.height()))))
        return false;
    if (!putCanvas(c, pixmap, screen->root_depth, canvas)) {
        // Retained resources outlive us: this one must not.
        succeeded(c, xcb_free_pixmap_checked(c, pixmap));
        return false;
    }
    const xcb_atom_t rootPmap = atom(c, "_XROOTPMAP_ID");
    const xcb_atom_t esetroot = atom(c, "ESETROOT_PMAP_ID");
    // A setter that left its pixmap behind published it in both properties; freeing it is the
    // next setter's job, or every change would leak a screen-sized pixmap on the server. The
    // pixmap may be gone already: the error only answers this check. Once its owner is gone,
    // the server hands the owner's identifiers to the next client, which may be us: the
    // published number is then our own new pixmap, and killing its owner would end this
    // connection before the root is set (the wallpaper stays as it was, on every run that is
    // given those identifiers again).
    const xcb_pixmap_t previous = pixmapProperty(c, root, rootPmap);
    const bool ours = (previous & ~setup->resource_id_mask) == setup->resource_id_base;
    if (previous != XCB_NONE && !ours && previous == pixmapProperty(c, root, esetroot))
        succeeded(c, xcb_kill_client_checked(c, previous));
    for (const xcb_atom_t property : {rootPmap, esetroot})
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, property, XCB_ATOM_PIXMAP, 32, 1,
                            &pixmap);
    xcb_change_window_attributes(c, root, XCB_CW_BACK_PIXMAP, &pixmap);
    // The last request is checked: the server has carried out every one before we disconnect.
    return succeeded(c, xcb_clear_area_checked(c, 0, root, 0, 0, 0, 0));
}
