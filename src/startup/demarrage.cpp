#include "startup/demarrage.h"

#include "config/form2.h"
#include "controls/photopanel.h"
#include "platform/instancelock.h"
#include "platform/services.h"
#include "platform/windowhost.h"
#include "saver/listephotos.h"
#include "saver/ss.h"
#include "startup/module1.h"
#include "startup/reglages.h"

#include <QGuiApplication>
#include <QScreen>

Demarrage::Demarrage(Module1& module) : m_module(module) {}

Demarrage::~Demarrage() = default;

Demarrage::Suite Demarrage::Main(const QString& ligneCommande) {
    Services& s = m_module.services;
    m_ss = std::make_unique<SS>(m_module);
    m_ss->Timer1.stop();
    m_module.AfficherCurseur();
    m_module.LigneCommande = ligneCommande;
    m_module.ModeCommande = Module1::ModeDe(ligneCommande);
    const QString& mode = m_module.ModeCommande;

    if (mode == QStringLiteral("/S")) {
        m_ss->Photo->setPlacementMode(0);
        PreparerPremierePhoto();
        if (s.instance.anotherInstanceRunning())
            return AbandonnerAffichage();
        m_ss->Timer1.setInterval(500);
        m_ss->Timer1.start();
        // Without a window manager the full-screen request alone would not size the window.
        if (QScreen* ecran = QGuiApplication::primaryScreen())
            m_ss->setGeometry(ecran->geometry());
        m_ss->showFullScreen();
        m_ss->activateWindow();
        // The show covers the screen: whatever window had the focus, the first key ends it.
        m_ss->grabKeyboard();
    } else if (mode == QStringLiteral("/C")) {
        m_ss.reset();
        m_form2 = std::make_unique<Form2>(m_module);
        m_form2->show();
    } else if (mode == QStringLiteral("/P")) {
        m_ss->Photo->setPlacementMode(3);
        if (s.instance.anotherInstanceRunning())
            return AbandonnerAffichage();
        const auto fenetre = Module1::FenetreApercu(ligneCommande);
        const QSize taille = fenetre ? s.windowHost.clientSize(*fenetre) : QSize();
        if (!taille.isValid())
            return AbandonnerAffichage();
        m_module.RectApercu = QRect(QPoint(0, 0), taille);
        m_ss->setWindowFlags(Qt::FramelessWindowHint);
        m_ss->resize(taille);
        if (!s.windowHost.embed(*m_ss, *fenetre))
            return AbandonnerAffichage();
        PreparerPremierePhoto();
        m_ss->Timer1.setInterval(500);
        m_ss->Timer1.start();
        m_ss->show();
    } else {
        // No window in this mode; the record of the applied wallpaper is cleared all the same
        // unless another instance owns it.
        m_ss.reset();
        if (!s.instance.anotherInstanceRunning())
            Reglages::effacer(s.settings, Reglages::wallTemp());
        return Suite::Terminer;
    }

    Reglages::effacer(s.settings, Reglages::wallTemp());
    return Suite::Continuer;
}

void Demarrage::PreparerPremierePhoto() {
    m_ss->ChargerPhotos();
    const auto n = qint16(m_ss->Liste.size());
    m_ss->Photo->setPicture(QImage());
    const qint16 k = ChoisirPhoto(n, m_module.DernierePhoto, m_module.services.random);
    m_ss->AfficherPhoto(k);
}

Demarrage::Suite Demarrage::AbandonnerAffichage() {
    m_ss.reset();
    return Suite::Terminer;
}
