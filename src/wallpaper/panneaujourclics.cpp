// The weekday panel's buttons: choose, confirm, remove, their labels and the photo menu's
// "Paper". An action button acts only on the click that pressed it and releases itself when
// done, so that the click its release raises does nothing.
#include "controls/picturebutton.h"
#include "platform/filechooser.h"
#include "platform/services.h"
#include "wallpaper/ouvririmage.h"
#include "wallpaper/panneaujour.h"
#include "wallpaper/textesfonds.h"

namespace {
const QColor Cyan(0, 255, 255);
} // namespace

void PanneauJour::DonnerImage(PictureButton* bouton, int k) {
    bouton->setPictureUp(ImageList2.picture(k));
    bouton->setPictureDown(ImageList2.picture(k));
}

void PanneauJour::LookActif(PictureButton* bouton) {
    for (PictureButton* b : {Sel, DeValider, Valider})
        DonnerImage(b, b == bouton ? ImageList2.count() : 1);
    Etiquette(bouton)->setTextColor(Cyan);
}

void PanneauJour::Repos(PictureButton* bouton) {
    bouton->setValue(false);
    DonnerImage(bouton, 1);
    Etiquette(bouton)->setTextColor(Qt::white);
    ArreterAnimation();
}

void PanneauJour::Sel_Click() {
    if (!Sel->value())
        return;
    LookActif(Sel);
    const QString fichier = m_services.files.openFile(
        {TextesFonds::TitreChoix, TextesFonds::FiltreChoix, QString(), QString()});
    if (!fichier.isEmpty())
        emit afficherFichier(fichier);
    Repos(Sel);
    if (!fichier.isEmpty())
        editeur.ImageChoisie();
}

void PanneauJour::Valider_Click() {
    if (!Valider->value() || editeur.ApplicationEnCours())
        return;
    LookActif(Valider);
    if (editeur.Confirmer(m_cheminApercu) != EditeurFonds::Issue::Application) {
        Repos(Valider);
        return;
    }
    // The panel waits, in its active look, until today's picture is on the desktop.
    setEnabled(false);
    setCursor(Qt::BusyCursor);
}

void PanneauJour::FinConfirmation() {
    unsetCursor();
    setEnabled(true);
    Repos(Valider);
}

void PanneauJour::DeValider_Click() {
    if (!DeValider->value())
        return;
    LookActif(DeValider);
    if (!editeur.Enlever()) {
        Repos(DeValider);
        return;
    }
    emit afficherFichier(QString());
    // The animation goes on until the pointer leaves the button.
    DeValider->setValue(false);
    DonnerImage(DeValider, 1);
    TDevalider->setTextColor(Qt::white);
}

// A label button passes its click on to its action button, then releases itself.
void PanneauJour::Relayer(PictureButton* legende, PictureButton* action,
                          void (PanneauJour::*clic)()) {
    if (!legende->value())
        return;
    action->setValue(true);
    (this->*clic)();
    legende->setValue(false);
}

void PanneauJour::TSel_Click() {
    Relayer(TSel, Sel, &PanneauJour::Sel_Click);
}

void PanneauJour::TValider_Click() {
    if (Valider->isEnabled())
        Relayer(TValider, Valider, &PanneauJour::Valider_Click);
}

void PanneauJour::TDevalider_Click() {
    if (DeValider->isEnabled())
        Relayer(TDevalider, DeValider, &PanneauJour::DeValider_Click);
}

void PanneauJour::Paper_Click() {
    if (editeur.ApplicationEnCours())
        return;
    Valider->setValue(true);
    Valider_Click();
}

void PanneauJour::photoChoisie(const QString&) {
    editeur.EntreeAlbumChoisie();
}

void PanneauJour::Cadre_Click() {
    OuvrirImage(m_cheminApercu, m_services.desktop, m_services.prompts);
}

void PanneauJour::apercuChange(const QString& fichier) {
    m_cheminApercu = fichier;
}
