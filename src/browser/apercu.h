#pragma once

#include "browser/chargeurapercu.h"

#include <QWidget>

class PictureButton;
class Pictures;
class QLabel;

// The preview: the frame Cadre and the picture Photo fitted over it. The album list, the
// thumbnails and the weekday editor all show their picture here.
class Apercu : public QWidget {
    Q_OBJECT
public:
    Apercu(const Pictures& images, QWidget* parent);

    // Pictures are decoded off the UI thread at the size shown; the latest request wins.
    // Any picture file, fitted with a margin of 300. The tooltip names `Fichier` at once; a file
    // that cannot be shown leaves the picture that was there (fitted and shown again); the empty
    // text clears the preview.
    void AfficherFichier(const QString& Fichier);
    // An entry of the album list, fitted with a margin of 500; one that is not a picture that
    // can be read shows the placeholder in the place of the picture before. `entreeAffichee`
    // tells which.
    void afficherEntree(const QString& entree);
    // A picture is still being decoded.
    bool occupe() const;
    void vider();

    // The previewed path, empty when none.
    QString Fichier() const;

signals:
    void pointeurDessus();
    // The frame was clicked (pressed): the previewed picture is to be opened.
    void cadreClique();
    void entreeAffichee(const QString& entree, bool lisible);
    // The previewed path changed (Fichier()).
    void fichierChange(const QString& fichier);

private:
    void placer(const QSize& taille, double marge);
    void montrerNophoto();
    void nommerPhoto(const QString& fichier);
    void montrer(const QString& chemin, const QImage& image, const QRectF& place);

    struct Demande {
        QString chemin;
        double marge = 0;
    };
    ChargeurApercu m_chargeur;
    Demande m_attendu; // the latest request
    PictureButton* Cadre;
    QLabel* Photo; // its tooltip is the previewed path
};
