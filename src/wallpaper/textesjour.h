#pragma once

#include <QString>
#include <QStringList>

// Texts of the weekday wallpaper panel, exactly as the user sees them.
namespace Form2Textes {

inline const QString FondsSemaine =
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

} // namespace Form2Textes
