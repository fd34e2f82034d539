#include "config/panneauautresoptions.h"

#include "config/form2textes.h"
#include "controls/picturebutton.h"
#include "decor/decor.h"
#include "decor/etiquette.h"
#include "decor/twips.h"

#include <QLabel>

namespace {

constexpr double Marge = 120;
constexpr double Ecart = 120;
constexpr double HautEntete = 375;

} // namespace

PanneauAutresOptions::PanneauAutresOptions(QWidget* parent)
    : CaptionPanel(parent), m_bas(HautEntete + Ecart) {
    setObjectName(QStringLiteral("AutresOptionsPanneau"));
    // The album's bar, its list and its thumbnails.
    Twips::placer(this, 1300, 420, 6430, 6875);
    setBackColor(Decor::fondPanneau.darker(130));
    setBevel(Bevel::Raised);
    auto* entete = new CaptionPanel(this);
    entete->setObjectName(QStringLiteral("AutresOptionsEntete"));
    Twips::placer(entete, 0, 0, 6430, HautEntete);
    entete->setBackColor(Decor::fondPanneau);
    entete->setBevel(Bevel::Raised);
    Twips::placer(etiquette(entete, QStringLiteral("AutresOptionsTitre"),
                            Form2Textes::AutresOptions, Decor::textePanneau, true),
                  Marge, 75, 4000, 225);
    FermerOptions = new PictureButton(entete);
    FermerOptions->setObjectName(QStringLiteral("FermerOptions"));
    Twips::placer(FermerOptions, 6430 - 255 - 60, 52, 255, 270);
    FermerOptions->setToolTip(Form2Textes::FermerAutresOptions);
    FermerOptions->setPictureUp(Decor::fermer(false));
    FermerOptions->setPictureDown(Decor::fermer(true));
    connect(FermerOptions, &PictureButton::clicked, this,
            &PanneauAutresOptions::FermerOptions_Click);
    hide();
}

void PanneauAutresOptions::ajouterGroupe(QWidget* groupe) {
    groupe->setParent(this);
    const QRectF place = Twips::depuisPixels(groupe->geometry());
    Twips::placer(groupe, Marge, m_bas, place.width(), place.height());
    m_bas += place.height() + Ecart;
}

void PanneauAutresOptions::AutresOptions_Click() {
    if (isVisible()) {
        hide();
        return;
    }
    raise();
    show();
}

void PanneauAutresOptions::FermerOptions_Click() {
    FermerOptions->setValue(false);
    hide();
}
