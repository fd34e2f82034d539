// bench_thumbnails: the thumbnail grid over generated photos, offscreen.
//   1. first build of 100 photos of 12 MP (JPEG) in photos per second, beside vipsthumbnail
//      making thumbnails of the same files at the same size with as many threads; then the same
//      for 100 camera photos that carry an EXIF thumbnail;
//   2. warm build of 1000 cached photos;
//   3. an album of 10000 photos: warm build, peak memory, longest UI block while scrolling.
//
//   bench_thumbnails [--folder DIR] [--threads N]
//
// The photos are made once in DIR (default: a folder under the system's temporary folder) by a
// child process; the albums of 1000 and 10000 photos are hard links to one 640 x 480 JPEG (a warm
// build only looks at the photos' size and date). vipsthumbnail comes with Debian's
// libvips-tools; without it the comparison is skipped.

#include "bancapplication.h"
#include "browser/grillevignettes.h"
#include "photosappareil.h"
#include "pictures/qtpictures.h"
#include "samples.h"
#include "vignettes/geometriegrille.h"
#include "vipsbanc.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <ctime>
#include <filesystem>
#include <sys/resource.h>

namespace {

QTextStream out(stdout);

QString photo12(const QString& dossier, int i) {
    return dossier + QStringLiteral("/12mp/%1.jpg").arg(i, 3, 10, QLatin1Char('0'));
}
QString petite(const QString& dossier, int i) {
    return dossier + QStringLiteral("/petites/%1.jpg").arg(i, 5, 10, QLatin1Char('0'));
}

int generer(const QString& dossier) {
    QDir().mkpath(dossier + QStringLiteral("/12mp"));
    QDir().mkpath(dossier + QStringLiteral("/petites"));
    const QSize tailles[] = {{4000, 3000}, {3000, 4000}, {4000, 3000}, {4000, 3000}};
    QStringList modeles;
    for (int k = 0; k < 4; ++k) {
        modeles << dossier + QStringLiteral("/modele%1.jpg").arg(k);
        if (!Samples::write(Samples::paint(tailles[k], 60 + k), modeles.last(),
                            Samples::Format::Jpeg))
            return 1;
    }
    const QString modelePetit = dossier + QStringLiteral("/modele-petit.jpg");
    if (!Samples::write(Samples::paint(QSize(640, 480), 70), modelePetit, Samples::Format::Jpeg))
        return 1;
    // Copies, not links: each photo is its own file for the decoders and the page cache.
    for (int i = 0; i < 100; ++i)
        if (!QFile::copy(modeles[i % 4], photo12(dossier, i)))
            return 1;
    for (int i = 0; i < 10000; ++i)
        std::filesystem::create_hard_link(modelePetit.toStdString(),
                                          petite(dossier, i).toStdString());
    return 0;
}

QString charge() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).section(u' ', 0, 2)
                                       : QStringLiteral("?");
}

double picMo() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmHWM:"))
            return l.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void oublierPic() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

BancApplication* banc() {
    return static_cast<BancApplication*>(QCoreApplication::instance());
}

QString blocage(const BancApplication::Blocage& b) {
    return QStringLiteral("%1 ms CPU [%3] (%2 ms wall)")
        .arg(b.cpuMs, 0, 'f', 1)
        .arg(b.murMs, 0, 'f', 1)
        .arg(b.quoi);
}

double cpuProcessusMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Mesure {
    double ms = 0;
    double cpuMs = 0; // all threads of the process
    BancApplication::Blocage blocage;
};

Mesure construire(GrilleVignettes& grille, const QStringList& album, const QString& racine,
                  int fils, const QString& titre = QStringLiteral("BENCH")) {
    QSignalSpy fin(&grille, &GrilleVignettes::construite);
    banc()->remettre();
    const double cpu0 = cpuProcessusMs();
    QElapsedTimer t;
    t.start();
    grille.construire({album, racine, racine + titre + u'/', GeometrieGrille::CadreIm0, fils});
    fin.wait(600000);
    return {double(t.nsecsElapsed()) / 1e6, cpuProcessusMs() - cpu0, banc()->pire()};
}

