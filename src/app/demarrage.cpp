#include "app/demarrage.h"

#include "app/renduopengl.h"
#include "config/form2.h"
#include "hote/hostwindowwatcher.h"
#include "hote/windowhost.h"
#include "platform/glrenderer.h"
#include "platform/instancelock.h"
#include "platform/services.h"
#include "saver/ecransss.h"
#include "saver/ss.h"
#include "settings/reglages.h"
#include "startup/lancement.h"
#include "startup/lignecommande.h"
#include "startup/module1.h"

#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {
// A running show's first tick comes soon after its first photo.
constexpr int CycleMs = 500;
} // namespace

Demarrage::Demarrage(Services& services, Module1& module)
    : m_services(services), m_module(module) {}

Demarrage::~Demarrage() = default;

Demarrage::Suite Demarrage::Main(const QString& ligneCommande) {
    Services& s = m_services;
    m_ss = std::make_unique<SS>(s, m_module);
    m_ss->stop();
    Module1::AfficherCurseur();
    m_module.lireLigneCommande(ligneCommande);
    const QString& mode = m_module.ModeCommande();

    if (mode == QStringLiteral("/S")) {
        m_ss->preparerDessin(sondeOpenGL());
        preparerPremierePhoto();
        if (s.instance.anotherInstanceRunning())
            return abandonnerAffichage();
        m_ss->start(CycleMs);
        m_ecrans = std::make_unique<EcransSS>(
            *m_ss, [this](QScreen* ecran) { return formeAutreEcran(ecran); });
        m_ss->activateWindow();
        prendreClavier();
    } else if (mode == QStringLiteral("/C")) {
        // The dialog opens whatever the answer; asking registers it as an instance, so that a
        // show started while it is open ends.
        s.instance.anotherInstanceRunning();
        m_ss.reset();
        m_form2 = std::make_unique<Form2>(s, m_module.dossierProgramme(),
                                          [&m = m_module] { m.finProgramme(); });
        m_form2->show();
    } else if (mode == QStringLiteral("/P")) {
        if (s.instance.anotherInstanceRunning())
            return abandonnerAffichage();
        const auto fenetre = fenetreApercu(ligneCommande);
        const QSize taille = fenetre ? s.windowHost.clientSize(*fenetre) : QSize();
        if (!taille.isValid())
            return abandonnerAffichage();
        m_module.poserRectApercu(QRect(QPoint(0, 0), taille));
        m_ss->setWindowFlags(Qt::FramelessWindowHint);
        m_ss->resize(taille);
        m_ss->preparerDessin(sondeOpenGL());
        if (!s.windowHost.embed(*m_ss, *fenetre))
            return abandonnerAffichage();
        // The settings tool ends a preview by destroying its pane.
        suivreFenetreHote(*fenetre, false);
        preparerPremierePhoto();
        m_ss->start(CycleMs);
        m_ss->show();
    } else if (const auto hote = fenetreHoteX11(ligneCommande, m_module.variableFenetreHote())) {
        return mainHote(*hote);
    } else {
        // No window in this mode.
        m_ss.reset();
        terminerSansFenetre(s.settings, s.instance);
        return Suite::Terminer;
    }

    Reglages::effacer(s.settings, Reglages::wallTemp());
    return Suite::Continuer;
}

std::function<QString()> Demarrage::sondeOpenGL() const {
    return [programme = m_module.programme()] {
        return programme.isEmpty()
                   ? QString()
                   : GlRenderer::nameFromChild(programme, ArgumentRenduOpenGL, PrefixeRenduOpenGL);
    };
}

void Demarrage::preparerPremierePhoto() {
    m_ss->ChargerPhotos();
    m_ss->poserPremierePhoto();
}

std::unique_ptr<SS> Demarrage::formeAutreEcran(QScreen* ecran) {
    // The same album and options, but a draw of its own; the first screen's show alone applies
    // the wallpaper of the day.
    auto ss = std::make_unique<SS>(m_services, m_module);
    ss->autreEcran();
    ss->setScreen(ecran);
    ss->preparerDessin([r = m_ss->rendererSonde()] { return r.value_or(QString()); });
    ss->partagerListe(*m_ss);
    ss->poserPremierePhoto();
    ss->start(CycleMs);
    return ss;
}

Demarrage::Suite Demarrage::mainHote(quintptr fenetre) {
    Services& s = m_services;
    if (fenetre == 0)
        fenetre = s.windowHost.rootWindow();
    const QSize taille = fenetre ? s.windowHost.clientSize(fenetre) : QSize();
    if (!taille.isValid())
        return abandonnerAffichage();
    // A host runs one copy per screen, and its settings tool one more in its preview: no
    // instance test here. The host watches keyboard and pointer; the window takes no focus.
    m_module.passerHoteX11();
    m_ss->setWindowFlags(Qt::FramelessWindowHint);
    m_ss->setAttribute(Qt::WA_ShowWithoutActivating);
    m_ss->setFocusPolicy(Qt::NoFocus);
    m_ss->resize(taille);
    m_ss->preparerDessin(sondeOpenGL());
    if (!s.windowHost.embed(*m_ss, fenetre))
        return abandonnerAffichage();
    suivreFenetreHote(fenetre, true);
    preparerPremierePhoto();
    m_ss->start(CycleMs);
    m_ss->show();
    Reglages::effacer(s.settings, Reglages::wallTemp());
    return Suite::Continuer;
}

void Demarrage::prendreClavier() {
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

void Demarrage::suivreFenetreHote(quintptr fenetre, bool suivreTaille) {
    auto* suivi = new HostWindowWatcher(m_services.windowHost, fenetre, m_ss.get());
    if (suivreTaille)
        QObject::connect(suivi, &HostWindowWatcher::resized, m_ss.get(),
                         [ss = m_ss.get()](const QSize& t) { ss->resize(t); });
    QObject::connect(suivi, &HostWindowWatcher::gone, m_ss.get(),
                     [this] { m_module.finProgramme(); });
}

Demarrage::Suite Demarrage::abandonnerAffichage() {
    m_ss.reset();
    return Suite::Terminer;
}
