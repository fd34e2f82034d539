// The command bar: the selection look around every command, and the dispatch to the commands.
#include "config/form2.h"
#include "config/form2textes.h"
#include "controls/picturebutton.h"
#include "platform/desktop.h"
#include "platform/services.h"
#include "startup/module1.h"

namespace {

using Commande = void (Form2::*)();

// Index of the command bar -> the command it runs.
constexpr std::array<Commande, 6> Commandes = {
    &Form2::OuvrirAlbum,      &Form2::AjouterPhotos, &Form2::Panorama,
    &Form2::EnregistrerAlbum, &Form2::Email,         &Form2::Web,
};

const QColor Blanc(255, 255, 255);
const QColor Cyan(0, 255, 255);

} // namespace

void Form2::Boutons_Click(int Index) {
    if (Index < 0 || Index >= int(Boutons.size()))
        return;
    const auto i = std::size_t(Index);
    if (Boutons[i]->value()) {
        const auto normal = [this](qint16 k) {
            if (k < 0 || k >= qint16(Boutons.size()))
                return;
            const auto j = std::size_t(k);
            Boutons[j]->setPictureUp(ImageList1[j].picture(1));
            Boutons[j]->setPictureDown(ImageList1[j].picture(1));
            TBoutons[j]->setTextColor(Blanc);
        };
        normal(BoutonActif);
        BoutonActif = qint16(Index);
        Boutons[i]->setPictureUp(ImageList1[i].last());
        Boutons[i]->setPictureDown(ImageList1[i].last());
        TBoutons[i]->setTextColor(Cyan);
        ArreterMinuterie(Timer1);
        (this->*Commandes[i])();
        // The command may have let events through; the look follows the last clicked button.
        normal(BoutonActif);
    }
    Boutons[i]->setValue(false);
}

void Form2::TBoutons_Click(int Index) {
    if (Index < 0 || Index >= int(Boutons.size()))
        return;
    Boutons[std::size_t(Index)]->setValue(true);
    Boutons_Click(Index);
    TBoutons[std::size_t(Index)]->setValue(false);
}

// The thumbnail view does not exist yet: the list stays the album's only view.
void Form2::Panorama() {}

// The "Email" command has no action; its button is hidden.
void Form2::Email() {}

void Form2::Web() {
    m_module.services.desktop.openWebPage(Form2Textes::AdresseWeb);
}
