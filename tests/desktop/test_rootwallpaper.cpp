// The root-window backend for real, on the X server the test runs under (Xvfb -noreset).

#include "desktop/desktopwallpaperfactory.h"
#include "desktop/rootwindowwallpaper.h"
#include "hote/x11windowhost.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <atomic>
#include <chrono>
#include <thread>
#include <xcb/xcb.h>

namespace {

int g_erreurs = 0;
int compterErreurs(Display*, XErrorEvent*) {
    ++g_erreurs;
    return 0;
}

struct Connexion {
    Display* d = XOpenDisplay(nullptr);
    ~Connexion() {
        if (d)
            XCloseDisplay(d);
    }
    Window racine() const { return DefaultRootWindow(d); }
    Pixmap propriete(const char* nom) const {
        Atom type = None;
        int format = 0;
        unsigned long n = 0, reste = 0;
        unsigned char* data = nullptr;
        Pixmap p = None;
        if (XGetWindowProperty(d, racine(), XInternAtom(d, nom, False), 0, 1, False, XA_PIXMAP,
                               &type, &format, &n, &reste, &data) == Success &&
            n == 1)
            p = *reinterpret_cast<Pixmap*>(data);
        if (data)
            XFree(data);
        return p;
    }
    QColor pixel(Drawable dessin, int x, int y) const {
        XImage* image = XGetImage(d, dessin, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return {};
        const unsigned long v = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        return QColor(int((v >> 16) & 0xff), int((v >> 8) & 0xff), int(v & 0xff));
    }
    bool existe(Pixmap p) const {
        g_erreurs = 0;
        auto ancien = XSetErrorHandler(compterErreurs);
        Window r;
        int x, y;
        unsigned w, h, b, prof;
        XGetGeometry(d, p, &r, &x, &y, &w, &h, &b, &prof);
        XSync(d, False);
        XSetErrorHandler(ancien);
        return g_erreurs == 0;
    }
};

// Two halves: red on the left, blue on the right.
QString ecrireImage(const QTemporaryDir& dossier, const QString& nom, const QSize& taille) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < taille.height(); ++y)
        for (int x = 0; x < taille.width() / 2; ++x)
            image.setPixelColor(x, y, Qt::red);
    const QString chemin = dossier.filePath(nom);
    image.save(chemin, "BMP");
    return chemin;
}

} // namespace

class TestRootWallpaper : public QObject {
    Q_OBJECT
private slots:
    void fondDeLaRacine();
    void imageIllisible();
    void avecLeSuiviDeFenetre();
    void troisPosesDeSuite();
};

void TestRootWallpaper::fondDeLaRacine() {
    Connexion x;
    QVERIFY(x.d);
    const int l = DisplayWidth(x.d, DefaultScreen(x.d)), h = DisplayHeight(x.d, DefaultScreen(x.d));
    QTemporaryDir dossier;
    const QString chemin = ecrireImage(dossier, QStringLiteral("LMV.bmp"), QSize(l / 2, h / 4));
    RootWindowWallpaper fond;
    QVERIFY(fond.setWallpaper(chemin));

    const Pixmap premier = x.propriete("_XROOTPMAP_ID");
    QVERIFY(premier != None);
    QCOMPARE(x.propriete("ESETROOT_PMAP_ID"), premier);
    // Fitted whole, centred on black: a band across the middle of the screen.
    QCOMPARE(x.pixel(x.racine(), l / 4, h / 2), QColor(Qt::red));
    QCOMPARE(x.pixel(x.racine(), 3 * l / 4, h / 2), QColor(Qt::blue));
    QCOMPARE(x.pixel(x.racine(), l / 2, 5), QColor(Qt::black));
    QCOMPARE(x.pixel(premier, l / 4, h / 2), QColor(Qt::red));

    // Rewritten at the same path: the new picture shows, the previous pixmap is freed.
    QImage vert(QSize(64, 64), QImage::Format_RGB32);
    vert.fill(Qt::green);
    QVERIFY(vert.save(chemin, "BMP"));
    QVERIFY(fond.setWallpaper(chemin));
    const Pixmap second = x.propriete("_XROOTPMAP_ID");
    QVERIFY(second != None && second != premier);
    QCOMPARE(x.propriete("ESETROOT_PMAP_ID"), second);
    QCOMPARE(x.pixel(x.racine(), l / 2, h / 2), QColor(Qt::green));
    QVERIFY(x.existe(second));
    QVERIFY(!x.existe(premier));
}

