// bench_show: the real slide show offscreen on a screen of 1920 x 1080 (or --screen WxH) over an
// album of 12 and 24 megapixel JPEGs. Prints the frame rate during transitions, the longest time
// the UI thread was blocked around a photo change, the peak memory and the CPU time the process
// spent per second of show (every thread: decodes and Qt's painting helpers included); then, as
// the comparison, the same photos decoded at full size on the UI thread.
//
//   bench_show [--screen WxH] [--transitions N] [--folder DIR] [--wallpaper]
//   bench_show [--screen WxH] [--folder DIR] --capture PREFIX
//
// With --capture, each photo is shown alone (an album of one photo) and the show's screen is
// written to PREFIX-N.png, so that two builds can be compared pixel for pixel.
//
// The photos are made once in DIR (default: a folder under the system's temporary folder) by a
// child process, so that painting them does not count in this process's peak memory.

#include "controls/photopanel.h"
#include "controls/transitionpanel.h"
#include "mesuresbanc.h"
#include "platform/largebuffers.h"
#include "samples.h"
#include "saver/listephotos.h"
#include "saver/ss.h"
#include "servicesbanc.h"
#include "settings/reglages.h"
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

// The screen of a show whose album is the one photo `photo`, once it is painted.
QImage ecranUnePhoto(const QString& photo, const QSize& ecran) {
    QTemporaryDir reglages;
    ServicesBanc banc(reglages.filePath(QStringLiteral("Lumivane.ini")));
    Module1 module(reglages.path(), {}, [] {});
    module.lireLigneCommande(QStringLiteral("/S"));
    Samples::writeAlbum(banc.settings, {photo});
    SS ss(banc.services, module);
    ss.setGeometry(QRect(QPoint(0, 0), ecran));
    ss.show();
    ss.ChargerPhotos();
    ss.afficherPhoto(1);
    QCoreApplication::processEvents();
    return ss.grab().toImage();
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
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--folder")
            dossier = args[i + 1];
        else if (args[i] == u"--screen")
            Ecran = tailleEcran(args[i + 1]);
        else if (args[i] == u"--transitions")
            transitions = std::max(1, args[i + 1].toInt());
        else if (args[i] == u"--generate")
            return generer(args[i + 1]);
    }
    QTextStream out(stdout);
    const QStringList photos = nomsPhotos(dossier);
    if (!imagesPretes(photos, dossier, out))
        return 1;
    if (const qsizetype c = args.indexOf(QStringLiteral("--capture"));
        c > 0 && c + 1 < args.size()) {
        for (int i = 0; i < photos.size(); ++i)
            if (!ecranUnePhoto(photos[i], Ecran)
                     .save(args[c + 1] + QStringLiteral("-%1.png").arg(i)))
                return 1;
        return 0;
    }

    QTemporaryDir reglages;
    ServicesBanc banc(reglages.filePath(QStringLiteral("Lumivane.ini")));
    Module1 module(reglages.path(), {}, [] {});
    module.lireLigneCommande(QStringLiteral("/S"));
    Samples::writeAlbum(banc.settings, photos);
    Reglages::ecrire(banc.settings, Reglages::vitesseAffichage(), QStringLiteral("3")); // 1200 ms
    // With --wallpaper the first tick also turns a 24 MP photo into today's wallpaper bitmap.
    if (fondDuJour)
        Reglages::ecrire(banc.settings, Reglages::wall(banc.clock.weekdayFromSunday() - 1),
                         photos[2]);

    SS ss(banc.services, module);
    auto* transition = ss.findChild<TransitionPanel*>(QStringLiteral("SSTransition1"));
    ss.setGeometry(QRect(QPoint(0, 0), Ecran));
    ss.show();
    ss.ChargerPhotos();
    ss.afficherPhoto(ChoisirPhoto(qint16(ss.liste().size()), module.DernierePhoto(), banc.random));
    const double memoireDepart = maxRssMo();

    Battement battement;
    QElapsedTimer horloge;
    horloge.start();
    const double cpuDepart = cpuS();

    // The tick itself, timed: wallpaper check, stills, next photo in place, next decode started.
    // The bench's own timer stands for the form's, which stays off.
    QTimer cycle;
    QList<qint64> tics;
    int faites = 0;
    qint64 debutFondu = 0, dureeFondus = 0, imagesAvant = 0;
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
        cpuFilDebut = cpuFilS();
    });
    qint64 images = 0;
    QObject::connect(transition, &TransitionPanel::finished, [&] {
        if (!debutFondu)
            return;
        dureeFondus += horloge.nsecsElapsed() - debutFondu;
        cpuFilFondus += cpuFilS() - cpuFilDebut;
        images += transition->framesPainted() - imagesAvant;
        debutFondu = 0;
        if (++faites >= transitions)
            QApplication::quit();
    });
    cycle.start(500);
    battement.demarrer();
    QApplication::exec();
    battement.arreter();
    cycle.stop();
    const double cpuSpectacle = (cpuS() - cpuDepart) / (double(horloge.nsecsElapsed()) / 1e9);
    const double memoireSpectacle = maxRssMo();

    out << "Slide show, " << Ecran.width() << " x " << Ecran.height() << ", " << photos.size()
        << " photos (2 x 12 MP, 2 x 24 MP JPEG), " << faites << " transitions of 1200 ms"
        << (fondDuJour ? ", with a 24 MP wallpaper of the day" : "") << "\n";
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