// Scrolls from top to bottom: first a page per 16 ms frame without pause, then a page at a time
// with pauses long enough for the bitmaps in view to load. Returns the longest UI block.
BancApplication::Blocage defiler(GrilleVignettes& grille) {
    QScrollBar* barre = grille.verticalScrollBar();
    banc()->remettre();
    QEventLoop boucle;
    QTimer pas;
    int etape = 0;
    const int rapides = barre->maximum() / std::max(1, barre->pageStep()) + 1;
    QObject::connect(&pas, &QTimer::timeout, [&] {
        ++etape;
        if (etape == rapides) {
            barre->setValue(0);
            pas.setInterval(80);
        } else if (etape < rapides) {
            barre->setValue(barre->value() + barre->pageStep());
        } else if (etape < rapides + 150) {
            barre->setValue(barre->value() + barre->pageStep());
        } else {
            boucle.quit();
        }
    });
    pas.start(16);
    boucle.exec();
    return banc()->pire();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BancApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    QString dossier = QDir::tempPath() + QStringLiteral("/lumivane-bench-thumbnails");
    int fils = QThread::idealThreadCount();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--folder")
            dossier = args[i + 1];
        else if (args[i] == u"--threads")
            fils = std::max(1, args[i + 1].toInt());
        else if (args[i] == u"--generate")
            return generer(args[i + 1]);
    }
    if (!QFileInfo::exists(photoAppareil(dossier, 99)) && !genererAppareil(dossier))
        return 1;
    if (!QFileInfo::exists(petite(dossier, 9999))) {
        out << "making the photos in " << dossier << " ..." << Qt::endl;
        if (QProcess::execute(QApplication::applicationFilePath(),
                              {QStringLiteral("--generate"), dossier}) != 0)
            return 1;
    }
    out << "threads: " << fils << ", cores: " << QThread::idealThreadCount()
        << ", load average at start: " << charge() << Qt::endl;

    QtPictures images;
    GrilleVignettes grille(images);
    grille.resize(425, 433);
    grille.show();
    QTemporaryDir cache;
    const QString racine = cache.path() + QStringLiteral("/Lumivane/");

    QStringList album;
    for (int i = 0; i < 100; ++i)
        album << photo12(dossier, i);
    const Mesure premiere = construire(grille, album, racine, fils);
    const double nous = 100 * 1000.0 / premiere.ms;
    out << QStringLiteral("first build, 100 photos of 12 MP: %1 ms (%4 ms CPU), %2 photos/s, "
                          "longest UI event %3\n")
               .arg(premiere.ms, 0, 'f', 0)
               .arg(nous, 0, 'f', 1)
               .arg(blocage(premiere.blocage))
               .arg(premiere.cpuMs, 0, 'f', 0);
    const QString programme = QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail"));
    if (programme.isEmpty()) {
        out << "  vipsthumbnail not found (apt-get install libvips-tools): no comparison\n";
    } else {
        const auto [ms, cpu] = vips(programme, album, fils, out);
        const double eux = 100 * 1000.0 / ms;
        out << QStringLiteral("  vipsthumbnail, same files, 111 x 111 box, %1 processes of one "
                              "thread: %2 ms (%5 ms CPU), %3 photos/s; ratio %4 by wall time, "
                              "%6 by CPU time\n")
                   .arg(fils)
                   .arg(ms, 0, 'f', 0)
                   .arg(eux, 0, 'f', 1)
                   .arg(nous / eux, 0, 'f', 2)
                   .arg(cpu, 0, 'f', 0)
                   .arg(cpu / premiere.cpuMs, 0, 'f', 2);
    }
    out.flush();

    QStringList appareil;
    for (int i = 0; i < 100; ++i)
        appareil << photoAppareil(dossier, i);
    const Mesure camera = construire(grille, appareil, racine, fils, QStringLiteral("APPAREIL"));
    const double nousApp = 100 * 1000.0 / camera.ms;
    out << QStringLiteral("camera photos (embedded thumbnail): first build, 100 photos of 12 MP: "
                          "%1 ms (%2 ms CPU), %3 photos/s, longest UI event %4\n")
               .arg(camera.ms, 0, 'f', 0)
               .arg(camera.cpuMs, 0, 'f', 0)
               .arg(nousApp, 0, 'f', 1)
               .arg(blocage(camera.blocage));
    if (!programme.isEmpty()) {
        const auto [ms, cpu] = vips(programme, appareil, fils, out);
        out << QStringLiteral("  vipsthumbnail, same files: %1 ms (%2 ms CPU), %3 photos/s; ratio "
                              "%4 by wall time, %5 by CPU time\n")
                   .arg(ms, 0, 'f', 0)
                   .arg(cpu, 0, 'f', 0)
                   .arg(100 * 1000.0 / ms, 0, 'f', 1)
                   .arg(ms / camera.ms, 0, 'f', 2)
                   .arg(cpu / camera.cpuMs, 0, 'f', 2);
    }
    out.flush();

    album.clear();
    for (int i = 0; i < 1000; ++i)
        album << petite(dossier, i);
    const Mesure froide = construire(grille, album, racine, fils);
    const Mesure chaude = construire(grille, album, racine, fils);
    out << QStringLiteral("1000 photos: first build %1 ms; warm build %2 ms (%4 ms CPU), longest "
                          "UI event %3\n")
               .arg(froide.ms, 0, 'f', 0)
               .arg(chaude.ms, 0, 'f', 0)
               .arg(blocage(chaude.blocage))
               .arg(chaude.cpuMs, 0, 'f', 0);
    out.flush();

    grille.vider();
    oublierPic();
    const double avant = picMo();
    for (int i = 1000; i < 10000; ++i)
        album << petite(dossier, i);
    const Mesure froide10 = construire(grille, album, racine, fils);
    const Mesure chaude10 = construire(grille, album, racine, fils);
    const BancApplication::Blocage defilement = defiler(grille);
    out << QStringLiteral("10000 photos: first build %1 ms; warm build %2 ms (%7 ms CPU, longest "
                          "UI event %3); longest UI event while scrolling %4; peak memory %5 MB "
                          "(%6 MB before the album)\n")
               .arg(froide10.ms, 0, 'f', 0)
               .arg(chaude10.ms, 0, 'f', 0)
               .arg(blocage(chaude10.blocage))
               .arg(blocage(defilement))
               .arg(picMo(), 0, 'f', 0)
               .arg(avant, 0, 'f', 0)
               .arg(chaude10.cpuMs, 0, 'f', 0);
    out << "load average at end: " << charge() << Qt::endl;
    return 0;
}
