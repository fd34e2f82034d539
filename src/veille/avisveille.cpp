#include "veille/avisveille.h"

namespace {

// "5 min", "45 s", "1 min 30 s".
QString dureeLisible(std::chrono::seconds duree) {
    const auto minutes = std::chrono::duration_cast<std::chrono::minutes>(duree);
    const auto secondes = (duree - minutes).count();
    if (minutes.count() == 0)
        return QStringLiteral("%1 s").arg(secondes);
    if (secondes == 0)
        return QStringLiteral("%1 min").arg(minutes.count());
    return QStringLiteral("%1 min %2 s").arg(minutes.count()).arg(secondes);
}

} // namespace

QString raisonVeilleIndisponible(bool sourceRepond, bool hoteActif) {
    if (hoteActif)
        return QStringLiteral("L'écran de veille du bureau tourne : choisissez-y Lumivane.");
    if (!sourceRepond)
        return QStringLiteral("Aucune source d'inactivité ne répond dans cette session.");
    return {};
}

AvisBureau avisDelaiBureau(const std::optional<DesktopIdleAction>& bureau,
                           std::chrono::seconds delai) {
    if (!bureau)
        return {};
    const QString apres = dureeLisible(bureau->after);
    if (bureau->after <= delai)
        return {(bureau->locks ? QStringLiteral("L'écran se verrouille après %1 : choisissez un "
                                                "délai plus court")
                               : QStringLiteral("L'écran s'éteint après %1 : choisissez un délai "
                                                "plus court"))
                    .arg(apres),
                true};
    return {(bureau->locks ? QStringLiteral("Le bureau verrouille l'écran après %1.")
                           : QStringLiteral("Le bureau éteint l'écran après %1."))
                .arg(apres)};
}
