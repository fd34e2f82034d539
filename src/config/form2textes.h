#pragma once

#include <QString>
#include <QStringList>

// Every text the dialog shows, exactly as the user sees it.
namespace Form2Textes {

inline const QString Legende = QStringLiteral("Lumivane V1.0");
inline const QString Titre = QStringLiteral("Lumivane V1.0 - Configuration de l'écran de veille");
inline const QString Fermer = QStringLiteral("Fermer");
inline const QString OptionsNonEnregistrees =
    QStringLiteral("Les options du diaporama n'ont pas pu être enregistrées (dossier plein ou "
                   "protégé en écriture) : l'économiseur d'écran ne les trouvera pas.");

inline const QStringList Commandes = {
    QStringLiteral("Album"),    QStringLiteral("Photos"),
    QStringLiteral("Panorama"), QStringLiteral("Enregistrer Album"),
    QStringLiteral("Email"),    QStringLiteral("Web")};

// The main window's control that opens the panel of further options, and the panel's header.
inline const QString AutresOptions = QStringLiteral("Autres options");
inline const QString FermerAutresOptions = QStringLiteral("Revenir à l'album");

inline const QString Vitesse = QStringLiteral("Vitesse de transition");
inline const QString TitrePhoto = QStringLiteral("Titre de la photo");
inline const QStringList OuiNon = {QStringLiteral("Oui"), QStringLiteral("Non")};
inline const QStringList Positions = {QStringLiteral("Haut Centre"), QStringLiteral("Bas Centre")};

// The about panel. The notice leaves room, on its first and third lines, for the two blue words
// laid over it.
inline const QString NomVersion = QStringLiteral("Lumivane V1.0");
inline const QString Freeware = QStringLiteral("Freeware");
inline const QString Gratuit = QStringLiteral("gratuit");
inline const QStringList Notice = {QStringLiteral("Ce %1 peut être copié et"),
                                   QStringLiteral("donné librement, du moment"),
                                   QStringLiteral("qu'il est toujours %2."),
                                   QStringLiteral("Il est fourni sans aucune"),
                                   QStringLiteral("garantie, de quelque nature"),
                                   QStringLiteral("que ce soit."),
                                   QString(),
                                   QStringLiteral("Visitez notre site web pour"),
                                   QStringLiteral("obtenir les mises à jour.")};
// The maker's web page: shown in the about panel and opened by the "Web" command.
inline const QString AdresseWeb = QStringLiteral("https://www.lumivane.example/");
// "Web" when no browser could be started.
inline QString navigateurAbsent(const QString& adresse) {
    return QStringLiteral("Aucun navigateur web n'a pu être ouvert pour afficher la page :\n%1")
        .arg(adresse);
}

} // namespace Form2Textes
