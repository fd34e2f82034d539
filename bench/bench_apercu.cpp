// bench_apercu: the dialog's list preview, offscreen, over a 24 megapixel JPEG, a 15000 x 15000
// BMP (900 MB decoded: refused) and an 8000 x 8000 BMP (256 MB decoded: the largest accepted).
// For each entry it prints how long the preview took, the longest gap of the UI thread's 1 ms
// heartbeat meanwhile, and the peak memory so far.
//
//   bench_apercu [--folder DIR]
//
// The pictures are made once in DIR (default: a folder under the system's temporary folder) by
// a child process, so that making them does not count in this process's peak memory.

#include "browser/apercu.h"
#include "config/form2.h"
#include "mesuresbanc.h"
#include "samples.h"
#include "servicesbanc.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtEndian>

namespace {

QStringList nomsImages(const QString& dossier) {
    return {dossier + QStringLiteral("/24mp.jpg"), dossier + QStringLiteral("/15000.bmp"),
            dossier + QStringLiteral("/8000.bmp")};
}

// A 24-bit bitmap of a horizontal gradient, written row by row.
bool ecrireBmp(const QString& chemin, int cote) {
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const quint32 ligne = (quint32(cote) * 3 + 3) & ~3u;
    QByteArray entete(54, '\0');
    auto* e = reinterpret_cast<uchar*>(entete.data());
    e[0] = 'B';
    e[1] = 'M';
    qToLittleEndian<quint32>(54 + ligne * quint32(cote), e + 2);
    qToLittleEndian<quint32>(54, e + 10);
    qToLittleEndian<quint32>(40, e + 14);
    qToLittleEndian<qint32>(cote, e + 18);
    qToLittleEndian<qint32>(cote, e + 22);
    qToLittleEndian<quint16>(1, e + 26);
    qToLittleEndian<quint16>(24, e + 28);
    f.write(entete);
    QByteArray rangee(int(ligne), '\0');
    for (int x = 0; x < cote; ++x)
        rangee[3 * x] = rangee[3 * x + 1] = char(x * 255 / cote);
    for (int y = 0; y < cote; ++y)
        if (f.write(rangee) != rangee.size())
            return false;
    return true;
}

int generer(const QString& dossier) {
    QDir().mkpath(dossier);
    const QStringList noms = nomsImages(dossier);
    const bool ok =
        Samples::write(Samples::paint({6000, 4000}, 7), noms[0], Samples::Format::Jpeg) &&
        ecrireBmp(noms[1], 15000) && ecrireBmp(noms[2], 8000);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    QString dossier = QDir::tempPath() + QStringLiteral("/lumivane-bench-apercu");
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--folder")
            dossier = args[i + 1];
        else if (args[i] == u"--generate")
            return generer(args[i + 1]);
    }
    QTextStream out(stdout);
    const QStringList images = nomsImages(dossier);
    if (!imagesPretes(images, dossier, out))
        return 1;

    QTemporaryDir reglages;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(reglages.path()));
    ServicesBanc banc(reglages.filePath(QStringLiteral("Lumivane.ini")));
    Samples::writeAlbum(banc.settings, images);

    Battement battement;
    battement.demarrer();

    // The start previews entry 0; the others are chosen as a click would.
    out << "List preview in the dialog, offscreen\n";
    Form2 form(banc.services, reglages.path(), [] {});
    form.show();
    auto* liste = form.findChild<QListView*>(QStringLiteral("ListeS"));
    auto* apercu = form.findChild<Apercu*>();
    auto* photo = form.findChild<QLabel*>(QStringLiteral("Photo"));
    for (int i = 0; i < images.size(); ++i) {
        QElapsedTimer duree;
        duree.start();
        battement.remettre();
        if (i > 0)
            liste->setCurrentIndex(liste->model()->index(i, 0));
        while (apercu->occupe())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        out << QStringLiteral("  %1: shown after %2 ms (%3), longest UI gap %4 ms, peak %5 MB\n")
                   .arg(QFileInfo(images[i]).fileName())
                   .arg(double(duree.nsecsElapsed()) / 1e6, 0, 'f', 0)
                   .arg(photo->toolTip().isEmpty() ? QStringLiteral("placeholder")
                                                   : QStringLiteral("picture"))
                   .arg(battement.plusLongueAttenteMs(), 0, 'f', 1)
                   .arg(maxRssMo(), 0, 'f', 0);
        out.flush();
    }
    return 0;
}
