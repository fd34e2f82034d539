// The command bar: the selection look around every command, and the hover animation.
#include "config/barrecommandes.h"

#include "config/form2textes.h"
#include "controls/picturebutton.h"
#include "decor/decor.h"
#include "decor/placement.h"
#include "decor/teintes.h"
#include "decor/twips.h"

namespace {
constexpr int IntervalleBoutons = 200;
const QColor Blanc{255, 255, 255};
using Teintes::Cyan;
} // namespace

BarreCommandes::BarreCommandes(QWidget* parent) : QWidget(parent), m_survol(IntervalleBoutons) {
    setObjectName(QStringLiteral("BarreCommandes"));
    Creer();
    Placement::entourer(this);
    connecter();
    for (int i = 0; i < 6; ++i)
        for (const QImage& im : Decor::imagesCommande(i))
            ImageList1[std::size_t(i)].add(im);
    for (std::size_t i = 0; i < Boutons.size(); ++i)
        Boutons[i]->setPictureUp(ImageList1[i].picture(1));
    for (std::size_t k = 1; k < Couleurs.size(); ++k)
        Couleurs[k] = Blanc;
}

void BarreCommandes::Creer() {
    struct Place {
        double iconeGauche, iconeHaut, iconeHauteur, legendeHaut, legendeLargeur, legendeHauteur;
    };
    static constexpr std::array<Place, 6> places = {{
        {240, 600, 795, 1370, 975, 255},
        {240, 2880, 795, 3650, 975, 255},
        {240, 3960, 795, 4730, 975, 255},
        {280, 1650, 750, 2415, 1000, 420},
        {240, 5200, 795, 6000, 975, 255},
        {240, 6300, 795, 7080, 975, 255},
    }};
    for (int i = 0; i < 6; ++i) {
        const Place& p = places[std::size_t(i)];
        Boutons[i] = new PictureButton(this);
        Boutons[i]->setObjectName(QStringLiteral("Boutons%1").arg(i));
        Twips::placer(Boutons[i], p.iconeGauche, p.iconeHaut, 975, p.iconeHauteur);
        TBoutons[i] = new PictureButton(this);
        TBoutons[i]->setObjectName(QStringLiteral("TBoutons%1").arg(i));
        Twips::placer(TBoutons[i], 240, p.legendeHaut, p.legendeLargeur, p.legendeHauteur);
        TBoutons[i]->setCaption(Form2Textes::Commandes[i]);
        TBoutons[i]->setTextColor(Blanc);
        Boutons[i]->setCursor(Qt::PointingHandCursor);
        TBoutons[i]->setCursor(Qt::PointingHandCursor);
    }
    // "Email" has no command.
    Boutons[4]->setVisible(false);
    TBoutons[4]->setVisible(false);
}

void BarreCommandes::connecter() {
    for (int i = 0; i < 6; ++i) {
        const auto survol = [this, i] { Boutons_MouseMove(i); };
        const auto sortie = [this, i] { Boutons_MouseExit(i); };
        connect(Boutons[i], &PictureButton::clicked, this, [this, i] { Boutons_Click(i); });
        connect(TBoutons[i], &PictureButton::clicked, this, [this, i] { TBoutons_Click(i); });
        for (PictureButton* b : {Boutons[i], TBoutons[i]}) {
            connect(b, &PictureButton::pointerEntered, this, survol);
            connect(b, &PictureButton::pointerMoved, this, survol);
            connect(b, &PictureButton::pointerLeft, this, sortie);
        }
    }
    connect(&m_survol, &HoverAnimation::frameChanged, this, &BarreCommandes::Timer1_Timer);
}

void BarreCommandes::normal(qint16 k) {
    if (k < 0 || k >= qint16(Boutons.size()))
        return;
    const auto j = std::size_t(k);
    Boutons[j]->setPictureUp(ImageList1[j].picture(1));
    Boutons[j]->setPictureDown(ImageList1[j].picture(1));
    TBoutons[j]->setTextColor(Blanc);
}

void BarreCommandes::Boutons_Click(int Index) {
    if (Index < 0 || Index >= int(Boutons.size()))
        return;
    const auto i = std::size_t(Index);
    if (Boutons[i]->value()) {
        normal(m_boutonActif);
        m_boutonActif = qint16(Index);
        Boutons[i]->setPictureUp(ImageList1[i].last());
        Boutons[i]->setPictureDown(ImageList1[i].last());
        TBoutons[i]->setTextColor(Cyan);
        m_survol.stop();
        emit commande(Index);
        // The command may have let events through; the look follows the last clicked button.
        normal(m_boutonActif);
    }
    Boutons[i]->setValue(false);
}

void BarreCommandes::TBoutons_Click(int Index) {
    if (Index < 0 || Index >= int(Boutons.size()))
        return;
    Boutons[std::size_t(Index)]->setValue(true);
    Boutons_Click(Index);
    TBoutons[std::size_t(Index)]->setValue(false);
}

void BarreCommandes::Boutons_MouseMove(int Index) {
    if (m_boutonActif == Index || Index < 0 || Index >= int(Boutons.size()))
        return;
    m_survol.hover(Index, ImageList1[std::size_t(Index)].count());
}

void BarreCommandes::Boutons_MouseExit(int Index) {
    m_survol.stop();
    if (m_boutonActif == Index || Index < 0 || Index >= int(Boutons.size()))
        return;
    const auto i = std::size_t(Index);
    Boutons[i]->setPictureUp(ImageList1[i].picture(1));
    Boutons[i]->setPictureDown(ImageList1[i].picture(1));
    TBoutons[std::size_t(m_survol.target())]->setTextColor(Blanc);
}

void BarreCommandes::Timer1_Timer(int bouton, int etape) {
    const auto i = std::size_t(bouton);
    Boutons[i]->setPictureUp(ImageList1[i].picture(etape));
    Boutons[i]->setPictureDown(ImageList1[i].picture(etape));
    if (etape < int(Couleurs.size()))
        TBoutons[i]->setTextColor(Couleurs[std::size_t(etape)]);
}

void BarreCommandes::permettreEnregistrement() {
    Boutons[3]->setEnabled(true);
    TBoutons[3]->setEnabled(true);
}
