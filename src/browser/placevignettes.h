#pragma once

#include "album/balayage.h"

#include <QString>
#include <QWidget>

class Album;
class ContenuDossiers;
class GrilleVignettes;
class Pictures;
class QPoint;

// The place of the thumbnail grid (SSSCroll), over the album list: only one of the two is in
// view. "Panorama" builds the album's grid once, then switches between the list and the grid;
// a changed list throws the grid away and brings the list back. The grid shows the album's
// photos: a folder's entry gives one thumbnail for each photo it holds.
class PlaceVignettes : public QWidget {
    Q_OBJECT
public:
    // `racineCache` is the root of the thumbnails' disk cache, empty for none.
    PlaceVignettes(const Album& album, const ContenuDossiers& dossiers, const QString& racineCache,
                   const Pictures& images, QWidget* parent);

    // The highlighted thumbnail's number, "" for none.
    QString tagIm0() const { return m_tagIm0; }
    // Another album replaced the one whose thumbnails were being built: panorama does not bring
    // back what was built of them.
    bool ArretChargement() const { return m_arretChargement; }
    void arreterChargement();

    // The thumbnails are thrown away (a build under way stops) and the list comes back.
    void viderVignettes();
    // The thumbnail the album's list chose: it is highlighted and becomes the marker.
    void marquerVignette(int index);
    void panorama();
    // Builds the grid of the album's list in the background, the gauge following it.
    void ChargerListeThumb();
    // A click on thumbnail Index: highlighted, and its entry of the list chosen and its photo
    // previewed.
    void CadreIm_Click(int Index);
    // A folder's scan ended: a grid made of what was known before is thrown away.
    void contenuChange();

signals:
    // The album list takes the place of the grid, or gives it up.
    void listeMontree(bool visible);
    void chargementCommence(int total);
    // The gauge's value while the grid is built, in whole percent; then the build's end.
    void progression(int pourcent);
    void construite(bool arretee);
    // Entry `index` of the list, for its photo `photo`.
    void vignetteChoisie(int index, const QString& photo);
    void menuDemande(const QPoint& global);
    void pointeurDessus();

private:
    void montrerGrille(bool visible);

    const Album& m_album;
    const ContenuDossiers& m_dossiers;
    const QString m_racineCache;
    AlbumDeplie m_deplie; // the photos of the grid, and their entries
    GrilleVignettes* m_grille;
    QString m_tagIm0;
    bool m_arretChargement = false;
};
