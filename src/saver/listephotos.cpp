#include "saver/listephotos.h"

#include "platform/randomsource.h"

#include <cmath>

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
