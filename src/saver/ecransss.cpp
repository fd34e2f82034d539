#include "saver/ecransss.h"

#include "saver/ss.h"

#include <QGuiApplication>
#include <QScreen>

EcransSS::EcransSS(SS& premiere, Creer creer, QObject* parent)
    : QObject(parent), m_premiere(premiere), m_ecranPremiere(QGuiApplication::primaryScreen()),
      m_creer(std::move(creer)) {
    if (m_ecranPremiere)
        couvrir(m_premiere, m_ecranPremiere);
    for (QScreen* ecran : QGuiApplication::screens())
        ajouter(ecran);
    connect(qApp, &QGuiApplication::screenAdded, this, &EcransSS::ajouter);
    connect(qApp, &QGuiApplication::screenRemoved, this, &EcransSS::retirer);
}

EcransSS::~EcransSS() = default;

void EcransSS::couvrir(SS& ss, QScreen* ecran) {
    // Without a window manager a full-screen request alone leaves the window at its default
    // size and on the primary screen: give it the screen and its geometry first.
    ss.setScreen(ecran);
    ss.setGeometry(ecran->geometry());
    ss.showFullScreen();
}

void EcransSS::ajouter(QScreen* ecran) {
    if (ecran == m_ecranPremiere)
        return;
    if (!m_ecranPremiere) {
        m_ecranPremiere = ecran;
        couvrir(m_premiere, ecran);
        return;
    }
    for (const auto& autre : m_autres)
        if (autre.first == ecran)
            return;
    std::unique_ptr<SS> ss = m_creer(ecran);
    couvrir(*ss, ecran);
    m_autres.emplace_back(ecran, std::move(ss));
}

void EcransSS::retirer(QScreen* ecran) {
    if (ecran == m_ecranPremiere) {
        if (m_autres.empty()) {
            m_ecranPremiere = nullptr;
            return;
        }
        m_ecranPremiere = m_autres.back().first;
        m_autres.pop_back();
        couvrir(m_premiere, m_ecranPremiere);
        return;
    }
    std::erase_if(m_autres, [ecran](const auto& autre) { return autre.first == ecran; });
}
