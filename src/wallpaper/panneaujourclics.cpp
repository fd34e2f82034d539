// The weekday panel's buttons: choose, confirm, remove, their labels and the photo menu's
// "Paper". An action button acts only on the click that pressed it and releases itself when
// done, so that the click its release raises does nothing.
#include "controls/picturebutton.h"
#include "decor/teintes.h"
#include "platform/filechooser.h"
#include "platform/services.h"
#include "wallpaper/ouvririmage.h"
#include "wallpaper/panneaujour.h"
#include "wallpaper/textesfonds.h"

namespace {
using Teintes::Cyan;
} // namespace

void PanneauJour::donnerImage(PictureButton* bouton, int k) {
    bouton->setPictureUp(ImageList2.picture(k));
    bouton->setPictureDown(ImageList2.picture(k));
}

void PanneauJour::lookActif(PictureButton* bouton) {
    for (PictureButton* b : {Sel, DeValider, Valider})
        donnerImage(b, b == bouton ? ImageList2.count() : 1);
    etiquetteDe(bouton)->setTextColor(Cyan);
}

void PanneauJour::repos(PictureButton* bouton) {
    bouton->setValue(false);
    donnerImage(bouton, 1);
    etiquetteDe(bouton)->setTextColor(Qt::white);
    arreterAnimation();
}

void PanneauJour::Sel_Click() {
    if (!Sel->value())
        return;
    lookActif(Sel);
    const QString fichier = m_services.files.openFile(
        {TextesFonds::TitreChoix, TextesFonds::FiltreChoix, QString(), QString()});
    if (!fichier.isEmpty())
        emit afficherFichier(fichier);
    repos(Sel);
    if (!fichier.isEmpty())
        editeur.imageChoisie();
}

void PanneauJour::Valider_Click() {
    if (!Valider->value() || editeur.applicationEnCours())
        return;
    lookActif(Valider);
    if (editeur.confirmer(m_cheminApercu) != EditeurFonds::Issue::Application) {
        repos(Valider);
        return;
    }
    // The panel waits, in its active look, until today's picture is on the desktop.
    setEnabled(false);
    setCursor(Qt::BusyCursor);
}

void PanneauJour::finConfirmation() {
    unsetCursor();
    setEnabled(true);
    repos(Valider);
}

void PanneauJour::DeValider_Click() {
    if (!DeValider->value())
        return;
    lookActif(DeValider);
    if (!editeur.enlever()) {
        repos(DeValider);
        return;
    }
    emit afficherFichier(QString());
    // The animation goes on until the pointer leaves the button.
    DeValider->setValue(false);
    donnerImage(DeValider, 1);
    TDevalider->setTextColor(Qt::white);
}

// A label button passes its click on to its action button, then releases itself.
void PanneauJour::relayer(PictureButton* legende, PictureButton* action,
                          void (PanneauJour::*clic)()) {
    if (!legende->value())
        return;
    action->setValue(true);
    (this->*clic)();
    legende->setValue(false);
}

void PanneauJour::TSel_Click() {
    relayer(TSel, Sel, &PanneauJour::Sel_Click);
}

void PanneauJour::TValider_Click() {
    if (Valider->isEnabled())
        relayer(TValider, Valider, &PanneauJour::Valider_Click);
}

void PanneauJour::TDevalider_Click() {
    if (DeValider->isEnabled())
        relayer(TDevalider, DeValider, &PanneauJour::DeValider_Click);
}

void PanneauJour::Paper_Click() {
    if (editeur.applicationEnCours())
        return;
    Valider->setValue(true);
    Valider_Click();
}

void PanneauJour::photoChoisie(const QString&) {
    editeur.entreeAlbumChoisie();
}

void PanneauJour::Cadre_Click() {
    ouvrirImage(m_cheminApercu, m_services.desktop, m_services.prompts);
}

void PanneauJour::apercuChange(const QString& fichier) {
    m_cheminApercu = fichier;
}
