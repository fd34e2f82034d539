#pragma once

#include <QString>

// Texts of the album list and the preview frame, exactly as the user sees them.
namespace TextesApercu {

inline const QString Album = QStringLiteral("Album :");
inline const QString OuvrirImage =
    QStringLiteral("Cliquer ICI pour visualiser l'image avec votre éditeur d'image");

// The photo's popup menu.
inline const QString Supp = QStringLiteral("&Enlever la photo sélectionner de la liste");
inline const QString Paper =
    QStringLiteral("&Mettre la photo comme Papier Peint du jour sélectionné");

} // namespace TextesApercu
