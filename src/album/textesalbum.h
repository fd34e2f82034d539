#pragma once

#include "pictures/pictureformats.h"

#include <QDir>
#include <QString>

// Every text the album procedures show or hand to a file dialog, exactly as the user sees it
// (trailing blanks included).
namespace TextesAlbum {

inline const QString EnleverPhoto =
    QStringLiteral("Etes vous sur de vouloir enlever cette photo ? ");
inline const QString EnleverDossier =
    QStringLiteral("Etes vous sur de vouloir enlever ce dossier et ses photos de l'album ? ");
inline const QString NomCorrect =
    QStringLiteral("Veuillez renseigner un nom correct pour cet album !");
inline const QString NonSauvegarde = QStringLiteral("Cet album n'a pas été sauvegardé !");
inline const QString AlbumModifie =
    QStringLiteral("L'album a été modifié, voulez vous sauvegarder ? ");
inline const QString NouvelAlbum = QStringLiteral("Voulez vous gérer un nouvel Album ?");
inline QString confirmerSauvegarde(const QString& chemin) {
    return QStringLiteral("Etes vous sur de vouloir sauvegarder l'album ") + chemin +
           QStringLiteral(" ? ");
}

// File dialogs.
inline const QString TitreSauvegarder = QStringLiteral("Sauvegarder un album de photos !");
inline const QString TitreOuvrir = QStringLiteral("Sélectionner un album de photos !");
inline const QString TitrePhotos = QStringLiteral("Sélectionner les photos !");
inline const QString FiltreAlbum = QStringLiteral("Album de photos|*.alb");
// Every format read comes first; the entries after it are those the dialog always offered.
inline const QString FiltrePhotos =
    QStringLiteral("Les images de tous les formats lus|") + PictureFormats::filterPatterns() +
    QStringLiteral("|Les images au format JPG,GIF,BMP,JPEG|*.jpg;*.gif;*.bmp;*.jpeg|"
                   "Les images au format JPG,JPEG|*.jpg;*.jpeg|Les images au format BMP|*.bmp "
                   "|Les images au format gif|*.gif");

// Folders in the album's list: the number of photos each holds, or the scan under way.
inline QString nombrePhotos(qsizetype n) {
    return n == 0   ? QStringLiteral("(aucune photo)")
           : n == 1 ? QStringLiteral("(1 photo)")
                    : QStringLiteral("(%1 photos)").arg(n);
}
inline const QString RechercheEnCours = QStringLiteral("(recherche des photos…)");
inline QString dossiersTropGrands(qsizetype maxPhotos) {
    return QStringLiteral("Les dossiers de cet album contiennent plus de %1 photos : seules les "
                          "%1 premières trouvées seront montrées.")
        .arg(maxPhotos);
}

// Failures the user must hear about: the album file was not written.
inline QString echecEcriture(const QString& chemin, const QString& raison) {
    return QStringLiteral("L'album n'a pas pu être enregistré dans le fichier ") +
           QDir::toNativeSeparators(chemin) + QStringLiteral(" : ") + raison;
}
inline QString tropDePhotos(qsizetype n) {
    return QStringLiteral("Cet album contient %1 photos : un fichier album en contient au plus "
                          "10000. Il n'a pas été sauvegardé !")
        .arg(n);
}
inline QString cheminImpossible(const QString& chemin) {
    return QStringLiteral("Le nom de la photo %1 contient un retour chariot qu'un fichier album "
                          "ne peut pas contenir. Cet album n'a pas été sauvegardé !")
        .arg(chemin);
}

// Album files that are not taken as they are; the list shown keeps its photos unless some were
// read.
inline QString fichierTropGros(const QString& chemin, qint64 maxOctets) {
    return QStringLiteral("Le fichier album %1 dépasse %2 Mo : ce n'est pas un album, il n'a pas "
                          "été lu. La liste des photos n'a pas changé.")
        .arg(QDir::toNativeSeparators(chemin))
        .arg(maxOctets / (1024 * 1024));
}
inline QString lectureArretee(const QString& chemin, qsizetype maxPhotos) {
    return QStringLiteral("Le fichier album %1 contient plus de %2 photos : seules les %2 "
                          "premières ont été lues.")
        .arg(QDir::toNativeSeparators(chemin))
        .arg(maxPhotos);
}
inline QString aucunePhoto(const QString& chemin) {
    return QStringLiteral("Le fichier album %1 ne contient aucune photo. La liste des photos n'a "
                          "pas changé.")
        .arg(QDir::toNativeSeparators(chemin));
}
inline QString illisible(const QString& chemin) {
    return QStringLiteral("Le fichier album %1 n'a pas pu être lu. La liste des photos n'a pas "
                          "changé.")
        .arg(QDir::toNativeSeparators(chemin));
}
// The settings store refused what was written: the screen saver and the next start would not
// find what the dialog shows.
inline const QString ReglagesNonEnregistres =
    QStringLiteral("Les réglages n'ont pas pu être enregistrés (dossier plein ou protégé en "
                   "écriture) : l'économiseur d'écran et le prochain démarrage ne trouveront "
                   "pas la liste des photos ni l'album affichés.");

} // namespace TextesAlbum
