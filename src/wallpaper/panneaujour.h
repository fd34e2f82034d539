#pragma once

#include "controls/captionpanel.h"
#include "controls/imagelist.h"

#include <QTimer>

class Apercu;
class PictureButton;
class QComboBox;

// The place of the weekday wallpaper editor (SSPanel4): the weekday list and the wallpaper
// buttons with their hover animation. The editor shows its pictures in the shared preview.
class PanneauJour : public CaptionPanel {
    Q_OBJECT
public:
    PanneauJour(Apercu& apercu, QWidget* parent);

    QComboBox* Jour;
    PictureButton* Sel;
    PictureButton* Valider;
    PictureButton* DeValider;
    PictureButton* TSel;
    PictureButton* TValider;
    PictureButton* TDevalider;
    ImageList ImageList2; // the wallpaper buttons' looks
    QTimer Timer2;        // their hover animation
    qint16 EtapeImage = 0;
    qint16 ImageSurvolee = 0;
    static constexpr int IntervalleImages = 300;

    // Start-up: `jourDepuisDimanche` (Sunday = 1) is chosen.
    void Charger(int jourDepuisDimanche);
    void Jour_Click();
    void Timer2_Timer();
    // A photo of the album was previewed: it can become the chosen day's wallpaper.
    void PhotoChoisie(const QString& fichier);

private:
    Apercu& m_apercu;
};
