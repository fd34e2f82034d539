#pragma once

#include "browser/grillevignettes.h"

struct EtatDialogue;

// The place of the thumbnail grid (SSSCroll), over the album list: only one of the two is in
// view. "Panorama" builds the album's grid once, then switches between the list and the grid;
// a changed list throws the grid away and brings the list back.
class PlaceVignettes : public GrilleVignettes {
    Q_OBJECT
public:
    PlaceVignettes(EtatDialogue& etat, const Pictures& pictures, const QString& racineCache,
                   QWidget* parent);

    QString TagIm0; // the highlighted thumbnail's number, "" for none

    // The thumbnails are thrown away (a build under way stops) and the list comes back.
    void ViderVignettes();
    // The thumbnail the album's list chose: it is highlighted and becomes the marker.
    void MarquerVignette(int index);
    void Panorama();
    // Builds the grid of the album's list in the background, the gauge following it.
    void ChargerListeThumb();
    // A click on thumbnail Index: highlighted, and its entry of the list chosen and previewed.
    void CadreIm_Click(int Index);

signals:
    // The album list takes the place of the grid, or gives it up.
    void listeMontree(bool visible);
    void chargementCommence(int total);
    void vignetteChoisie(int index);
    void menuDemande(const QPoint& global);
    void pointeurDessus();

private:
    void MontrerGrille(bool visible);

    EtatDialogue& m_etat;
    QString m_racineCache;
};
