#pragma once

#include "controls/hoveranimation.h"
#include "controls/imagelist.h"

#include <QColor>
#include <QWidget>
#include <array>

class PictureButton;

// The command bar down the dialog's left side: six icons with their captions, the hover
// animation of the icon under the pointer, and the selected look of the command that runs. The
// controls are reached by their object names: Boutons0 .. Boutons5, TBoutons0 .. TBoutons5.
class BarreCommandes : public QWidget {
    Q_OBJECT
public:
    explicit BarreCommandes(QWidget* parent);

    // The command of the bar last run, whose button does not animate; 999 for none.
    qint16 boutonActif() const { return m_boutonActif; }

    void Boutons_Click(int Index);
    void TBoutons_Click(int Index);
    void Boutons_MouseMove(int Index);
    void Boutons_MouseExit(int Index);
    // "Enregistrer Album" becomes available.
    void permettreEnregistrement();

signals:
    // Runs the command `Index` while its button shows the selected look.
    void commande(int Index);

private:
    void Creer();
    void connecter();
    void normal(qint16 k);
    void Timer1_Timer(int bouton, int etape);

    std::array<PictureButton*, 6> Boutons{};  // command icons
    std::array<PictureButton*, 6> TBoutons{}; // their captions
    std::array<ImageList, 6> ImageList1;      // one per command button
    std::array<QColor, 6> Couleurs{};
    HoverAnimation m_survol;
    qint16 m_boutonActif = 999;
};
