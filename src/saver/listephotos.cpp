#include "saver/listephotos.h"

#include "platform/randomsource.h"
#include "startup/reglages.h"

#include <cmath>

QStringList ChargerPhotos(const SettingsStore& store) {
    QStringList liste;
    // Positions are 16-bit: a longer list could not be chosen from.
    constexpr qsizetype MaxPhotos = 32767;
    for (int i = 0; liste.size() < MaxPhotos; ++i) {
        const QString v = Reglages::lire(store, Reglages::fichier(i));
        if (v.isEmpty())
            break;
        liste.append(v);
    }
    return liste;
}

qint16 ChoisirPhoto(qint16 n, qint16& DernierePhoto, RandomSource& hasard) {
    const int count = std::max<int>(n, 0);
    const auto tirage = [&] {
        // In double precision r * n stays below n for every r < 1, so k never passes n.
        const int k = int(std::floor(double(hasard.next()) * count)) + 1;
        return qint16(std::min(k, std::max(count, 1)));
    };
    qint16 k = tirage();
    // With fewer than two photos no other choice exists: keep the one drawn.
    while (count >= 2 && k == DernierePhoto)
        k = tirage();
    DernierePhoto = k;
    return k;
}
