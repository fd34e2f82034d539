#pragma once

#include "vignettes/chargeurvignettes.h"
#include "vignettes/constructionvignettes.h"
#include "vignettes/geometriegrille.h"

#include <QAbstractScrollArea>
#include <QCache>
#include <QImage>
#include <QList>
#include <QSet>
#include <QTimer>

class Pictures;

// The thumbnail grid: one cell per photo, four to a row, in album order. It paints only the
// cells in view and loads their bitmaps when they come into view, so that an album of any size
// costs the same to show. The build runs in the background; its results are placed in album
// order a few at a time, so the UI thread is never held long.
class GrilleVignettes : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit GrilleVignettes(const Pictures& images, QWidget* parent = nullptr);

    // Screens' worth of thumbnails loaded ahead, above and below the view.
    int EcransDAvance = 1;

    // Throws the grid away and builds it anew. The scroll extent stays at zero until the end.
    void construire(const ConstructionVignettes::Demande& demande);
    // Stops the build at the next photo; the photos placed stay.
    void arreter();
    // Throws the grid away, stopping any build silently. Cell 0 keeps its highlight.
    void vider();

    bool enConstruction() const { return m_enConstruction; }
    int nombre() const { return int(m_vignettes.size()); }
    const Vignette& vignette(int i) const { return m_vignettes[i]; }

    // The highlighted cell (opaque background), -1 for none.
    int surlignee() const { return m_surlignee; }
    void surligner(int index);

    // Where cell i and its picture stand, in twips inside the grid's content.
    QRectF cellule(int i) const { return GeometrieGrille::cellule(i); }
    QRectF image(int i) const;
    GeometrieGrille::Etendue etendue() const { return m_etendue; }
    // Index of the cell under a point of the viewport, -1 for none.
    int celluleEn(const QPoint& point) const;
    // Cells painted so far without their thumbnail, its bitmap not loaded yet (for benchmarks).
    qint64 videsPeintes() const { return m_videsPeintes; }

signals:
    // The gauge's value while photo i of n is placed: i / n in whole percent.
    void progression(int pourcent);
    void construite(bool arretee);
    void vignetteCliquee(int index);
    void menuDemande(const QPoint& global);
    // The pointer moved over the area outside the cells.
    void pointeurDessus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void placerResultats();
    void terminer(bool arretee);
    void appliquerEtendue();
    void chargerVisibles();
    QList<int> visibles() const;
    QList<int> aCharger() const;
    // The cells from the row before the one at `haut` to the row after the one at `bas` (pixels
    // of the content), as a range of indexes.
    std::pair<int, int> entre(int haut, int bas) const;
    QRect pixels(const QRectF& twips) const;

    ConstructionVignettes m_construction;
    ChargeurVignettes m_chargeur;
    QList<Vignette> m_vignettes;
    QCache<int, QImage> m_images; // shown-size thumbnails, by cell; cost in KiB
    QSet<int> m_illisibles;       // bitmaps that could not be loaded again
    QImage m_nophoto;
    QTimer m_attenteChargement;
    GeometrieGrille::Etendue m_etendue;
    bool m_enConstruction = false;
    int m_surlignee = -1;
    int m_pressee = -1;
    qint64 m_videsPeintes = 0;
};
