#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QScreen;
class SS;

// The full-screen show on every screen. The first form covers the primary screen; every other
// screen gets a form of its own, made by `creer`. Screens plugged in or out while the show runs
// are followed. The first form never goes (it holds the keyboard and applies the wallpaper of
// the day): when its screen leaves, it takes over the screen of another form, which goes.
class EcransSS : public QObject {
    Q_OBJECT
public:
    using Creer = std::function<std::unique_ptr<SS>(QScreen*)>;

    EcransSS(SS& premiere, Creer creer, QObject* parent = nullptr);
    ~EcransSS() override;

private:
    // Shows `ss` full screen on `ecran`.
    static void couvrir(SS& ss, QScreen* ecran);
    void ajouter(QScreen* ecran);
    void retirer(QScreen* ecran);

    SS& m_premiere;
    QScreen* m_ecranPremiere;
    Creer m_creer;
    std::vector<std::pair<QScreen*, std::unique_ptr<SS>>> m_autres;
};
