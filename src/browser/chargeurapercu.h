#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>
#include <optional>

class Pictures;

// Loads the picture of a preview off the UI thread, so that no file, however large, slow or
// odd, holds up the dialog. One decode runs at a time, which bounds the memory to one picture;
// a request made meanwhile waits, and a newer one replaces it, so that only the latest
// request's result is delivered.
class ChargeurApercu : public QObject {
    Q_OBJECT
public:
    explicit ChargeurApercu(const Pictures& pictures, QObject* parent = nullptr);
    // Waits for a decode still running: it reads `pictures`, which may go right after.
    ~ChargeurApercu() override;

    // Loads `chemin` for a preview over `cadre` fitted with `marge` (twips, the rule of
    // Ajustement::ajusterDansCadre).
    void charger(const QString& chemin, const QRectF& cadre, double marge);
    // A request is still to be answered.
    bool occupe() const { return m_occupe; }

signals:
    // On the UI thread, for the latest request: the picture decoded at the size of `place`
    // (twips), or a null image when it cannot be shown (missing, not a regular file, not a
    // picture, beyond the memory bound).
    void pret(const QString& chemin, const QImage& image, const QRectF& place);

private:
    struct Demande {
        QString chemin;
        QRectF cadre;
        double marge;
    };
    struct Resultat {
        QImage image;
        QRectF place;
    };
    void lancer(const Demande& demande);
    void termine();

    const Pictures& m_pictures;
    QFutureWatcher<Resultat> m_travail;
    bool m_occupe = false;             // a decode runs or its end is not yet delivered
    QString m_chemin;                  // of that decode
    std::optional<Demande> m_suivante; // the latest request made while it runs
};
