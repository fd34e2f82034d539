#pragma once

#include "controls/captionpanel.h"
#include "controls/hoveranimation.h"
#include "controls/imagelist.h"
#include "wallpaper/editeurfonds.h"

class PictureButton;
class QComboBox;
class QLabel;
struct Services;

// The weekday wallpaper panel: the day list Jour, the action buttons Sel, Valider, DeValider and
// their label buttons TSel, TValider, TDevalider, with their active and hover looks.
//
// It does not own the preview: it asks for a picture to be previewed with afficherFichier() and
// is told the previewed path through apercuChange(). Its rules live in the EditeurFonds it holds.
// The controls are reached by their object names (Jour, Sel, TSel, ...).
class PanneauJour : public CaptionPanel {
    Q_OBJECT
public:
    PanneauJour(Services& services, const QString& dossierProgramme, QWidget* parent = nullptr);
    ~PanneauJour() override;

    // Start-up: fills Jour and chooses `jourDepuisDimanche` (Sunday = 1), which previews its
    // stored picture.
    void charger(int jourDepuisDimanche);

    void Jour_Click();
    void Sel_Click();
    void Valider_Click();
    void DeValider_Click();
    void TSel_Click();
    void TValider_Click();
    void TDevalider_Click();
    // The photo menu's "Paper": confirms the preview for the selected day, even while Valider
    // is disabled.
    void Paper_Click();
    // A photo of the album was previewed: it can become the chosen day's wallpaper.
    void photoChoisie(const QString& fichier);
    // A click on the preview frame: the previewed picture opens in the desktop's program for it.
    void Cadre_Click();
    // The previewed path, empty when nothing is previewed.
    void apercuChange(const QString& fichier);

    // Hover of an action button or its label: 0 Sel, 1 DeValider, 2 Valider.
    void survol(int image);
    void finSurvol(int image);

signals:
    // Show `Fichier` in the preview; the empty text empties it.
    void afficherFichier(const QString& Fichier);

private:
    void creerControles();
    void connecter();
    PictureButton* action(int image) const;
    PictureButton* etiquetteDe(PictureButton* action) const;
    void arreterAnimation();
    void donnerImage(PictureButton* bouton, int k);
    void lookActif(PictureButton* bouton);
    // The clicked action button back at rest: released, image 1, its label white, no animation.
    void repos(PictureButton* bouton);
    void relayer(PictureButton* legende, PictureButton* action, void (PanneauJour::*clic)());
    void appliquerActivation();
    void finConfirmation();
    void Timer2_Timer(int image, int etape);

    QLabel* Label6;
    QComboBox* Jour;
    PictureButton* Sel;
    PictureButton* Valider;
    PictureButton* DeValider;
    PictureButton* TSel;
    PictureButton* TValider;
    PictureButton* TDevalider;
    ImageList ImageList2;
    HoverAnimation m_survol; // of image 0 Sel, 1 DeValider, 2 Valider
    EditeurFonds editeur;
    Services& m_services;
    QString m_cheminApercu;
};
