// bench_show: the real slide show offscreen on a screen of 1920 x 1080 (or --screen WxH) over an
// album of 12 and 24 megapixel JPEGs. Prints the frame rate during transitions (and over the
// whole show), the UI thread's CPU time per frame, the longest time the UI thread was blocked
// around a photo change, the peak memory and the CPU time the process spent per second of show
// (every thread: decodes, Qt's painting helpers and a software OpenGL's threads included), with
// the OpenGL renderer's name when the show draws with OpenGL; then, as the comparison, the same
// photos decoded at full size on the UI thread.
//
//   bench_show [--screen WxH] [--transitions N] [--folder DIR] [--wallpaper] [OPTIONS]
//   bench_show [--screen WxH] [--folder DIR] [OPTIONS] --capture PREFIX
//   bench_show --compare A.png B.png
//
// OPTIONS: --speed N (the speed index, 3 = 1200 ms fades by default), --pan-zoom, --blur,
// --opengl or --painter (the drawing forced; by default OpenGL only on a hardware renderer).
// OpenGL needs a display: run it under xvfb-run with QT_QPA_PLATFORM=xcb.
//
// With --capture, each photo is shown alone (an album of one photo) and the show's screen is
// written to PREFIX-N.png, so that two builds can be compared pixel for pixel; with --pan-zoom
// (or --moment) the screen is the one of a fade halfway from photo N to the next, 600 ms into
// the next one's motion, with the same motions whatever draws it, so that the painter's frame
// and OpenGL's can be compared. --compare prints how far two such pictures differ.
//
// The photos are made once in DIR (default: a folder under the system's temporary folder) by a
// child process, so that painting them does not count in this process's peak memory.

#include "app/renduopengl.h"
#include "controls/photopanel.h"
#include "controls/transitionpanel.h"
#include "mesuresbanc.h"
#include "platform/glrenderer.h"
#include "platform/largebuffers.h"
#include "samples.h"
#include "saver/photoprete.h"
#include "saver/ss.h"
#include "servicesbanc.h"
#include "settings/reglages.h"
#include "settings/vitesses.h"
#include "startup/module1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <ctime>

namespace {

// This process's CPU time so far, every thread, in seconds.
double cpuS() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The UI thread's own CPU time so far, in seconds.
double cpuFilS() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

QSize tailleEcran(const QString& texte) {
    const QStringList c = texte.split(u'x');
    const QSize s = c.size() == 2 ? QSize(c[0].toInt(), c[1].toInt()) : QSize();
    return s.isEmpty() ? QSize(1920, 1080) : s;
}

QStringList nomsPhotos(const QString& dossier) {
    return {dossier + QStringLiteral("/12mp-a.jpg"), dossier + QStringLiteral("/12mp-b.jpg"),
            dossier + QStringLiteral("/24mp-a.jpg"), dossier + QStringLiteral("/24mp-b.jpg")};
}

int generer(const QString& dossier) {
    QDir().mkpath(dossier);
    const QStringList noms = nomsPhotos(dossier);
    const QSize tailles[] = {{4000, 3000}, {3000, 4000}, {6000, 4000}, {4000, 6000}};
    for (int i = 0; i < noms.size(); ++i)
        if (!Samples::write(Samples::paint(tailles[i], 40 + i), noms[i], Samples::Format::Jpeg))
            return 1;
    return 0;
}

// The show's options, as the command line gives them.
struct Options {
    int vitesse = 3; // 1200 ms
    bool mouvement = false;
    bool flou = false;
    QString dessin = QStringLiteral("0"); // by the renderer
    bool moment = false;

