#pragma once

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

    // Any picture file, fitted with a margin of 300. A file that cannot be shown leaves the
    // picture that was there (fitted and shown again) but still names `Fichier` in the tooltip;
    // the empty text clears the preview.
    void AfficherFichier(const QString& Fichier);
    // An entry of the album list, fitted with a margin of 500 and decoded at the size shown.
    // False, with the placeholder shown instead, when it is not a picture that can be read.
    bool AfficherEntree(const QString& entree);
    void Vider();

    // The previewed path, empty when none.
    QString Fichier() const;

signals:
    void pointeurDessus();

private:
    void Placer(const QSize& taille, double marge);
    void MontrerNophoto();

    const Pictures& m_images;
    PictureButton* Cadre;
    QLabel* Photo; // its tooltip is the previewed path
};
