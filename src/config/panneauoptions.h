#pragma once

#include "controls/captionpanel.h"
#include "settings/avisecriture.h"
#include "settings/reglages.h"

#include <array>

class OptionButton;
class QLabel;
class QListWidget;

// The slide-show options (SSPanel1): transition speed, photo titles on or off, and where titles
// stand. Every choice is written to the settings store at once.
class PanneauOptions : public CaptionPanel {
    Q_OBJECT
public:
    PanneauOptions(SettingsStore& reglages, Prompts& messages, QWidget* parent);

    // The stored choices shown again (and stored again valid).
    void chargerVitesse();
    void chargerTitre();
    // After a batch of writes: tells the user once when the store did not keep them.
    void verifierEcriture() { m_avis.verifier(); }

private:
    void Combo1_Click();
    void Tit_Click(int Index);
    void Position_Click(int Index);

    // Writes one choice, and tells the user once when the store did not keep it.
    void ecrire(const Reglages::Entree& cle, int valeur);

    QListWidget* Combo1; // transition speed (a list, not a combo box)
    std::array<OptionButton*, 2> Tit{};
    std::array<OptionButton*, 2> Position{};
    SettingsStore& m_reglages;
    AvisEcriture m_avis;
};
