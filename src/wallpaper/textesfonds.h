#pragma once

#include "pictures/pictureformats.h"

#include <QString>
#include <QStringList>

// Every text the weekday wallpaper editor shows, exactly as the user sees it.
namespace TextesFonds {

inline const QString Panneau =
    QStringLiteral("Sélectionner les images de Fond pour chaque jour de la Semaine");
inline const QString Jour = QStringLiteral("Jour ");
inline const QStringList Jours = {QStringLiteral("Dimanche"), QStringLiteral("Lundi"),
                                  QStringLiteral("Mardi"),    QStringLiteral("Mercredi"),
                                  QStringLiteral("Jeudi"),    QStringLiteral("Vendredi"),
                                  QStringLiteral("Samedi")};
inline const QString ChoisirImage = QStringLiteral("Choisir l'image");
inline const QString ConfirmerImage = QStringLiteral("Confirmer l'image sélectionnée");
inline const QString SupprimerImage = QStringLiteral("Supprimer l'image sélectionnée");
inline const QString Choisir = QStringLiteral("Choisir");
inline const QString Selection = QStringLiteral("Sélection");
inline const QString Deselection = QStringLiteral("Désélection");

inline const QString Accepter = QStringLiteral("Cliquez sur OUI pour accepter cette image ?");
inline const QString Enlever = QStringLiteral("Etes vous sur de vouloir enlever cette image ?");
inline const QString JourNonEnregistre =
    QStringLiteral("L'image du jour n'a pas pu être enregistrée (dossier plein ou protégé en "
                   "écriture) : l'économiseur d'écran ne la trouvera pas.");

inline const QString TitreChoix = QStringLiteral("Sélectionner les photos de fond d'écran");
// Every format read first, then the filter the editor always offered.
inline const QString FiltreChoix =
    QStringLiteral("Les images de tous les formats lus|") + PictureFormats::filterPatterns() +
    QStringLiteral("|Tous les fichiers images|*.bmp;*.gif;*.jpg;*.jpeg");

// Failures of today's wallpaper; the day keeps its picture all the same. %1 is the picture.
inline const QString ImageIllisible =
    QStringLiteral("Le fond d'écran n'a pas été changé : l'image\n%1\nne peut pas être lue.");
// %2 and %3: the bitmap in the program folder, then in the per-user folder.
inline const QString BitmapImpossible =
    QStringLiteral("Le fond d'écran n'a pas été changé : l'image\n%1\nn'a pu être enregistrée ni "
                   "dans\n%2\nni dans\n%3");
// %2: the bitmap handed to the desktop.
inline const QString BureauRefuse =
    QStringLiteral("Le fond d'écran n'a pas été changé : le bureau a refusé\n%2\n(image %1).");

// The preview frame opens only pictures. %1 is the file.
inline const QString PasUneImage =
    QStringLiteral("Ce fichier n'est pas une image et ne sera pas ouvert :\n%1");

} // namespace TextesFonds
