#pragma once

#include <QString>
#include <QStringList>

// The texts of the dialog's group of the show's further options, exactly as the user sees them.
namespace TextesDiaporama {

inline const QString Titre = QStringLiteral("Diaporama");
// Beside the first window's "Titre de la photo": what the title says.
inline const QString Legende = QStringLiteral("Titre de la photo :");
inline const QStringList Legendes = {QStringLiteral("Chemin complet"),
                                     QStringLiteral("Nom du fichier"),
                                     QStringLiteral("Date de la prise de vue")};
inline const QString FondFlou =
    QStringLiteral("Fond flou autour des photos qui ne remplissent pas l'écran");
// Beside the first window's transition speed: the fade still joins two photos.
inline const QString Mouvement =
    QStringLiteral("Mouvement lent des photos (panoramique et zoom), avec le fondu");
inline const QString Dessin = QStringLiteral("Dessin du diaporama :");
inline const QStringList Dessins = {QStringLiteral("Automatique"),
                                    QStringLiteral("Toujours OpenGL"),
                                    QStringLiteral("Sans OpenGL")};
inline const QString BulleAutomatique =
    QStringLiteral("OpenGL quand une carte graphique le dessine, le processeur sinon");

} // namespace TextesDiaporama
