#pragma once

#include "pictures/sharedthumbnails.h"
#include "vignettes/geometriegrille.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QStringList>
#include <memory>

class Pictures;

// One photo of the grid as the build made it.
struct Vignette {
    QString chemin;
    QString fichierCache; // its bitmap on disk; empty when none could be written
    QSize bitmap;         // pixel size of that bitmap (or of the picture kept in memory)
    QImage image;         // the thumbnail at its shown size, when this build decoded it

    // A missing or undecodable photo: the grid shows the placeholder.
    bool nophoto() const { return !bitmap.isValid(); }
};

// The build of a grid's thumbnails, off the UI thread: photos are decoded in parallel, scaled by
// the decoder (or taken from a thumbnail that already exists), their bitmaps cached, and the
// results handed back in album order. It can be stopped; a photo under way is finished and the job
// ends there. Nothing here waits on the UI thread except the destructor, for the photos under way.
class ConstructionVignettes : public QObject {
    Q_OBJECT
public:
    struct Demande {
        QStringList chemins;
        QString racine;  // cache root; empty: decode in memory only
        QString dossier; // album cache folder inside the root
        QRectF cellule = GeometrieGrille::CadreIm0;
        int fils = 0; // 0: one per core
        // The desktop's shared thumbnails, taken instead of a decode; empty: none.
        QString partagees = SharedThumbnails::desktopRoot();
    };

    explicit ConstructionVignettes(const Pictures& images, QObject* parent = nullptr);
    ~ConstructionVignettes() override;

    // Starts a build; one still running is stopped first.
    void demarrer(const Demande& demande);
    // Stops at the next photo; results not taken yet are dropped.
    void arreter();

    int total() const;
    // The results that are ready in album order and not taken yet, at most `maximum`.
    QList<Vignette> prendre(int maximum);
    // Every photo is done (or the build was stopped) and every result taken.
    bool epuisee() const;

signals:
    // New results can be taken.
    void pretes();

private:
    struct Etat;
    void signaler();

    const Pictures& m_images;
    std::shared_ptr<Etat> m_etat;           // the build whose results are taken
    QList<std::shared_ptr<Etat>> m_lancees; // every build not known to be over
};
