// Hover animations, the close button and the about panel.
#include "config/form2.h"
#include "config/reglesdialogue.h"
#include "controls/captionpanel.h"
#include "controls/picturebutton.h"
#include "controls/twips.h"
#include "startup/module1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QThread>

namespace {
constexpr int IntervalleBoutons = 200;
constexpr int PasGlissement = 12;
constexpr int LargeurOuverte = 3255;
constexpr int LargeurDebutFermeture = 3000;
constexpr int LargeurFinFermeture = 100;
} // namespace

// Every pointer move asks to start the animation; restarting a running timer would hold it
// back for as long as the pointer moves, so a running timer is left alone.
void Form2::DemarrerMinuterie(QTimer& minuterie, int intervalle) {
    if (minuterie.isActive() && minuterie.interval() == intervalle)
        return;
    minuterie.setInterval(intervalle);
    minuterie.start();
}

void Form2::ArreterMinuterie(QTimer& minuterie) {
    minuterie.stop();
    minuterie.setInterval(0);
}

void Form2::Boutons_MouseMove(int Index) {
    if (BoutonActif == Index)
        return;
    DemarrerMinuterie(Timer1, IntervalleBoutons);
    BoutonSurvole = qint16(Index);
}

void Form2::Boutons_MouseExit(int Index) {
    ArreterMinuterie(Timer1);
    if (BoutonActif == Index || Index < 0 || Index >= int(Boutons.size()))
        return;
    const auto i = std::size_t(Index);
    Boutons[i]->setPictureUp(ImageList1[i].picture(1));
    Boutons[i]->setPictureDown(ImageList1[i].picture(1));
    if (BoutonSurvole >= 0 && BoutonSurvole < qint16(TBoutons.size()))
        TBoutons[std::size_t(BoutonSurvole)]->setTextColor(QColor(255, 255, 255));
}

void Form2::Timer1_Timer() {
    if (BoutonSurvole < 0 || BoutonSurvole >= qint16(Boutons.size()))
        return;
    const auto i = std::size_t(BoutonSurvole);
    const ImageList& images = ImageList1[i];
    EtapeBouton = qint16(ReglesDialogue::EtapeSuivante(EtapeBouton, images.count()));
    Boutons[i]->setPictureUp(images.picture(EtapeBouton));
    Boutons[i]->setPictureDown(images.picture(EtapeBouton));
    if (EtapeBouton >= 0 && EtapeBouton < qint16(Couleurs.size()))
        TBoutons[i]->setTextColor(Couleurs[std::size_t(EtapeBouton)]);
}

void Form2::Timer2_Timer() {
    EtapeImage = qint16(ReglesDialogue::EtapeSuivante(EtapeImage, ImageList2.count()));
    PictureButton* bouton = ImageSurvolee == 0   ? Sel
                            : ImageSurvolee == 1 ? DeValider
                            : ImageSurvolee == 2 ? Valider
                                                 : nullptr;
    if (bouton)
        bouton->setPictureUp(ImageList2.picture(EtapeImage));
}

void Form2::Menu_Click(int) {
    close();
}

// Ends the program once unsaved changes were offered to be saved, however the dialog is closed.
// A save that failed keeps the dialog open, so that the album can be saved elsewhere.
void Form2::closeEvent(QCloseEvent* event) {
    const bool fin = album.Fermer();
    TitreAlbum->setText(album.TitreAlbum);
    if (!fin) {
        event->ignore();
        return;
    }
    event->accept();
    m_module.FinProgramme();
}

void Form2::Menu_MouseEnter(int) {
    Menu[1]->setPictureUp(Menu[1]->pictureDown());
}

void Form2::Menu_MouseExit(int) {
    Menu[1]->setPictureUp(Menu[1]->pictureStored());
}

void Form2::FermerAPropos() {
    if (APropos->isHidden())
        return;
    GlisserAPropos(LargeurDebutFermeture, LargeurFinFermeture);
    APropos->setVisible(false);
}

void Form2::OuvrirAPropos() {
    if (!APropos->isHidden())
        return;
    APropos->resize(0, APropos->height());
    APropos->setVisible(true);
    APropos->raise();
    GlisserAPropos(0, LargeurOuverte);
}

// Runs to its end before anything else of the dialog: no event gets through while it slides.
void Form2::GlisserAPropos(int depuis, int jusqua) {
    const int pas = DureeGlissement > 0 ? PasGlissement : 1;
    const QList<int> largeurs = ReglesDialogue::LargeursGlissement(depuis, jusqua, pas);
    const QRect zone(APropos->pos(), QSize(Twips::pixels(LargeurOuverte), APropos->height()));
    for (int largeur : largeurs) {
        APropos->resize(Twips::pixels(largeur), APropos->height());
        if (DureeGlissement > 0 && isVisible()) {
            SSSplash1->repaint(zone);
            QThread::msleep(unsigned(DureeGlissement / pas));
        }
    }
}

void Form2::ListeS_MouseMove() {
    OuvrirAPropos();
}

void Form2::SSSCroll_MouseMove() {
    OuvrirAPropos();
}

void Form2::Cadre_MouseMove() {
    FermerAPropos();
}
