#pragma once

#include "controls/captionpanel.h"
#include "veille/desktopidleaction.h"

#include <optional>

class IdleSetup;
class InstanceLock;
class PictureButton;
class Prompts;
class QCheckBox;
class QLabel;
class QSpinBox;
class SettingsStore;
struct Services;

// The idle start, a group of the panel of further options: the check box turns the idle watcher
// on and off exactly as `--veille on` and `--veille off` do, the delay is stored in seconds
// ("Veille", "Delai") and shown in minutes, and a button starts the show now. Where the watcher
// cannot run (no idle source answers, or a screen-saver host runs) the check box is disabled and
// one line says why; another tells the desktop's own delay when it can be read. What the session
// offers is read again each time the group is shown.
class GroupeVeille : public CaptionPanel {
    Q_OBJECT
public:
    GroupeVeille(Services& services, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads again whether the watcher is on, whether it could run, and the desktop's delay.
    void actualiser();
    // The check box as the autostart entry and the reason shown leave it.
    void montrerEtat();
    void CaseVeille_Click(bool coche);
    void Minutes_Change(int minutes);
    void Essayer_Click();
    void montrerAvis();

    QCheckBox* CaseVeille;
    QSpinBox* Minutes;
    PictureButton* Essayer;
    QLabel* Raison;
    QLabel* LigneBureau;
    SettingsStore& m_reglages;
    IdleSetup& m_session;
    InstanceLock& m_instance;
    Prompts& m_messages;
    std::optional<DesktopIdleAction> m_bureau;
    bool m_sourceRepond = false;
};
