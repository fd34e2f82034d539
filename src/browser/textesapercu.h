#pragma once

#include <QString>

// Texts of the album list and the preview frame, exactly as the user sees them.
namespace Form2Textes {

inline const QString Album = QStringLiteral("Album :");
inline const QString ouvrirImage =
    QStringLiteral("Cliquer ICI pour visualiser l'image avec votre éditeur d'image");

// The photo's popup menu.
inline const QString Supp = QStringLiteral("&Enlever la photo sélectionner de la liste");
inline const QString Paper =
    QStringLiteral("&Mettre la photo comme Papier Peint du jour sélectionné");

} // namespace Form2Textes
