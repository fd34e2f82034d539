// bench_molette: a warm thumbnail grid of 300 photos scrolled with the mouse wheel, offscreen:
// the cells painted blank (their thumbnail not loaded yet) per wheel notch, at two speeds, with
// no thumbnail loaded ahead of the view (as the grid once did) and with a screen's worth.
//
//   bench_molette [--folder DIR]
//
// The photos are hard links to one 640 x 480 JPEG, made once in DIR (default: a folder under
// the system's temporary folder). The grid is built once to fill the disk cache, then built
// again before each run: its bitmaps are then on disk and none is in memory.

#include "browser/grillevignettes.h"
#include "pictures/qtpictures.h"
#include "samples.h"
#include "vignettes/geometriegrille.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <filesystem>

namespace {

QTextStream out(stdout);

void attendre(int ms) {
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

void construire(GrilleVignettes& grille, const QStringList& album, const QString& racine) {
    QSignalSpy fin(&grille, &GrilleVignettes::construite);
    grille.construire({album, racine, racine + QStringLiteral("BENCH/"), GeometrieGrille::CadreIm0,
                       QThread::idealThreadCount()});
    fin.wait(600000);
}

struct Blancs {
    int crans = 0;
    qint64 total = 0;
    qint64 pire = 0; // the most in one notch
};

// From top to bottom, one notch every `intervalleMs`.
Blancs defiler(GrilleVignettes& grille, int intervalleMs) {
    QScrollBar* barre = grille.verticalScrollBar();
    barre->setValue(0);
    attendre(500); // the first screen is loaded, as when the user starts to scroll
    Blancs b;
    const qint64 debut = grille.videsPeintes();
    qint64 avant = debut;
    const QPointF centre(grille.viewport()->rect().center());
    QEventLoop boucle;
    QTimer pas;
    QObject::connect(&pas, &QTimer::timeout, [&] {
        const qint64 maintenant = grille.videsPeintes();
        b.pire = std::max(b.pire, maintenant - avant);
        avant = maintenant;
        if (barre->value() >= barre->maximum()) {
            boucle.quit();
            return;
        }
        QWheelEvent cran(centre, grille.viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(grille.viewport(), &cran);
        ++b.crans;
    });
    pas.start(intervalleMs);
    boucle.exec();
    b.total = grille.videsPeintes() - debut;
    return b;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const qsizetype i = args.indexOf(QStringLiteral("--folder"));
    const QString dossier = i > 0 && i + 1 < args.size()
                                ? args[i + 1]
                                : QDir::tempPath() + QStringLiteral("/lumivane-bench-molette");
    const QString modele = dossier + QStringLiteral("/modele.jpg");
    QDir().mkpath(dossier);
    if (!QFileInfo::exists(modele) &&
        !Samples::write(Samples::paint(QSize(640, 480), 70), modele, Samples::Format::Jpeg))
        return 1;
    QStringList album;
    for (int k = 0; k < 300; ++k) {
        album << dossier + QStringLiteral("/%1.jpg").arg(k, 3, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(album.last()))
            std::filesystem::create_hard_link(modele.toStdString(), album.last().toStdString());
    }

    QtPictures images;
    GrilleVignettes grille(images);
    grille.resize(425, 433);
    grille.show();
    QTemporaryDir cache;
    const QString racine = cache.path() + QStringLiteral("/Lumivane/");
    construire(grille, album, racine);
    for (const int avance : {0, 1})
        for (const int intervalle : {100, 50}) {
            grille.EcransDAvance = avance;
            construire(grille, album, racine);
            const Blancs b = defiler(grille, intervalle);
            out << QStringLiteral("300 photos, warm, %7 screen(s) loaded ahead, a wheel notch "
                                  "(%1 px) every %2 ms: %3 blank cells painted in %4 notches, "
                                  "%5 per notch, at most %6 in one\n")
                       .arg(3 * grille.verticalScrollBar()->singleStep())
                       .arg(intervalle)
                       .arg(b.total)
                       .arg(b.crans)
                       .arg(double(b.total) / std::max(1, b.crans), 0, 'f', 2)
                       .arg(b.pire)
                       .arg(avance);
        }
    return 0;
}