void TestRootWallpaper::imageIllisible() {
    Connexion x;
    const Pixmap avant = x.propriete("_XROOTPMAP_ID");
    RootWindowWallpaper fond;
    QVERIFY(!fond.setWallpaper(QStringLiteral("/nonexistent/LMV.bmp")));
    QCOMPARE(x.propriete("_XROOTPMAP_ID"), avant);
}

// The host-window watcher (UI thread) and the wallpaper (a worker) at the same time, each
// meeting X errors over and over: a window that is gone, a pixmap that a previous setter left
// published but that no longer exists. Neither may end the process.
void TestRootWallpaper::avecLeSuiviDeFenetre() {
    Connexion x;
    QVERIFY(x.d);
    const Window disparue = XCreateSimpleWindow(x.d, x.racine(), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(x.d, disparue);
    const Pixmap perime = XCreatePixmap(x.d, x.racine(), 4, 4, 24);
    XFreePixmap(x.d, perime);
    for (const char* nom : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"})
        XChangeProperty(x.d, x.racine(), XInternAtom(x.d, nom, False), XA_PIXMAP, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&perime), 1);
    XSync(x.d, False);
    QTemporaryDir dossier;
    const QString chemin = ecrireImage(dossier, QStringLiteral("LMV.bmp"), QSize(64, 48));

    X11WindowHost hote;
    std::atomic<int> poses{0};
    std::atomic<bool> fini{false};
    std::thread travail([&] {
        RootWindowWallpaper fond;
        for (int i = 0; i < 60; ++i)
            poses += fond.setWallpaper(chemin) ? 1 : 0;
        fini = true;
    });
    int absente = 0, tours = 0;
    // Lookups with short pauses between them, as a watcher makes them: the wallpaper's X
    // work starts and ends both inside and outside of a lookup.
    for (; !fini; ++tours) {
        absente += hote.clientSize(disparue).isValid() ? 0 : 1;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    travail.join();
    QCOMPARE(absente, tours);
    QCOMPARE(poses.load(), 60);
    QVERIFY(x.existe(x.propriete("_XROOTPMAP_ID")));
}

// Three programs in a row, as three runs of the show: after each the properties name a pixmap
// that exists. Before them, a setter that is gone left its pixmap published, and the first
// program's connection is given that setter's freed identifiers.
void TestRootWallpaper::troisPosesDeSuite() {
    Connexion x;
    QVERIFY(x.d);
    {
        xcb_connection_t* parti = xcb_connect(nullptr, nullptr);
        const xcb_pixmap_t perime = xcb_generate_id(parti);
        xcb_create_pixmap(parti, 24, perime, x.racine(), 4, 4);
        xcb_discard_reply(parti, xcb_get_input_focus(parti).sequence);
        xcb_flush(parti);
        for (const char* nom : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"})
            XChangeProperty(x.d, x.racine(), XInternAtom(x.d, nom, False), XA_PIXMAP, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(&perime), 1);
        XSync(x.d, False);
        xcb_disconnect(parti);
    }
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("LMV.bmp"));
    const int l = DisplayWidth(x.d, DefaultScreen(x.d)), h = DisplayHeight(x.d, DefaultScreen(x.d));
    for (const QColor couleur : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
        QImage image(QSize(64, 48), QImage::Format_RGB32);
        image.fill(couleur);
        QVERIFY(image.save(chemin, "BMP"));
        QCOMPARE(QProcess::execute(QCoreApplication::applicationFilePath(),
                                   {QStringLiteral("--poser"), chemin}),
                 0);
        const Pixmap publie = x.propriete("_XROOTPMAP_ID");
        QVERIFY(publie != None && x.existe(publie));
        QCOMPARE(x.propriete("ESETROOT_PMAP_ID"), publie);
        QCOMPARE(x.pixel(x.racine(), l / 2, h / 2), couleur);
    }
}

// With --poser FILE the program sets FILE as the wallpaper and ends: one run of the show, on a
// desktop whose own tool is missing (the root window is the fallback).
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--poser") == 0) {
        qputenv("PATH", "/nulle");
        return createDesktopWallpaper({"KDE", true, false, {}})->setWallpaper(argv[2]) ? 0 : 1;
    }
    TestRootWallpaper test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_rootwallpaper.moc"
