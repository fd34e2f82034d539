#include "startup/demarrage.h"

#include "config/form2.h"
#include "controls/photopanel.h"
#include "platform/hostwindowwatcher.h"
#include "platform/instancelock.h"
#include "platform/services.h"
#include "platform/windowhost.h"
#include "saver/listephotos.h"
#include "saver/ss.h"
#include "startup/hotex11.h"
#include "startup/module1.h"
#include "startup/reglages.h"

#include <QScreen>
#include <QTimer>
#include <QWindow>

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
        // Without a window manager a full-screen request alone leaves the window at its
        // default size: give it the screen's geometry first.
        if (m_ss->screen())
            m_ss->setGeometry(m_ss->screen()->geometry());
        m_ss->showFullScreen();
        m_ss->activateWindow();
        PrendreClavier();
    } else if (mode == QStringLiteral("/C")) {
        // The dialog opens whatever the answer; asking registers it as an instance, so that a
        // show started while it is open ends.
        s.instance.anotherInstanceRunning();
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
        // The settings tool ends a preview by destroying its pane.
        SuivreFenetreHote(*fenetre, false);
        PreparerPremierePhoto();
        m_ss->Timer1.setInterval(500);
        m_ss->Timer1.start();
        m_ss->show();
    } else if (const auto hote = FenetreHoteX11(ligneCommande, m_module.VariableFenetreHote)) {
        return MainHote(*hote);
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

Demarrage::Suite Demarrage::MainHote(quintptr fenetre) {
    Services& s = m_module.services;
    if (fenetre == 0)
        fenetre = s.windowHost.rootWindow();
    const QSize taille = fenetre ? s.windowHost.clientSize(fenetre) : QSize();
    if (!taille.isValid())
        return AbandonnerAffichage();
    // A host runs one copy per screen, and its settings tool one more in its preview: no
    // instance test here. The host watches keyboard and pointer; the window takes no focus.
    m_module.HoteX11 = true;
    m_ss->Photo->setPlacementMode(0);
    m_ss->setWindowFlags(Qt::FramelessWindowHint);
    m_ss->setAttribute(Qt::WA_ShowWithoutActivating);
    m_ss->setFocusPolicy(Qt::NoFocus);
    m_ss->resize(taille);
    if (!s.windowHost.embed(*m_ss, fenetre))
        return AbandonnerAffichage();
    SuivreFenetreHote(fenetre, true);
    PreparerPremierePhoto();
    m_ss->Timer1.setInterval(500);
    m_ss->Timer1.start();
    m_ss->show();
    Reglages::effacer(s.settings, Reglages::wallTemp());
    return Suite::Continuer;
}

void Demarrage::PrendreClavier() {
    // The show covers the screen: whatever window had the focus, the first key must end it. The
    // X server refuses a grab until the window is mapped, so the grab waits for the first expose.
    auto* attente = new QTimer(m_ss.get());
    attente->setInterval(50);
    QObject::connect(attente, &QTimer::timeout, m_ss.get(),
                     [ss = m_ss.get(), attente, n = 0]() mutable {
                         QWindow* fenetre = ss->windowHandle();
                         const bool expose = fenetre && fenetre->isExposed();
                         if (expose)
                             fenetre->setKeyboardGrabEnabled(true);
                         if (expose || ++n >= 100)
                             attente->deleteLater();
                     });
    attente->start();
}

void Demarrage::SuivreFenetreHote(quintptr fenetre, bool suivreTaille) {
    auto* suivi = new HostWindowWatcher(m_module.services.windowHost, fenetre, m_ss.get());
    if (suivreTaille)
        QObject::connect(suivi, &HostWindowWatcher::resized, m_ss.get(),
                         [ss = m_ss.get()](const QSize& t) { ss->resize(t); });
    QObject::connect(suivi, &HostWindowWatcher::gone, m_ss.get(),
                     [this] { m_module.FinProgramme(); });
}

Demarrage::Suite Demarrage::AbandonnerAffichage() {
    m_ss.reset();
    return Suite::Terminer;
}
