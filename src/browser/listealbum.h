#pragma once

#include <QFuture>
#include <QStringList>
#include <QWidget>

class GaugePanel;
class QAction;
class ModeleListe;
class QLabel;
class QListView;
class QMenu;
struct EtatDialogue;

// The album's list box ListeS under its title bar (the album's title and the gauge), with the
// photo menu of the right button. It runs the album commands on the shared album and asks for
// the chosen entry to be previewed: a photo, or a folder's first photo. ListeS is a view over
// the album's entries (ModeleListe). The controls are reached by their object names: ListeS,
// TitreAlbum, PB, Menus and its actions Supp and Paper.
class ListeAlbum : public QWidget {
    Q_OBJECT
public:
    ListeAlbum(EtatDialogue& etat, QWidget* parent);

    // Start-up: the list from the settings store; the album opened last reopened. The list is
    // read off the UI thread: the window shows meanwhile, and a command waits for it.
    void ChargerListe();
    void ReouvrirFichier();
    void retrouverDernierAlbum();
    // While the list or the file of the album opened last is read, off the UI thread.
    bool lectureEnCours() const { return m_lecture || m_miroirEnAttente; }

    void ouvrirAlbum();
    void ajouterPhotos();
    void enregistrerAlbum();
    // Offers to save unsaved changes; false when the dialog must stay open.
    bool fermerAlbum();

    // The entry the user or the program chose, -1 for none. The list can hold an entry with the
    // keyboard focus that nobody chose: it is not the current entry.
    int entreeChoisie() const;
    void ListeS_Click();
    // Button: 1 left, 2 right.
    void ListeS_MouseDown(int Button, int Shift, double x, double y);
    void Supp_Click();

    // What the thumbnail grid asks of the list: entry `index` chosen and previewed (the photo
    // `photo` of it when given: a folder's entry stands for each of its photos); the photo
    // menu at a point of the screen, when an entry is chosen; the list in view or not; the
    // gauge of a build of `total` photos shown, then hidden.
    void choisirEntree(int index, const QString& photo = {});
    void menuPhoto(const QPoint& global);
    void montrerListe(bool visible);
    void commencerJauge(int total);
    void avancerJauge(int pourcent);
    void finirJauge();
    // The preview's answer to afficherEntree.
    void entreeAffichee(const QString& entree, bool lisible);

signals:
    // The list changed: thumbnail numbers no longer follow list positions.
    void albumChange();
    // The thumbnail to highlight, -1 for none.
    void vignetteMarquee(int index);
    // An entry was previewed.
    void photoChoisie(const QString& fichier);
    void enregistrementPermis();
    void pointeurDessus();
    // The preview is to show `entree`, or to be emptied.
    void afficherEntree(const QString& entree);
    void viderApercu();
    // Another album replaces the one whose thumbnails may be being built.
    void albumRemplace();
    // The photo menu's "Paper": the weekday editor confirms the previewed photo for its day.
    void paperChoisi();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `albumCharge`: another album's entries, whose folders are all looked into anew.
    void remplirListeS(bool albumCharge = false);
    // Takes the list read from the settings store, once, waiting for it if need be.
    void prendreMiroir();
    void viderVignettes();
    void montrerAlbumRouvert();
    void montrerPremierePhoto();
    void montrerTitre();
    // What entry `index` shows in the preview: itself, or a folder's first photo.
    QString photoDe(int index) const;
    void dossierLu(const QString& dossier);

    QListView* ListeS;
    ModeleListe* m_modele;
    QLabel* TitreAlbum;
    GaugePanel* PB;
    QMenu* Menus;
    QAction* Supp;
    QAction* Paper;
    EtatDialogue& m_etat;
    int m_ligneAvantClic = -1; // current entry of ListeS when the left button went down
    QString m_photoVoulue;     // the photo the grid chose, for the entry it chooses
    QString m_apercuDemande;   // the photo last asked of the preview
    bool m_lecture = false;
    QFuture<QStringList> m_miroir;
    bool m_miroirEnAttente = false;
    bool m_dernierAlbumEnAttente = false; // retrouverDernierAlbum runs once the list is taken
};
