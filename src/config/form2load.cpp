// Start-up of the dialog and the slide-show options.
#include "controls/decor.h"
#include "config/form2.h"
#include "config/form2textes.h"
#include "controls/reglesdialogue.h"
#include "controls/optionbutton.h"
#include "controls/picturebutton.h"
#include "controls/twips.h"
#include "platform/clock.h"
#include "platform/services.h"
#include "startup/module1.h"
#include "settings/reglages.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>

namespace {

// The stored index of an option, or the catalogue's default when the stored text is not one.
int indexStocke(const SettingsStore& store, const Reglages::Entree& e, int nombre) {
    return ReglesDialogue::IndexOption(Reglages::lire(store, e), nombre, e.defaut.toInt());
}

// Selects an option so that its click handling runs, also when it is selected already.
void selectionner(OptionButton* option) {
    if (option->isChecked())
        emit option->selected();
    else
        option->setChecked(true);
}

} // namespace

void Form2::Form_Load() {
    SettingsStore& store = m_module.services.settings;
    AlbumModifie = false;
    for (PictureButton* b : {Sel, DeValider, Valider})
        b->setMaskColor(Decor::FondImages2);
    BoutonActif = 999;
    for (std::size_t i = 0; i < Boutons.size(); ++i)
        Boutons[i]->setPictureUp(ImageList1[i].picture(1));
    for (PictureButton* b : {Sel, DeValider, Valider}) {
        b->setPictureUp(ImageList2.picture(1));
        b->setPictureDown(ImageList2.last());
    }
    Sel->setPictureStored(ImageList2.picture(1));
    for (std::size_t k = 1; k < Couleurs.size(); ++k)
        Couleurs[k] = QColor(255, 255, 255);
    Twips::deplacer(ListeS, 1320, 800);
    Twips::deplacer(SSSCroll, 1320, 800);

    Combo1->blockSignals(true);
    Combo1->clear();
    Combo1->addItems(Form2Textes::Vitesses);
    Combo1->blockSignals(false);
    const int vitesse = indexStocke(store, Reglages::vitesseDialogue(), 8);
    if (Combo1->currentRow() == vitesse)
        Combo1_Click();
    else
        Combo1->setCurrentRow(vitesse);

    ChargerListe();

    selectionner(Tit[std::size_t(indexStocke(store, Reglages::titre(), 2))]);
    selectionner(Position[std::size_t(indexStocke(store, Reglages::position(), 2))]);

    Jour->blockSignals(true);
    Jour->clear();
    Jour->addItems(Form2Textes::Jours);
    Jour->setCurrentIndex(-1);
    Jour->blockSignals(false);
    Jour->setCurrentIndex(m_module.services.clock.weekdayFromSunday() - 1);

    // The album opened last replaces the list, when there is a list.
    if (album.RetrouverDernierAlbum())
        MontrerAlbumRouvert();
    else
        TitreAlbum->setText(album.TitreAlbum);
}

void Form2::Jour_Click() {}

void Form2::Combo1_Click() {
    const int n = Combo1->currentRow();
    if (n < 0)
        return;
    Reglages::ecrire(m_module.services.settings, Reglages::vitesseDialogue(), QString::number(n));
}

void Form2::Tit_Click(int Index) {
    const bool titreAffiche = Tit[0]->isChecked();
    for (OptionButton* p : Position)
        p->setEnabled(titreAffiche);
    Reglages::ecrire(m_module.services.settings, Reglages::titre(), QString::number(Index));
}

void Form2::Position_Click(int Index) {
    Reglages::ecrire(m_module.services.settings, Reglages::position(), QString::number(Index));
}
