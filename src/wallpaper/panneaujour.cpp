#include "wallpaper/panneaujour.h"

#include "browser/apercu.h"
#include "controls/decor.h"
#include "controls/fonts.h"
#include "controls/picturebutton.h"
#include "controls/reglesdialogue.h"
#include "controls/twips.h"
#include "wallpaper/textesjour.h"

#include <QComboBox>
#include <QLabel>

PanneauJour::PanneauJour(Apercu& apercu, QWidget* parent) : CaptionPanel(parent), m_apercu(apercu) {
    setObjectName(QStringLiteral("SSPanel4"));
    Twips::placer(this, 8040, 2880, 3255, 1215);
    setBackColor(QColor(26, 46, 58));
    setBevel(CaptionPanel::Bevel::Raised);
    setToolTip(Form2Textes::FondsSemaine);
    auto* label6 = new QLabel(Form2Textes::Jour, this);
    label6->setObjectName(QStringLiteral("Label6"));
    label6->setFont(dialogFont());
    QPalette pal = label6->palette();
    pal.setColor(QPalette::WindowText, QColor(222, 232, 236));
    label6->setPalette(pal);
    Twips::placer(label6, 240, 180, 435, 195);
    Jour = new QComboBox(this);
    Jour->setObjectName(QStringLiteral("Jour"));
    Twips::placer(Jour, 720, 120, 1215, 315);
    Jour->setFont(dialogFont());

    const auto bouton = [this](const QString& nom, double l, double t, double w, double h) {
        auto* b = new PictureButton(this);
        b->setObjectName(nom);
        Twips::placer(b, l, t, w, h);
        return b;
    };
    Sel = bouton(QStringLiteral("Sel"), 2040, 120, 400, 450);
    Sel->setToolTip(Form2Textes::ChoisirImage);
    TSel = bouton(QStringLiteral("TSel"), 2400, 180, 705, 255);
    TSel->setCaption(Form2Textes::Choisir);
    Valider = bouton(QStringLiteral("Valider"), 1800, 600, 400, 495);
    Valider->setToolTip(Form2Textes::ConfirmerImage);
    TValider = bouton(QStringLiteral("TValider"), 2160, 675, 945, 255);
    TValider->setCaption(Form2Textes::Selection);
    DeValider = bouton(QStringLiteral("DeValider"), 1080, 600, 400, 495);
    DeValider->setToolTip(Form2Textes::SupprimerImage);
    TDevalider = bouton(QStringLiteral("TDevalider"), 50, 670, 1065, 255);
    TDevalider->setCaption(Form2Textes::Deselection);

    for (const QImage& im : Decor::imagesJour())
        ImageList2.add(im);
    for (PictureButton* b : {Sel, DeValider, Valider}) {
        b->setMaskColor(Decor::FondImages2);
        b->setPictureUp(ImageList2.picture(1));
        b->setPictureDown(ImageList2.last());
    }
    Sel->setPictureStored(ImageList2.picture(1));

    connect(Jour, &QComboBox::currentIndexChanged, this, [this] { Jour_Click(); });
    connect(&Timer2, &QTimer::timeout, this, &PanneauJour::Timer2_Timer);
    Timer2.setInterval(0);
}

void PanneauJour::Charger(int jourDepuisDimanche) {
    Jour->blockSignals(true);
    Jour->clear();
    Jour->addItems(Form2Textes::Jours);
    Jour->setCurrentIndex(-1);
    Jour->blockSignals(false);
    Jour->setCurrentIndex(jourDepuisDimanche - 1);
}

void PanneauJour::Jour_Click() {}

void PanneauJour::Timer2_Timer() {
    EtapeImage = qint16(ReglesDialogue::EtapeSuivante(EtapeImage, ImageList2.count()));
    PictureButton* bouton = ImageSurvolee == 0   ? Sel
                            : ImageSurvolee == 1 ? DeValider
                            : ImageSurvolee == 2 ? Valider
                                                 : nullptr;
    if (bouton)
        bouton->setPictureUp(ImageList2.picture(EtapeImage));
}

void PanneauJour::PhotoChoisie(const QString&) {
    Valider->setEnabled(true);
    TValider->setEnabled(true);
}
