#pragma once

#include "album/album.h"
#include "controls/imagelist.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRectF>
#include <QTimer>
#include <QWidget>
#include <array>

class CaptionPanel;
class ChargeurApercu;
class FileChooser;
class Frame;
class GaugePanel;
class Module1;
class OptionButton;
class QAction;
class QMenu;
class PictureButton;
class QComboBox;
class QLabel;
class QListWidget;
class QScrollArea;

// The configuration dialog. It owns its controls (children in the widget tree) and the
// dialog-wide variables; constructing it builds the controls and runs Form_Load. Controls and
// handlers keep the form's names so that every part of the dialog, and a test, reaches exactly
// what a user's action reaches.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(Module1& module, QWidget* parent = nullptr);
    ~Form2() override;

    // ----- Controls (positions in twips are set in form2controles.cpp) -----
    CaptionPanel* SSSplash1; // the background; holds every other control
    CaptionPanel* Titre;     // the title; dragging it moves the window
    // The close button is the only member of its array: Menu[1]. Menu[0] stays null.
    std::array<PictureButton*, 2> Menu{};

    std::array<PictureButton*, 6> Boutons{};  // command icons
    std::array<PictureButton*, 6> TBoutons{}; // their captions

    Frame* SSFrame3;
    QLabel* Label1;
    QLabel* TitreAlbum;
    GaugePanel* PB;

    QListWidget* ListeS;
    QScrollArea* SSSCroll;
    QList<QLabel*> Im;      // thumbnails; member 0 exists from the start
    QList<QLabel*> CadreIm; // thumbnail cells; member 0 exists from the start
    QString TagIm0;         // the tag of Im(0): the highlighted thumbnail's number, "" for none
    QLabel* Nophoto;

    CaptionPanel* SSPanel1; // slide-show options
    QLabel* Label3;
    QListWidget* Combo1; // transition speed (a list, not a combo box)
    QLabel* Label5;
    CaptionPanel* SSPanel2; // groups Tit
    std::array<OptionButton*, 2> Tit{};
    std::array<OptionButton*, 2> Position{};

    CaptionPanel* SSPanel4; // weekday wallpapers
    QLabel* Label6;
    QComboBox* Jour;
    PictureButton* Sel;
    PictureButton* Valider;
    PictureButton* DeValider;
    PictureButton* TSel;
    PictureButton* TValider;
    PictureButton* TDevalider;
    PictureButton* Cadre;   // frame of the preview
    QLabel* Photo;          // the preview; its tooltip is the previewed path
    ChargeurApercu* Apercu; // loads the preview's picture

    // The photo's popup menu, offered by the right button on the list. "Paper" comes with the
    // weekday editor: it is shown and does nothing yet.
    QMenu* Menus;
    QAction* Supp;
    QAction* Paper;

    CaptionPanel* APropos; // about panel, open at start
    std::array<QLabel*, 5> L{};

    QTimer Timer1; // command-bar hover animation
    QTimer Timer2; // wallpaper buttons' hover animation
    FileChooser& CommonDialog1;
    std::array<ImageList, 6> ImageList1; // one per command button
    ImageList ImageList2;                // the wallpaper buttons
    QImage PicTemp;                      // off-screen canvas
    QImage Tempo;                        // a decoded picture on its way elsewhere

    // ----- Dialog-wide variables -----
    // The album: its list (shown by ListeS), title (shown by TitreAlbum), file and changes.
    Album album;
    bool& AlbumModifie = album.AlbumModifie;
    QString& FichierAlbum = album.FichierAlbum;
    bool ArretChargement = false;
    qint16 BoutonActif = 999;
    qint16 BoutonSurvole = 0;
    qint16 EtapeBouton = 0;
    qint16 EtapeImage = 0;
    qint16 ImageSurvolee = 0;
    std::array<QColor, 6> Couleurs{};

    // Length of the about panel's slide, in milliseconds; 0 jumps to the end at once.
    int DureeGlissement = 180;

    // ----- Start-up -----
    void Form_Load();
    // The album's list from the settings store, and the album file reopened.
    void ChargerListe();
    void ReouvrirFichier();

    // ----- Album list -----
    // The entry of ListeS the user or the program chose, -1 for none. The list can hold an entry
    // with the keyboard focus that nobody chose: it is not the current entry.
    int EntreeChoisie() const;
    void ListeS_Click();
    // Button: 1 left, 2 right.
    void ListeS_MouseDown(int Button, int Shift, double x, double y);
    void Supp_Click();

    // ----- Options -----
    void Combo1_Click();
    void Tit_Click(int Index);
    void Position_Click(int Index);

    // ----- Weekday editor (filled in by the wallpaper work) -----
    void Jour_Click();

    // ----- Command bar -----
    void Boutons_Click(int Index);
    void TBoutons_Click(int Index);
    void Boutons_MouseMove(int Index);
    void Boutons_MouseExit(int Index);
    // The commands, run by Boutons_Click between the selection looks.
    void OuvrirAlbum();
    void AjouterPhotos();
    void Panorama();
    void EnregistrerAlbum();
    void Email();
    void Web();

    // ----- Hover animations, close button, about panel -----
    void Timer1_Timer();
    void Timer2_Timer();
    void Menu_Click(int Index);
    void Menu_MouseEnter(int Index);
    void Menu_MouseExit(int Index);
    void FermerAPropos();
    void OuvrirAPropos();

    // A hover timer runs with its interval, or is stopped with interval 0.
    static void DemarrerMinuterie(QTimer& minuterie, int intervalle);
    static void ArreterMinuterie(QTimer& minuterie);
    static constexpr int IntervalleImages = 300; // Timer2, wallpaper buttons

    // Pointer moves over areas that open or close the about panel.
    void ListeS_MouseMove();
    void SSSCroll_MouseMove();
    void Cadre_MouseMove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window manager's close (Alt+F4, the taskbar) is the close button's.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreerControles();
    void CreerBarreCommandes();
    void CreerOptions();
    void CreerPanneauJour();
    void CreerAPropos();
    void ChargerImages();
    void Connecter();
    void CreerMenus();
    void GlisserAPropos(int depuis, int jusqua);
    // Album list helpers: ListeS shows the album's list again; the thumbnail pane is emptied and
    // the list takes its place; the album just reopened is shown with its first photo.
    void RemplirListeS();
    void ViderVignettes();
    void MontrerAlbumRouvert();
    void MontrerPremierePhoto();
    void PermettreEnregistrement();
    void MontrerNophoto();
    void MontrerApercu(const QString& entree, const QImage& image, const QRectF& place);
    bool DeplacerFenetre(QEvent* event);

    Module1& m_module;
    QPoint m_prisePosition; // where the title was grabbed, while the window is dragged by hand
    bool m_deplacement = false;
    int m_ligneAvantClic = -1; // current entry of ListeS when the left button went down
};
