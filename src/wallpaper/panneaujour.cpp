// The weekday panel's controls, start-up and hover looks.
#include "wallpaper/panneaujour.h"

#include "controls/fonts.h"
#include "controls/picturebutton.h"
#include "decor/decor.h"
#include "decor/etiquette.h"
#include "decor/twips.h"
#include "desktop/fondecran.h"
#include "platform/services.h"
#include "wallpaper/imagesjour.h"
#include "wallpaper/textesfonds.h"

#include <QComboBox>
#include <QLabel>

namespace {

const QColor Jaune{255, 255, 0};
constexpr int IntervalleImages = 300;

template <typename W> W* nomme(W* w, const QString& nom) {
    w->setObjectName(nom);
    return w;
}

} // namespace

PanneauJour::PanneauJour(Services& services, const QString& dossierProgramme, QWidget* parent)
    : CaptionPanel(parent), m_survol(IntervalleImages),
      editeur(services, dossierProgramme, dossierSecoursFondEcran()), m_services(services) {
    setObjectName(QStringLiteral("SSPanel4"));
    setToolTip(TextesFonds::Panneau);
    setBackColor(Decor::fondPanneau);
    setBevel(Bevel::Raised);
    Twips::placer(this, 8040, 2880, 3255, 1215);
    creerControles();
    for (const QImage& im : ImagesJour::images(Decor::fondPanneau))
        ImageList2.add(im);
    for (PictureButton* b : {Sel, DeValider, Valider}) {
        b->setMaskColor(ImagesJour::Masque);
        b->setPictureUp(ImageList2.picture(1));
        b->setPictureDown(ImageList2.last());
    }
    Sel->setPictureStored(ImageList2.picture(1));
    connecter();
}

// The controls outlive this body (the widget base deletes them): none of their last signals
// may reach the handlers of a panel that is half gone.
PanneauJour::~PanneauJour() {
    m_survol.stop();
    m_survol.disconnect(this);
    editeur.disconnect(this);
    for (QObject* enfant : findChildren<QObject*>())
        enfant->disconnect(this);
}

void PanneauJour::creerControles() {
    Label6 = etiquette(this, QStringLiteral("Label6"), TextesFonds::Jour, Decor::textePanneau);
    Twips::placer(Label6, 240, 180, 435, 195);
    Jour = nomme(new QComboBox(this), QStringLiteral("Jour"));
    Jour->setFont(dialogFont());
    Twips::placer(Jour, 720, 120, 1215, 315);

    // An action button carries its tip; the label button beside it, its caption.
    using Texte = void (PictureButton::*)(const QString&);
    const Texte bulle = &PictureButton::setToolTip;
    const Texte legende = &PictureButton::setCaption;
    const auto bouton = [this](const QString& nom, const QRectF& place, Texte quoi,
                               const QString& texte) {
        auto* b = nomme(new PictureButton(this), nom);
        Twips::placer(b, place);
        (b->*quoi)(texte);
        return b;
    };
    Sel = bouton(QStringLiteral("Sel"), {2040, 120, 400, 450}, bulle, TextesFonds::ChoisirImage);
    TSel = bouton(QStringLiteral("TSel"), {2400, 180, 705, 255}, legende, TextesFonds::Choisir);
    Valider = bouton(QStringLiteral("Valider"), {1800, 600, 400, 495}, bulle,
                     TextesFonds::ConfirmerImage);
    TValider =
        bouton(QStringLiteral("TValider"), {2160, 675, 945, 255}, legende, TextesFonds::Selection);
    DeValider = bouton(QStringLiteral("DeValider"), {1080, 600, 400, 495}, bulle,
                       TextesFonds::SupprimerImage);
    TDevalider = bouton(QStringLiteral("TDevalider"), {50, 670, 1065, 255}, legende,
                        TextesFonds::Deselection);
}

void PanneauJour::connecter() {
    connect(Jour, &QComboBox::currentIndexChanged, this, &PanneauJour::Jour_Click);
    connect(Sel, &PictureButton::clicked, this, &PanneauJour::Sel_Click);
    connect(Valider, &PictureButton::clicked, this, &PanneauJour::Valider_Click);
    connect(DeValider, &PictureButton::clicked, this, &PanneauJour::DeValider_Click);
    connect(TSel, &PictureButton::clicked, this, &PanneauJour::TSel_Click);
    connect(TValider, &PictureButton::clicked, this, &PanneauJour::TValider_Click);
    connect(TDevalider, &PictureButton::clicked, this, &PanneauJour::TDevalider_Click);
    for (int i = 0; i < 3; ++i)
        for (PictureButton* b : {action(i), etiquetteDe(action(i))}) {
            connect(b, &PictureButton::pointerEntered, this, [this, i] { survol(i); });
            connect(b, &PictureButton::pointerMoved, this, [this, i] { survol(i); });
            connect(b, &PictureButton::pointerLeft, this, [this, i] { finSurvol(i); });
        }
    connect(&m_survol, &HoverAnimation::frameChanged, this, &PanneauJour::Timer2_Timer);
    connect(&editeur, &EditeurFonds::activationChangee, this, &PanneauJour::appliquerActivation);
    connect(&editeur, &EditeurFonds::applicationTerminee, this, &PanneauJour::finConfirmation);
}

void PanneauJour::charger(int jourDepuisDimanche) {
    Jour->blockSignals(true);
    Jour->clear();
    Jour->addItems(TextesFonds::Jours);
    Jour->setCurrentIndex(-1);
    Jour->blockSignals(false);
    Jour->setCurrentIndex(jourDepuisDimanche - 1);
}

void PanneauJour::Jour_Click() {
    if (Jour->currentIndex() < 0)
        return;
    emit afficherFichier(editeur.choisirJour(Jour->currentIndex()));
}

void PanneauJour::appliquerActivation() {
    const EditeurFonds::Activation& a = editeur.activation();
    DeValider->setEnabled(a.deValider);
    Valider->setEnabled(a.valider);
    TDevalider->setEnabled(a.deValider);
    TValider->setEnabled(a.valider);
}

PictureButton* PanneauJour::action(int image) const {
    return image == 0 ? Sel : image == 1 ? DeValider : image == 2 ? Valider : nullptr;
}

PictureButton* PanneauJour::etiquetteDe(PictureButton* action) const {
    return action == Sel ? TSel : action == DeValider ? TDevalider : TValider;
}

void PanneauJour::survol(int image) {
    m_survol.hover(image, ImageList2.count());
    etiquetteDe(action(image))->setTextColor(Jaune);
}

void PanneauJour::finSurvol(int image) {
    arreterAnimation();
    action(image)->setPictureUp(ImageList2.picture(1));
    etiquetteDe(action(image))->setTextColor(Qt::white);
}

void PanneauJour::arreterAnimation() {
    m_survol.stop();
}

void PanneauJour::Timer2_Timer(int image, int etape) {
    if (PictureButton* bouton = action(image))
        bouton->setPictureUp(ImageList2.picture(etape));
}
