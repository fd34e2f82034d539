#pragma once

#include <QString>

// The texts of the dialog's idle-start group, exactly as the user sees them.
namespace TextesVeille {

inline const QString Titre = QStringLiteral("Démarrage automatique");
inline const QString Case = QStringLiteral("Lancer le diaporama quand l'ordinateur est inactif");
inline const QString Apres = QStringLiteral("Après");
inline const QString Minutes = QStringLiteral(" min d'inactivité");
inline const QString Essayer = QStringLiteral("Essayer maintenant");
inline const QString BulleEssayer =
    QStringLiteral("Lance le diaporama tout de suite ; une touche ou la souris l'arrête");

} // namespace TextesVeille
