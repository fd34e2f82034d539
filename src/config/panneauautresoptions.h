#pragma once

#include "controls/captionpanel.h"

class PictureButton;

// The options that the dialog's first window had no room for. The panel lies over the album's
// area while open (the album comes back when it closes) and stacks its groups from the top, each
// a panel of its own laid out in twips, at most LargeurGroupe wide: adding one is one line of
// Form2::CreerPanneaux.
class PanneauAutresOptions : public CaptionPanel {
    Q_OBJECT
public:
    static constexpr double LargeurGroupe = 6190;

    explicit PanneauAutresOptions(QWidget* parent);

    // Puts `groupe` under the groups before it; the panel becomes its parent.
    void ajouterGroupe(QWidget* groupe);

    // The main window's control: opens the panel, or closes it when open.
    void AutresOptions_Click();
    void FermerOptions_Click();

private:
    PictureButton* FermerOptions;
    double m_bas; // where the next group goes, in twips from the panel's top
};
