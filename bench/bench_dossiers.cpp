// bench_dossiers: folders as album entries and large albums, offscreen, each figure beside its
// anchor measured in the same run, rounds alternated.
//
//   bench_dossiers [--folder DIR] [--rounds N]
//
// 1. The show's first photo with an album of one folder of 10,000 photos in 100 sub-folders:
//    from the list read in the settings to the first photo in place; anchor: the same 10,000
//    photos as entries of their own. The photos are hard links to one 12 MP JPEG.
// 2. "Photos" adding that folder in the dialog: until its line shows the count, with the UI
//    thread's longest event meanwhile; anchor: the same 10,000 photos chosen as files.
// 3. A warm thumbnail grid of 10,000 photos (hard links to a 640 x 480 JPEG) scrolled with the
//    wheel, one notch every 16 ms: the UI thread's longest event; anchor: a grid of 300.

#include "bancapplication.h"
#include "browser/grillevignettes.h"
#include "browser/listealbum.h"
#include "config/form2.h"
#include "samples.h"
#include "saver/ss.h"
#include "servicesbanc.h"
#include "settings/reglages.h"
#include "startup/module1.h"

#include <QDir>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <filesystem>

namespace {

QTextStream out(stdout);

class ChoixBanc final : public FileChooser {
public:
    QString reponse;
    QString openFile(const FileDialogRequest&) override { return {}; }
    QString openFiles(const FileDialogRequest&) override { return reponse; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
};
class QuestionsBanc final : public Prompts {
public:
    bool askYesNo(const QString&) override { return true; }
    bool askRetryCancel(const QString&) override { return false; }
    void notify(const QString& texte) override { out << "  (notice: " << texte << ")\n"; }
};

// `n` hard links to `modele` in `sousDossiers` folders under `racine`; their paths.
QStringList liens(const QString& modele, const QString& racine, int n, int sousDossiers) {
    QStringList chemins;
    for (int k = 0; k < n; ++k) {
        const QString d = racine + QStringLiteral("/%1").arg(k % sousDossiers, 3, 10, QChar(u'0'));
        QDir().mkpath(d);
        chemins << d + QStringLiteral("/photo-%1.jpg").arg(k, 5, 10, QChar(u'0'));
        if (!QFileInfo::exists(chemins.last()))
            std::filesystem::create_hard_link(modele.toStdString(), chemins.last().toStdString());
    }
    std::sort(chemins.begin(), chemins.end());
    return chemins;
}

double mediane(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

void attendre(const std::function<bool()>& fini) {
    while (!fini())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

double premierePhoto(const QStringList& album) {
    QTemporaryDir tmp;
    ServicesBanc banc(tmp.filePath(QStringLiteral("Lumivane.ini")));
    Samples::writeAlbum(banc.settings, album);
    Module1 module(tmp.path(), {}, [] {});
    module.lireLigneCommande(QStringLiteral("/S"));
    SS ss(banc.services, module);
    ss.setGeometry(0, 0, 1920, 1080);
    ss.show();
    bool posee = false;
    QObject::connect(&ss, &SS::premierePhotoPosee, [&] { posee = true; });
    QElapsedTimer t;
    t.start();
    ss.ChargerPhotos();
    ss.poserPremierePhoto();
    attendre([&] { return posee; });
    return double(t.nsecsElapsed()) / 1e6;
}

struct Ajout {
    double listeMs = 0;
    BancApplication::Blocage pire;
};

Ajout ajouter(BancApplication& app, const QString& choix, const QString& attendu) {
    QTemporaryDir tmp;
    ServicesBanc banc(tmp.filePath(QStringLiteral("Lumivane.ini")));
    ChoixBanc fichiers;
    QuestionsBanc questions;
    Services services{banc.settings,   banc.registry, banc.instance,  banc.pictures,
                      banc.windowHost, banc.clock,    banc.random,    questions,
                      fichiers,        banc.desktop,  banc.wallpaper, banc.idle};
    fichiers.reponse = choix;
    Form2 form(services, tmp.path(), [] {});
    form.show();
    QCoreApplication::processEvents();
    auto* liste = form.findChild<QListView*>(QStringLiteral("ListeS"));
    QElapsedTimer t;
    app.remettre();
    // The command runs inside an event, as a click runs it.
    QTimer::singleShot(0, &form, [&] {
        t.start();
        form.findChild<ListeAlbum*>()->ajouterPhotos();
    });
    attendre([&] {
        const QAbstractItemModel* m = liste->model();
        return t.isValid() && m->rowCount() > 0 &&
               m->index(m->rowCount() - 1, 0).data().toString().endsWith(attendu);
    });
    Ajout a;
    a.listeMs = double(t.nsecsElapsed()) / 1e6;
    // What the list paints once its rows are known belongs to the figure.
    liste->viewport()->repaint();
    a.listeMs = double(t.nsecsElapsed()) / 1e6;
    a.pire = app.pire();
    return a;
}

BancApplication::Blocage defiler(BancApplication& app, const QStringList& album,
                                 const QString& racine) {
    QtPictures images;
    GrilleVignettes grille(images);
    grille.resize(425, 433);
    grille.show();
    for (int fois = 0; fois < 2; ++fois) { // the second build is warm
        bool fin = false;
        QObject::connect(&grille, &GrilleVignettes::construite, &grille, [&] { fin = true; });
        grille.construire({album, racine, racine + QStringLiteral("BENCH/"),
                           GeometrieGrille::CadreIm0, QThread::idealThreadCount()});
        attendre([&] { return fin; });
    }
    QScrollBar* barre = grille.verticalScrollBar();
    const QPointF centre(grille.viewport()->rect().center());
    int crans = 0;
    QTimer pas;
    pas.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pas, &QTimer::timeout, [&] {
        QWheelEvent cran(centre, grille.viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(grille.viewport(), &cran);
        ++crans;
    });
    app.remettre();
    pas.start(16);
    attendre([&] { return crans >= 300 || barre->value() >= barre->maximum(); });
    pas.stop();
    return app.pire();
}

QString blocage(const BancApplication::Blocage& b) {
    return QStringLiteral("%1 ms wall, %2 ms CPU (%3)")
        .arg(b.murMs, 0, 'f', 1)
        .arg(b.cpuMs, 0, 'f', 1)
        .arg(b.quoi);
}

// The dialog with a remembered album of `n` photos in the settings, from its construction until
// its window is painted.
double fenetre(int n) {
    QTemporaryDir tmp;
    ServicesBanc banc(tmp.filePath(QStringLiteral("Lumivane.ini")));
    QStringList album;
    for (int i = 0; i < n; ++i)
        album << QStringLiteral("/home/user/Photos/2026/vacances/photo-%1.jpg").arg(i);
    Samples::writeAlbum(banc.settings, album);
    Reglages::ecrire(banc.settings, Reglages::album(), QStringLiteral("GRAND"));
    // The options as any former start of the dialog left them: it writes them again only when
    // they differ.
    Reglages::ecrire(banc.settings, Reglages::vitesseAffichage(), QStringLiteral("7"));
    Reglages::ecrire(banc.settings, Reglages::titre(), QStringLiteral("1"));
    Reglages::ecrire(banc.settings, Reglages::position(), QStringLiteral("0"));
    QElapsedTimer t;
    t.start();
    Form2 form(banc.services, tmp.path(), [] {});
    form.show();
    form.repaint();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BancApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QString dossier = QDir::tempPath() + QStringLiteral("/lumivane-bench-dossiers");
    int tours = 5;
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--folder")
            dossier = args[i + 1];
        else if (args[i] == u"--rounds")
            tours = std::max(1, args[i + 1].toInt());
    }
    if (args.contains(QStringLiteral("--window"))) {
        QList<double> vide, plein;
        for (int t = 0; t < tours; ++t) {
            vide << fenetre(0);
            plein << fenetre(32767);
        }
        out << QStringLiteral("dialog's window, median of %1: 32,767 photos %2 ms, anchor empty "
                              "album %3 ms, ratio %4\n")
                   .arg(tours)
                   .arg(mediane(plein), 0, 'f', 1)
                   .arg(mediane(vide), 0, 'f', 1)
                   .arg(mediane(plein) / mediane(vide), 0, 'f', 2);
        return 0;
    }
    QDir().mkpath(dossier);
    const QString grand = dossier + QStringLiteral("/modele-12mp.jpg");
    const QString petit = dossier + QStringLiteral("/modele-640.jpg");
    if ((!QFileInfo::exists(grand) &&
         !Samples::write(Samples::paint({4000, 3000}, 7), grand, Samples::Format::Jpeg)) ||
        (!QFileInfo::exists(petit) &&
         !Samples::write(Samples::paint({640, 480}, 8), petit, Samples::Format::Jpeg)))
        return 1;
    const QString dossierGrand = dossier + QStringLiteral("/vacances");
    const QStringList photos = liens(grand, dossierGrand, 10000, 100);
    const QString entree = dossierGrand + u'/';

    QList<double> dossierMs, fichiersMs;
    for (int t = 0; t < tours; ++t) {
        dossierMs << premierePhoto({entree});
        fichiersMs << premierePhoto(photos);
    }
    out << QStringLiteral("show's first photo, median of %1: one folder of 10,000 photos in 100 "
                          "sub-folders %2 ms; anchor, the 10,000 as entries %3 ms\n")
               .arg(tours)
               .arg(mediane(dossierMs), 0, 'f', 0)
               .arg(mediane(fichiersMs), 0, 'f', 0);
    out.flush();

    QString noms = dossierGrand + QStringLiteral("/000");
    for (const QString& p : photos.first(10000))
        noms += QChar(0) + p.mid(dossierGrand.size() + 5);
    for (int t = 0; t < std::min(tours, 3); ++t) {
        const Ajout d = ajouter(app, entree, QStringLiteral("(10000 photos)"));
        out << QStringLiteral("adding the folder of 10,000: list shown after %1 ms, longest UI "
                              "event %2\n")
                   .arg(d.listeMs, 0, 'f', 0)
                   .arg(blocage(d.pire));
        // The anchor: as many files, chosen in one folder (only the first sub-folder's names
        // resolve, but the list holds 10,000 lines all the same).
        const Ajout f = ajouter(app, noms, QStringLiteral(".jpg"));
        out << QStringLiteral("  anchor, 10,000 files chosen: list shown after %1 ms, longest UI "
                              "event %2\n")
                   .arg(f.listeMs, 0, 'f', 0)
                   .arg(blocage(f.pire));
        out.flush();
    }

    QTemporaryDir cache;
    const QStringList grille = liens(petit, dossier + QStringLiteral("/grille"), 10000, 100);
    const QString racine = cache.path() + QStringLiteral("/Lumivane/");
    out << QStringLiteral("grid of 10,000 scrolled, longest UI event: %1\n")
               .arg(blocage(defiler(app, grille, racine)));
    out << QStringLiteral("  anchor, grid of 300: %1\n")
               .arg(blocage(defiler(app, grille.first(300), racine)));
    return 0;
}
