// The .alb reader: any bytes, read as the code page and, behind the byte-order mark, as UTF-8;
// whatever it reads must write back and read again the same.

#include "album/fichieralbum.h"
#include "album/formatalbum.h"
#include "fuzzsupport.h"

#include <cstdlib>

namespace {

void lireEtRelire(const QByteArray& contenu) {
    QStringList chemins;
    for (const LigneAlbum& ligne : LireLignesAlbum(contenu)) {
        if (ligne.numero < 0 || ligne.numero >= MaxPhotosFichierAlbum)
            std::abort();
        chemins << ligne.chemin;
    }
    const auto ecrit = EcrireLignesAlbum(chemins);
    if (!ecrit)
        return; // refused for a reason the user is told (too many photos)
    QStringList relus;
    for (const LigneAlbum& ligne : LireLignesAlbum(*ecrit))
        relus << ligne.chemin;
    if (relus != chemins)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    DemarrerQtFuzz();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray octets = OctetsFuzz(data, size);
    lireEtRelire(octets);
    lireEtRelire(QByteArray("\xEF\xBB\xBF") + octets);
    // The same bytes through the file reader, as the dialog opens an album.
    if (LireFichierAlbum(FichierFuzz(octets, QStringLiteral(".alb"))) != octets)
        std::abort();
    return 0;
}
