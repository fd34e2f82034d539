// The stored options as the show and the dialog read them at start-up, from an in-memory store.
// The input gives one value per line to the catalogue's keys in a fixed order, the photo list
// last; an empty line leaves its key absent. An input that starts with two 0xFF bytes (rare, as it
// is slow) also stores a photo list longer than the show can choose from.

#include "fuzzsupport.h"
#include "settings/reglages.h"

#include <QList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QList<Reglages::Entree> cles = {Reglages::titre(),
                                    Reglages::position(),
                                    Reglages::vitesseDialogue(),
                                    Reglages::album(),
                                    Reglages::nomAlbum(),
                                    Reglages::repertoireOpen(),
                                    Reglages::repertoireExplore(),
                                    Reglages::repertoireSave(),
                                    Reglages::wallTemp()};
    for (int jour = 0; jour < 7; ++jour)
        cles << Reglages::wall(jour);
    const QList<QByteArray> valeurs = OctetsFuzz(data, size).split('\n');
    MemorySettingsStore store;
    for (qsizetype i = 0; i < valeurs.size(); ++i) {
        if (valeurs[i].isEmpty())
            continue;
        const Reglages::Entree e =
            i < cles.size() ? cles[i] : Reglages::fichier(int(i - cles.size()));
        Reglages::ecrire(store, e, QString::fromUtf8(valeurs[i]));
    }
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFF) {
        for (int i = 0; i <= 0x8000; ++i)
            Reglages::ecrire(store, Reglages::fichier(i), QStringLiteral("/p/x.jpg"));
    }
    LireReglagesAuDemarrage(store);
    return 0;
}
