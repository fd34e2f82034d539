#include "fuzzsupport.h"

#include "album/album.h"
#include "album/miroir.h"
#include "controls/reglesdialogue.h"
#include "platform/filechooser.h"
#include "platform/prompts.h"
#include "settings/reglages.h"
#include "settings/vitesses.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QTemporaryDir& dossierFuzz() {
    static QTemporaryDir dossier;
    return dossier;
}

// The user gives up every question and every file dialog.
class RefusPartout final : public Prompts, public FileChooser {
public:
    bool askYesNo(const QString&) override { return false; }
    bool askRetryCancel(const QString&) override { return false; }
    void notify(const QString&) override {}
    QString openFile(const FileDialogRequest&) override { return {}; }
    QString openFiles(const FileDialogRequest&) override { return {}; }
    QString saveFile(const FileDialogRequest&) override { return {}; }
};

// An index outside the options would make the dialog select past the end of its buttons.
void verifierIndex(const Reglages::Entree& e, int nombre, const SettingsStore& store) {
    const int i = ReglesDialogue::indexOption(Reglages::lire(store, e), nombre, e.defaut.toInt());
    if (i < 0 || i >= nombre)
        std::abort();
}

} // namespace

// Every target's: the application object, with Qt's test folders instead of the user's.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char nom[] = "lumivane-fuzz";
    static char* argv[] = {nom, nullptr};
    QStandardPaths::setTestModeEnabled(true);
    new QCoreApplication(argc, argv); // never destroyed: it lives as long as the process
    return 0;
}

QString FichierFuzz(const QByteArray& octets, const QString& suffixe) {
    // A new name each time: Qt caches what it read from a file by name, size and date.
    static quint64 compteur = 0;
    static QString precedent;
    if (!precedent.isEmpty())
        QFile::remove(precedent);
    precedent = dossierFuzz().filePath(QStringLiteral("f%1%2").arg(++compteur).arg(suffixe));
    QFile f(precedent);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        std::abort();
    return precedent;
}

void LireReglagesAuDemarrage(SettingsStore& store) {
    // The show.
    Reglages::vautZero(Reglages::lire(store, Reglages::titre()));
    Reglages::vautZero(Reglages::lire(store, Reglages::position()));
    Reglages::vautZero(Reglages::lire(store, Reglages::vitesseAffichage()));
    const QStringList photos = ChargerPhotos(store);
    if (photos.size() > 32767 || photos.contains(QString()))
        std::abort();
    const QString appliquee = Reglages::lire(store, Reglages::wallTemp());
    for (int jour = 0; jour < 7; ++jour) {
        const QString w = Reglages::lire(store, Reglages::wall(jour));
        static_cast<void>(w != appliquee && !w.trimmed().isEmpty());
    }

    // The dialog.
    verifierIndex(Reglages::vitesseDialogue(), Vitesses::nombre(), store);
    verifierIndex(Reglages::titre(), 2, store);
    verifierIndex(Reglages::position(), 2, store);
    RefusPartout refus;
    Album album(store, refus, refus, dossierFuzz().path());
    album.ChargerListe(ChargerPhotos(store));
    album.retrouverDernierAlbum();
}
