#pragma once

#include "album/etatdialogue.h"

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

class Apercu;
class BarreCommandes;
class CaptionPanel;
class ListeAlbum;
class PanneauAPropos;
class PanneauAutresOptions;
class PanneauJour;
class PanneauOptions;
class PictureButton;
class PlaceVignettes;
struct Services;

// The configuration dialog: a frameless window that lays out its panels over its background,
// holds the dialog-wide state they share, and wires what one panel tells another (connecter).
// Constructing it builds the panels and runs Form_Load. A test reaches a control by its object
// name, or through the panel that owns it. `dossierProgramme` is the executable's folder;
// `finProgramme` ends the program.
class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2(Services& services, const QString& dossierProgramme, std::function<void()> finProgramme,
          QWidget* parent = nullptr);
    ~Form2() override;

    EtatDialogue& etat() { return *m_etat; }

    void Form_Load();
    // The close button: ends the program once unsaved changes were offered to be saved. A save
    // that failed keeps the dialog open, so that the album can be saved elsewhere.
    void Menu_Click(int Index);
    void web();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window manager's close (Alt+F4, the taskbar) is the close button's.
    void closeEvent(QCloseEvent* event) override;

private:
    void creerPanneaux();
    void connecter();
    void commande(int Index);
    bool deplacerFenetre(QEvent* event);

    Services& m_services;
    QString m_dossierProgramme;
    std::function<void()> m_finProgramme;
    // Where the thumbnails are cached, found once.
    QString m_racineCache;
    std::unique_ptr<EtatDialogue> m_etat;
    CaptionPanel* SSSplash1; // the background; holds every panel
    CaptionPanel* Titre;     // the title; dragging it moves the window
    PictureButton* Menu1;    // the close button
    BarreCommandes* m_barre;
    ListeAlbum* m_liste;
    PlaceVignettes* m_vignettes;
    PanneauOptions* m_options;
    PanneauJour* m_jour;
    Apercu* m_apercu;
    PanneauAPropos* m_apropos;
    PanneauAutresOptions* m_autres;
    PictureButton* AutresOptions; // opens the panel of further options
    QPoint m_prisePosition; // where the title was grabbed, while the window is dragged by hand
    bool m_deplacement = false;
};
