#pragma once

#include <QList>
#include <QScrollArea>

class QLabel;

// The place of the thumbnail grid (SSSCroll), over the album list and hidden while the list is
// shown. It holds the grid's first cell CadreIm(0) with its image Im(0), and the placeholder
// Nophoto, until the grid itself is built here.
class PlaceVignettes : public QScrollArea {
    Q_OBJECT
public:
    explicit PlaceVignettes(QWidget* parent);

    QList<QLabel*> Im;      // thumbnails; member 0 exists from the start
    QList<QLabel*> CadreIm; // thumbnail cells; member 0 exists from the start
    QString TagIm0;         // the highlighted thumbnail's number, "" for none

    // The thumbnails are thrown away and the place hides: the list is shown instead.
    void ViderVignettes();
    // The thumbnail to highlight, -1 for none.
    void MarquerVignette(int index);
    // The "Panorama" command: the thumbnail view does not exist yet, the list stays the album's
    // only view.
    void Panorama() {}

signals:
    void pointeurDessus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
