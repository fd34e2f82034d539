// The stored options as the show and the dialog read them at start-up, from an in-memory store.
// The input gives one value per line to the catalogue's keys in a fixed order, the photo list
// last; an empty line leaves its key absent.

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
    ReglagesEnMemoire store;
    for (qsizetype i = 0; i < valeurs.size(); ++i) {
        if (valeurs[i].isEmpty())
            continue;
        const Reglages::Entree e =
            i < cles.size() ? cles[i] : Reglages::fichier(int(i - cles.size()));
        Reglages::ecrire(store, e, QString::fromUtf8(valeurs[i]));
    }
    LireReglagesAuDemarrage(store);
    return 0;
}
