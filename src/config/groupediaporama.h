#pragma once

#include "controls/captionpanel.h"
#include "settings/avisecriture.h"
#include "settings/reglages.h"

#include <array>

class OptionButton;
class QCheckBox;

// The show's further options, a group of the panel of further options: what a photo's title
// says, the blurred fill around a photo, the slow pan and zoom, and how the show draws. Every
// choice is written to the settings store at once; the stored ones are shown when the group is
// made. Its controls are found by their object names ("Legende0" ... "Legende2", "FondFlou",
// "Mouvement", "Dessin0" ... "Dessin2").
class GroupeDiaporama : public CaptionPanel {
    Q_OBJECT
public:
    GroupeDiaporama(SettingsStore& reglages, Prompts& messages, QWidget* parent = nullptr);

private:
    void ecrire(const Reglages::Entree& cle, int valeur);

    SettingsStore& m_reglages;
    AvisEcriture m_avis;
    std::array<OptionButton*, 3> m_legende{};
    QCheckBox* m_fondFlou;
    QCheckBox* m_mouvement;
    std::array<OptionButton*, 3> m_dessin{};
};
