#pragma once

#include "controls/imagelist.h"

#include <QColor>
#include <QTimer>
#include <QWidget>
#include <array>

struct EtatDialogue;
class PictureButton;

// The command bar down the dialog's left side: six icons with their captions, the hover
// animation of the icon under the pointer, and the selected look of the command that runs.
class BarreCommandes : public QWidget {
    Q_OBJECT
public:
    BarreCommandes(EtatDialogue& etat, QWidget* parent);

    std::array<PictureButton*, 6> Boutons{};  // command icons
    std::array<PictureButton*, 6> TBoutons{}; // their captions
    std::array<ImageList, 6> ImageList1;      // one per command button
    QTimer Timer1;                            // hover animation
    qint16 BoutonSurvole = 0;
    qint16 EtapeBouton = 0;
    std::array<QColor, 6> Couleurs{};

    void Boutons_Click(int Index);
    void TBoutons_Click(int Index);
    void Boutons_MouseMove(int Index);
    void Boutons_MouseExit(int Index);
    void Timer1_Timer();
    // "Enregistrer Album" becomes available.
    void PermettreEnregistrement();

signals:
    // Runs the command `Index` while its button shows the selected look.
    void commande(int Index);

private:
    void Creer();
    void Connecter();
    void Normal(qint16 k);

    EtatDialogue& m_etat;
};
