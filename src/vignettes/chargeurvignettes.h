#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <atomic>
#include <memory>

class Pictures;

// Loads the thumbnails a grid is showing, off the UI thread, one batch at a time: from the
// cached bitmap, or from the photo itself when there is no usable bitmap. Each comes back at its
// shown size, two thirds of the bitmap's.
class ChargeurVignettes : public QObject {
    Q_OBJECT
public:
    struct Demande {
        int index = -1;
        QString fichierCache;
        QString chemin;
        QSize bitmap;
    };

    explicit ChargeurVignettes(const Pictures& images, QObject* parent = nullptr);
    // Waits for the thumbnail under way, never for the rest of its batch.
    ~ChargeurVignettes() override;

    // The thumbnails wanted now, replacing the wishes not yet started.
    void demander(const QList<Demande>& demandes);
    // Nothing asked before is delivered any more.
    void oublier();

    static QImage charger(const Pictures& images, const Demande& demande);

signals:
    void chargee(int index, const QImage& image);

private:
    using Lot = QList<std::pair<int, QImage>>;
    void lancer();
    void livrer();

    const Pictures& m_images;
    QList<Demande> m_attente;
    QFutureWatcher<Lot> m_lot;
    std::shared_ptr<std::atomic<bool>> m_annule;
};