    void ecrire(SettingsStore& store) const {
        Reglages::ecrire(store, Reglages::vitesseAffichage(), QString::number(vitesse));
        Reglages::ecrire(store, Reglages::mouvement(), mouvement ? "1" : "0");
        Reglages::ecrire(store, Reglages::fondFlou(), flou ? "1" : "0");
        Reglages::ecrire(store, Reglages::dessin(), dessin);
    }
    QString texte() const {
        return QStringLiteral("%1%2").arg(mouvement ? ", pan and zoom" : "",
                                          flou ? ", blurred fill" : "");
    }
};

// The OpenGL renderer's name: asked of the program's child as the show does, or here when
// OpenGL is forced anyway.
QString sonde(const Options& o) {
    if (o.dessin == u"1")
        return GlRenderer::name();
    return GlRenderer::nameFromChild(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/../lumivane"),
                                     ArgumentRenduOpenGL, PrefixeRenduOpenGL);
}

// Two motions that the painter and OpenGL both draw, whatever the random source gives.
const PhotoMotion MouvementA{1.02, 1.07, {0.2, 0.7}, {0.8, 0.3}, 4400};
const PhotoMotion MouvementB{1.08, 1.03, {0.9, 0.1}, {0.4, 0.6}, 4400};

// The screen of a show whose album is the one photo `photo`, once it is painted; with
// `suivante`, the screen halfway through a fade to it, 600 ms into its motion.
QImage ecranUnePhoto(const QString& photo, const QString& suivante, const QSize& ecran,
                     const Options& o) {
    QTemporaryDir reglages;
    ServicesBanc banc(reglages.filePath(QStringLiteral("Lumivane.ini")));
    Module1 module(reglages.path(), {}, [] {});
    module.lireLigneCommande(QStringLiteral("/S"));
    Samples::writeAlbum(banc.settings, {photo});
    o.ecrire(banc.settings);
    SS ss(banc.services, module);
    ss.setGeometry(QRect(QPoint(0, 0), ecran));
    ss.preparerDessin([&o] { return sonde(o); });
    ss.show();
    ss.ChargerPhotos();
    auto* panneau = ss.findChild<PhotoPanel*>(QStringLiteral("Photo"));
    double maintenant = 0;
    panneau->setClock([&maintenant] { return maintenant; });
    ss.afficherPhoto(1);
    if (!suivante.isEmpty()) {
        if (o.mouvement)
            panneau->setMotion(MouvementA);
        maintenant = 1500;
        PreparationPhoto p;
        p.ecran = ecran;
        p.fondFlou = o.flou;
        p.ecranEntier = o.mouvement || !ss.rendererGl().isEmpty();
        const PhotoPrete prete = preparerPhoto(banc.pictures, suivante, p);
        panneau->beginCrossFade([] { return 0.5; });
        panneau->setPicture(prete.image, prete.autour, prete.ecran);
        if (o.mouvement)
            panneau->setMotion(MouvementB);
        maintenant = 2100;
    }
    QCoreApplication::processEvents();
    return ss.grab().toImage();
}

// How far two pictures of the same size differ, channel by channel.
int comparer(const QString& a, const QString& b, QTextStream& out) {
    const QImage x = QImage(a).convertToFormat(QImage::Format_RGB32);
    const QImage y = QImage(b).convertToFormat(QImage::Format_RGB32);
    if (x.isNull() || x.size() != y.size()) {
        out << "not two pictures of the same size\n";
        return 1;
    }
    int plusGrand = 0;
    double somme = 0;
    qint64 auDela = 0;
    for (int l = 0; l < x.height(); ++l) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(l));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(l));
        for (int c = 0; c < x.width(); ++c) {
            const int d =
                std::max({std::abs(qRed(p[c]) - qRed(q[c])), std::abs(qGreen(p[c]) - qGreen(q[c])),
                          std::abs(qBlue(p[c]) - qBlue(q[c]))});
            plusGrand = std::max(plusGrand, d);
            somme += d;
            auDela += d > 4;
        }
    }
    const double n = double(x.width()) * x.height();
    out << QStringLiteral("%1 vs %2: largest difference %3 levels, mean %4, pixels beyond 4 "
                          "levels %5 %\n")
               .arg(QFileInfo(a).fileName(), QFileInfo(b).fileName())
               .arg(plusGrand)
               .arg(somme / n, 0, 'f', 3)
               .arg(100.0 * double(auDela) / n, 0, 'f', 4);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    returnLargeBuffersToSystem();
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    QString dossier = QDir::tempPath() + QStringLiteral("/lumivane-bench-photos");
    int transitions = 10;
    QSize Ecran(1920, 1080);
    const bool fondDuJour = args.contains(QStringLiteral("--wallpaper"));
    QTextStream out(stdout);
    if (const qsizetype c = args.indexOf(QStringLiteral("--compare")); c > 0 && c + 2 < args.size())
        return comparer(args[c + 1], args[c + 2], out);
    Options options;
    options.mouvement = args.contains(QStringLiteral("--pan-zoom"));
    options.flou = args.contains(QStringLiteral("--blur"));
    options.moment = options.mouvement || args.contains(QStringLiteral("--moment"));
    if (args.contains(QStringLiteral("--opengl")))
        options.dessin = QStringLiteral("1");
    if (args.contains(QStringLiteral("--painter")))
        options.dessin = QStringLiteral("2");
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--folder")
            dossier = args[i + 1];
        else if (args[i] == u"--screen")
            Ecran = tailleEcran(args[i + 1]);
        else if (args[i] == u"--speed")
            options.vitesse = std::clamp(args[i + 1].toInt(), 0, 7);
        else if (args[i] == u"--transitions")
            transitions = std::max(1, args[i + 1].toInt());
        else if (args[i] == u"--generate")
            return generer(args[i + 1]);
    }
    const QStringList photos = nomsPhotos(dossier);
    if (!imagesPretes(photos, dossier, out))
        return 1;
    if (const qsizetype c = args.indexOf(QStringLiteral("--capture"));
        c > 0 && c + 1 < args.size()) {
        for (int i = 0; i < photos.size(); ++i) {
            const QString suivante = options.moment ? photos[(i + 1) % photos.size()] : QString();
            if (!ecranUnePhoto(photos[i], suivante, Ecran, options)
                     .save(args[c + 1] + QStringLiteral("-%1.png").arg(i)))
                return 1;
        }
        return 0;
    }

    QTemporaryDir reglages;
    ServicesBanc banc(reglages.filePath(QStringLiteral("Lumivane.ini")));
    Module1 module(reglages.path(), {}, [] {});
    module.lireLigneCommande(QStringLiteral("/S"));
    Samples::writeAlbum(banc.settings, photos);
    options.ecrire(banc.settings);
    // With --wallpaper the first tick also turns a 24 MP photo into today's wallpaper bitmap.
    if (fondDuJour)
        Reglages::ecrire(banc.settings, Reglages::wall(banc.clock.weekdayFromSunday() - 1),
                         photos[2]);

    SS ss(banc.services, module);
    auto* transition = ss.findChild<TransitionPanel*>(QStringLiteral("SSTransition1"));
    auto* panneau = ss.findChild<PhotoPanel*>(QStringLiteral("Photo"));
    ss.setGeometry(QRect(QPoint(0, 0), Ecran));
    ss.preparerDessin([&options] { return sonde(options); });
    ss.show();
    ss.ChargerPhotos();
    ss.poserPremierePhoto();
    const double memoireDepart = maxRssMo();

    Battement battement;
    QElapsedTimer horloge;
    horloge.start();
    const double cpuDepart = cpuS();
    const double cpuFilDepart = cpuFilS();
    // The fade's photograph is painted by the overlay, over the panel painted beneath it at
    // each frame; pictures that move, and OpenGL, are painted by the panel alone.
    const auto images2 = [&](qint64 overlay, qint64 panel) {
        return std::max(transition->framesPainted() - overlay, panneau->framesPainted() - panel);
    };
    const qint64 overlayDepart = transition->framesPainted(),
                 panneauDepart = panneau->framesPainted();

    // The tick itself, timed: wallpaper check, stills, next photo in place, next decode started.
    // The bench's own timer stands for the form's, which stays off.
    QTimer cycle;
    QList<qint64> tics;
    int faites = 0;
    qint64 debutFondu = 0, dureeFondus = 0, imagesAvant = 0, panneauAvant = 0;
    double cpuFilDebut = 0, cpuFilFondus = 0;
    QObject::connect(&cycle, &QTimer::timeout, [&] {
        const bool demarre = !transition->running() && ss.suivantePrete();
        const qint64 t0 = horloge.nsecsElapsed();
        ss.Timer1_Timer();
        const qint64 t1 = horloge.nsecsElapsed();
        if (demarre)
            tics << t1 - t0;
    });
    QObject::connect(transition, &TransitionPanel::transitionEvent, [&] {
        debutFondu = horloge.nsecsElapsed();
        imagesAvant = transition->framesPainted();
        panneauAvant = panneau->framesPainted();
        cpuFilDebut = cpuFilS();
    });
    qint64 images = 0;
    QObject::connect(transition, &TransitionPanel::finished, [&] {
        if (!debutFondu)
            return;
        dureeFondus += horloge.nsecsElapsed() - debutFondu;
        cpuFilFondus += cpuFilS() - cpuFilDebut;
        images += images2(imagesAvant, panneauAvant);
        debutFondu = 0;
        if (++faites >= transitions)
            QApplication::quit();
    });
    cycle.start(500);
    battement.demarrer();
    QApplication::exec();
    battement.arreter();
    cycle.stop();
    const double dureeS = double(horloge.nsecsElapsed()) / 1e9;
    const double cpuSpectacle = (cpuS() - cpuDepart) / dureeS;
    const double cpuFil = cpuFilS() - cpuFilDepart;
    const qint64 imagesTout = images2(overlayDepart, panneauDepart);
    const double memoireSpectacle = maxRssMo();

    out << "Slide show, " << Ecran.width() << " x " << Ecran.height() << ", " << photos.size()
        << " photos (2 x 12 MP, 2 x 24 MP JPEG), " << faites << " transitions of "
        << Vitesses::dureeMs(options.vitesse) << " ms" << options.texte()
        << (fondDuJour ? ", with a 24 MP wallpaper of the day" : "") << "\n";
    out << "  drawn by "
        << (ss.rendererGl().isEmpty() ? QStringLiteral("the painter")
                                      : QStringLiteral("OpenGL, ") + ss.rendererGl())
        << (ss.rendererSonde() && ss.rendererGl().isEmpty()
                ? QStringLiteral(" (OpenGL renderer: %1)")
                      .arg(ss.rendererSonde()->isEmpty() ? QStringLiteral("none")
                                                         : *ss.rendererSonde())
                : QString())
        << "\n";
    out << QStringLiteral("  frames per second over the show: %1; UI thread CPU per frame: %2 ms\n")
               .arg(double(imagesTout) / dureeS, 0, 'f', 1)
               .arg(1e3 * cpuFil / double(std::max<qint64>(imagesTout, 1)), 0, 'f', 2);
    out << QStringLiteral("  frames per second during transitions: %1\n")
               .arg(double(images) * 1e9 / double(std::max<qint64>(dureeFondus, 1)), 0, 'f', 1);
    out << QStringLiteral("  UI thread CPU per frame during transitions: %1 ms\n")
               .arg(1e3 * cpuFilFondus / double(std::max<qint64>(images, 1)), 0, 'f', 2);
    std::sort(tics.begin(), tics.end());
    const auto ms = [](qint64 ns) { return QString::number(double(ns) / 1e6, 'f', 1); };
    out << "  photo changes on the UI thread (tick that starts a transition): median "
        << ms(tics.value(tics.size() / 2)) << " ms, longest " << ms(tics.value(tics.size() - 1))
        << " ms\n";
    out << QStringLiteral("  longest gap of the UI thread's 1 ms heartbeat: %1 ms\n")
               .arg(battement.plusLongueAttenteMs(), 0, 'f', 1);
    out << QStringLiteral("  peak memory: %1 MB (after the first photo: %2 MB)\n")
               .arg(memoireSpectacle, 0, 'f', 0)
               .arg(memoireDepart, 0, 'f', 0);
    out << QStringLiteral("  CPU per second of show: %1 % of one core\n")
               .arg(100 * cpuSpectacle, 0, 'f', 1);

    out << "Comparison, the same photos decoded on the UI thread\n";
    for (const QString& p : photos) {
        QElapsedTimer t;
        t.start();
        const QImage ecran = banc.pictures.loadFitted(p, Ecran);
        const double fitted = double(t.nsecsElapsed()) / 1e6;
        t.restart();
        const QImage entiere = banc.pictures.load(p);
        const double full = double(t.nsecsElapsed()) / 1e6;
        out << QStringLiteral("  %1 (%2 x %3): at screen size %4 ms, at full size %5 ms\n")
                   .arg(QFileInfo(p).fileName())
                   .arg(entiere.width())
                   .arg(entiere.height())
                   .arg(fitted, 0, 'f', 0)
                   .arg(full, 0, 'f', 0);
    }
    out << QStringLiteral("  peak memory after full-size decodes: %1 MB\n")
               .arg(maxRssMo(), 0, 'f', 0);
    return 0;
}
