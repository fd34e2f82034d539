#include "saver/ss.h"

#include "controls/photopanel.h"
#include "platform/pictures.h"
#include "platform/randomsource.h"
#include "platform/services.h"
#include "saver/listephotos.h"
#include "startup/module1.h"
#include "startup/reglages.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>

SS::SS(Module1& module, QWidget* parent)
    : QWidget(parent), SSTransition1(new QWidget(this)), Photo(new PhotoPanel(SSTransition1)),
      m_module(module) {
    setWindowTitle(QStringLiteral("Lumivane"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
    Timer1.setInterval(1500);
    connect(&Timer1, &QTimer::timeout, this, &SS::Timer1_Timer);
    connect(Photo, &PhotoPanel::pointerMoved, this, &SS::Photo_MouseMove);
    Form_Load();
}

SS::~SS() {
    Form_Unload();
}

void SS::Form_Load() {
    m_module.services.random.seedFromClock();
    Quitter = false;
    const bool enHaut =
        Reglages::vautZero(Reglages::lire(m_module.services.settings, Reglages::position()));
    Photo->setCaptionAlignment(enHaut ? PhotoPanel::CaptionAlignment::TopCentre
                                      : PhotoPanel::CaptionAlignment::BottomCentre);
    // Topmost: set by the window flags of the constructor.
}

void SS::Form_Resize() {
    if (isMinimized())
        return;
    SSTransition1->setGeometry(rect());
    Photo->setGeometry(SSTransition1->rect());
}

void SS::Form_KeyDown() {
    Terminer();
}

void SS::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_module.AfficherCurseur();
}

void SS::Photo_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y) {
    if (m_module.LigneCommande.trimmed().toUpper().startsWith(QStringLiteral("/P")))
        return;
    if (SourisArmee) {
        if (x != SourisX || y != SourisY)
            Quitter = true;
    } else {
        SourisX = x;
        SourisY = y;
    }
    if (Quitter)
        Terminer();
}

void SS::Timer1_Timer() {
    // The slide-show cycle is driven from here.
}

void SS::ChargerPhotos() {
    Liste = ::ChargerPhotos(m_module.services.settings, [] { QCoreApplication::processEvents(); });
}

void SS::AfficherPhoto(int k) {
    const QString chemin = Liste.value(k - 1);
    const bool titres =
        Reglages::vautZero(Reglages::lire(m_module.services.settings, Reglages::titre()));
    Photo->setCaption(titres ? chemin : QString());
    const QImage image = m_module.services.pictures.loadFitted(chemin, TailleAffichage());
    if (!image.isNull())
        Photo->setPicture(image);
}

QSize SS::TailleAffichage() const {
    QSize logique = size();
    if (!isVisible() && !m_module.RectApercu.isValid() && screen())
        logique = screen()->size();
    else if (!isVisible() && m_module.RectApercu.isValid())
        logique = m_module.RectApercu.size();
    return (QSizeF(logique) * devicePixelRatioF()).toSize();
}

void SS::Terminer() {
    Timer1.stop();
    m_module.AfficherCurseur();
    close();
    Form_Unload();
    m_module.FinProgramme();
}

void SS::resizeEvent(QResizeEvent*) {
    Form_Resize();
}

void SS::keyPressEvent(QKeyEvent*) {
    Form_KeyDown();
}

void SS::closeEvent(QCloseEvent*) {
    Form_Unload();
}
