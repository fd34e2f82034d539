#include "saver/ecransss.h"

#include "saver/ss.h"

#include <QGuiApplication>
#include <QScreen>

EcransSS::EcransSS(SS& premiere, Creer creer, QObject* parent)
    : QObject(parent), m_premiere(premiere), m_ecranPremiere(QGuiApplication::primaryScreen()),
      m_creer(std::move(creer)) {
    if (m_ecranPremiere)
        Couvrir(m_premiere, m_ecranPremiere);
    for (QScreen* ecran : QGuiApplication::screens())
        Ajouter(ecran);
    connect(qApp, &QGuiApplication::screenAdded, this, &EcransSS::Ajouter);
    connect(qApp, &QGuiApplication::screenRemoved, this, &EcransSS::Retirer);
}

EcransSS::~EcransSS() = default;

void EcransSS::Couvrir(SS& ss, QScreen* ecran) {
    // Without a window manager a full-screen request alone leaves the window at its default
    // size and on the primary screen: give it the screen and its geometry first.
    ss.setScreen(ecran);
    ss.setGeometry(ecran->geometry());
    ss.showFullScreen();
}

void EcransSS::Ajouter(QScreen* ecran) {
    if (ecran == m_ecranPremiere)
        return;
    if (!m_ecranPremiere) {
        m_ecranPremiere = ecran;
        Couvrir(m_premiere, ecran);
        return;
    }
    for (const auto& autre : m_autres)
        if (autre.first == ecran)
            return;
    std::unique_ptr<SS> ss = m_creer(ecran);
    Couvrir(*ss, ecran);
    m_autres.emplace_back(ecran, std::move(ss));
}

void EcransSS::Retirer(QScreen* ecran) {
    if (ecran == m_ecranPremiere) {
        if (m_autres.empty()) {
            m_ecranPremiere = nullptr;
            return;
        }
        m_ecranPremiere = m_autres.back().first;
        m_autres.pop_back();
        Couvrir(m_premiere, m_ecranPremiere);
        return;
    }
    std::erase_if(m_autres, [ecran](const auto& autre) { return autre.first == ecran; });
}
