// The .alb reader and writer. Any bytes, read as the code page and, behind the byte-order mark,
// as UTF-8: whatever it reads must write back and read again the same. Then the same bytes as a
// list the dialog may hold (the user's paths, which may hold a CR), cut at each NUL after the first
// byte; a first byte 0xF0 to 0xFF repeats the list to a length around the file's bound on entries.

#include "album/fichieralbum.h"
#include "album/formatalbum.h"
#include "fuzzsupport.h"

#include <algorithm>
#include <cstdlib>

namespace {

QStringList chemins(const QList<LigneAlbum>& lignes) {
    QStringList liste;
    for (const LigneAlbum& ligne : lignes) {
        if (ligne.numero < 0 || ligne.numero >= MaxPhotosFichierAlbum)
            std::abort();
        liste << ligne.chemin;
    }
    return liste;
}

// Writes `liste`, refused exactly when too long or when a path holds a CR, and reads it back:
// the same paths, blanks at both ends removed, numbered in order.
void ecrireEtRelire(const QStringList& liste) {
    const bool refusee =
        liste.size() > MaxPhotosFichierAlbum ||
        std::any_of(liste.begin(), liste.end(), [](const QString& c) { return c.contains(u'\r'); });
    const auto ecrit = ecrireLignesAlbum(liste);
    if (refusee != !ecrit || refusee != !refusAlbum(liste).isEmpty())
        std::abort();
    if (!ecrit)
        return;
    const QList<LigneAlbum> relues = lireLignesAlbum(*ecrit);
    if (relues.size() != liste.size())
        std::abort();
    for (qsizetype i = 0; i < relues.size(); ++i) {
        if (relues[i].numero != i || relues[i].chemin != sansBlancs(liste[i]))
            std::abort();
    }
}

QStringList listeDe(const QByteArray& octets) {
    QStringList liste;
    if (octets.isEmpty())
        return liste;
    for (const QByteArray& morceau : octets.sliced(1).split('\0'))
        liste << QString::fromUtf8(morceau);
    // Rare, as writing ten thousand lines is slow.
    const quint8 premier = quint8(octets[0]);
    if ((premier & 0xF0) == 0xF0) {
        const qsizetype longueur = MaxPhotosFichierAlbum - 8 + (premier & 0x0F);
        for (qsizetype i = 0; liste.size() < longueur; ++i) {
            const QString copie = liste[i]; // appending may move the element it reads
            liste << copie;
        }
    }
    return liste;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray octets = OctetsFuzz(data, size);
    ecrireEtRelire(chemins(lireLignesAlbum(octets)));
    ecrireEtRelire(chemins(lireLignesAlbum(QByteArray("\xEF\xBB\xBF") + octets)));
    ecrireEtRelire(listeDe(octets));
    // The same bytes through the file reader, as the dialog opens an album.
    if (lireFichierAlbum(FichierFuzz(octets, QStringLiteral(".alb"))) != octets)
        std::abort();
    return 0;
}
