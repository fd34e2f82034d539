#include "settings/vitesses.h"

#include "controls/reglesdialogue.h"

#include <array>
#include <cmath>

namespace Vitesses {

namespace {

struct Vitesse {
    const char16_t* libelle;
    int ms;
};

constexpr std::array<Vitesse, 8> Table = {{
    {u"Immédiate", 0},
    {u"Très rapide", 400},
    {u"Rapide", 800},
    {u"Moyenne", 1200},
    {u"Lente", 1350},
    {u"Plus lente", 1500},
    {u"Très lente", 1600},
    {u"Très très lente", 2000},
}};

static_assert(DefautDialogue >= 0 && DefautDialogue < int(Table.size()));
static_assert(DefautAffichage >= 0 && DefautAffichage < int(Table.size()));

} // namespace

QStringList libelles() {
    QStringList l;
    for (const Vitesse& v : Table)
        l << QString::fromUtf16(v.libelle);
    return l;
}

int nombre() {
    return int(Table.size());
}

int dureeMs(int index) {
    return Table.at(std::size_t(index)).ms;
}

int indexDialogue(const QString& stocke) {
    return ReglesDialogue::indexOption(stocke, nombre(), DefautDialogue);
}

int dureeTransition(const QString& stocke) {
    bool ok = false;
    const double v = stocke.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    // A 16-bit integer conversion rounds half to even.
    const double i = std::nearbyint(v);
    if (i < 0 || i >= double(Table.size()))
        return 0;
    return Table[std::size_t(i)].ms;
}

} // namespace Vitesses
