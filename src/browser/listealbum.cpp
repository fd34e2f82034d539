// The album's procedures and commands: the album does the work, the list shows its state.
#include "browser/listealbum.h"

#include "album/etatdialogue.h"
#include "album/lecturealbum.h"
#include "browser/textesapercu.h"
#include "controls/fonts.h"
#include "controls/frame.h"
#include "controls/gaugepanel.h"
#include "decor/etiquette.h"
#include "decor/placement.h"
#include "decor/twips.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

ListeAlbum::ListeAlbum(EtatDialogue& etat, QWidget* parent) : QWidget(parent), m_etat(etat) {
    setObjectName(QStringLiteral("ListeAlbum"));
    auto* barre = new Frame(this);
    barre->setObjectName(QStringLiteral("SSFrame3"));
    Twips::placer(barre, 1300, 420, 6430, 375);
    Twips::placer(
        etiquette(barre, QStringLiteral("Label1"), TextesApercu::Album, QColor(222, 232, 236)), 120,
        75, 700, 225);
    TitreAlbum = etiquette(barre, QStringLiteral("TitreAlbum"), QString(), Qt::white, true);
    Twips::placer(TitreAlbum, 840, 75, 2460, 225);
    PB = new GaugePanel(barre);
    PB->setObjectName(QStringLiteral("PB"));
    Twips::placer(PB, 3360, 90, 2895, 195);

    ListeS = new QListWidget(this);
    ListeS->setObjectName(QStringLiteral("ListeS"));
    Twips::placer(ListeS, 1320, 800, 6400, 6465);
    QPalette pal = ListeS->palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, QColor(192, 192, 255));
    ListeS->setPalette(pal);
    ListeS->setFont(dialogFont());
    // Laid out a hundred entries at a time between events: an album of 10,000 long paths would
    // otherwise hold the dialog, and its end requests, for seconds.
    ListeS->setLayoutMode(QListView::Batched);
    ListeS->viewport()->setMouseTracking(true);
    Placement::entourer(this);

    Menus = new QMenu(this);
    Menus->setObjectName(QStringLiteral("Menus"));
    Supp = Menus->addAction(TextesApercu::Supp);
    Supp->setObjectName(QStringLiteral("Supp"));
    Paper = Menus->addAction(TextesApercu::Paper);
    Paper->setObjectName(QStringLiteral("Paper"));

    // An entry chosen by the user or the program is previewed; a click on the entry already
    // chosen previews it again. The list giving an entry the focus alone chooses nothing.
    connect(ListeS, &QListWidget::itemSelectionChanged, this, [this] { ListeS_Click(); });
    connect(ListeS, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (ListeS->row(item) == m_ligneAvantClic)
            ListeS_Click();
    });
    connect(Supp, &QAction::triggered, this, &ListeAlbum::Supp_Click);
    connect(Paper, &QAction::triggered, this, &ListeAlbum::paperChoisi);
    ListeS->viewport()->installEventFilter(this);
}

bool ListeAlbum::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ListeS->viewport())
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPointF p = e->position();
        if (e->button() == Qt::RightButton) {
            // The menu acts on the entry chosen before: the right button never changes it.
            ListeS_MouseDown(2, 0, p.x(), p.y());
            return true;
        }
        m_ligneAvantClic = entreeChoisie();
    }
    if (event->type() == QEvent::MouseMove)
        emit pointeurDessus();
    return QWidget::eventFilter(watched, event);
}

int ListeAlbum::entreeChoisie() const {
    const QListWidgetItem* courante = ListeS->currentItem();
    return courante && courante->isSelected() ? ListeS->row(courante) : -1;
}

// The picture itself is loaded by the preview.
void ListeAlbum::ListeS_Click() {
    const int choisie = entreeChoisie();
    if (choisie < 0)
        return;
    emit afficherEntree(ListeS->item(choisie)->text());
}

void ListeAlbum::entreeAffichee(const QString& entree, bool lisible) {
    // A result for an entry no longer chosen (the list was refilled meanwhile) says nothing.
    const int choisie = entreeChoisie();
    if (!lisible || choisie < 0 || ListeS->item(choisie)->text() != entree)
        return;
    ListeS->setToolTip(entree);
    emit photoChoisie(entree);
}

void ListeAlbum::ListeS_MouseDown(int Button, int, double x, double y) {
    if (Button != 2 || entreeChoisie() < 0)
        return;
    Menus->popup(ListeS->viewport()->mapToGlobal(QPointF(x, y).toPoint()));
}

void ListeAlbum::montrerTitre() {
    TitreAlbum->setText(m_etat.album.TitreAlbum);
}

void ListeAlbum::ChargerListe() {
    m_etat.album.ChargerListe();
    viderVignettes();
    remplirListeS();
    montrerPremierePhoto();
}

void ListeAlbum::ReouvrirFichier() {
    if (m_etat.album.ReouvrirFichier())
        montrerAlbumRouvert();
}

// The album opened last replaces the list, when there is a list. Its file is read off the UI
// thread: the dialog shows, and answers an end request, whatever the file.
void ListeAlbum::retrouverDernierAlbum() {
    const auto fichier = m_etat.album.dernierAlbumARouvrir();
    montrerTitre();
    if (!fichier)
        return;
    m_lecture = true;
    lireAlbumEnFond(*fichier, this, [this](const LectureAlbum& lecture) {
        m_lecture = false;
        if (m_etat.album.reprendreDernierAlbum(lecture))
            montrerAlbumRouvert();
    });
}

void ListeAlbum::ouvrirAlbum() {
    emit vignetteMarquee(-1);
    const bool ouvert = m_etat.album.ouvrirAlbum();
    // Saving the changes first may have named the album.
    montrerTitre();
    if (!ouvert)
        return;
    emit albumRemplace();
    emit viderApercu();
    montrerAlbumRouvert();
}

void ListeAlbum::ajouterPhotos() {
    const Album::ResultatPhotos resultat = m_etat.album.photos();
    emit enregistrementPermis();
    montrerTitre();
    if (resultat == Album::ResultatPhotos::Annule)
        return;
    viderVignettes();
    remplirListeS();
}

void ListeAlbum::enregistrerAlbum() {
    m_etat.album.enregistrerAlbum();
    montrerTitre();
}

bool ListeAlbum::fermerAlbum() {
    const bool fin = m_etat.album.fermer();
    montrerTitre();
    return fin;
}

void ListeAlbum::Supp_Click() {
    m_etat.album.Supp(entreeChoisie(), [this] {
        remplirListeS();
        emit enregistrementPermis();
        viderVignettes();
    });
    montrerTitre();
}

void ListeAlbum::remplirListeS() {
    ListeS->clear();
    ListeS->addItems(m_etat.album.Liste);
}

// Thumbnail numbers follow list positions: after any change of the list the thumbnails are
// thrown away, and the list takes their place (the grid shows it through montrerListe).
void ListeAlbum::viderVignettes() {
    emit albumChange();
}

void ListeAlbum::montrerAlbumRouvert() {
    viderVignettes();
    remplirListeS();
    montrerTitre();
    montrerPremierePhoto();
}

// Highlights thumbnail 0 and previews the first photo. The thumbnails are not built yet, so
// only the marker is set for them.
void ListeAlbum::montrerPremierePhoto() {
    if (ListeS->count() == 0)
        return;
    emit vignetteMarquee(0);
    choisirEntree(0);
}

void ListeAlbum::choisirEntree(int index) {
    if (entreeChoisie() == index)
        ListeS_Click();
    else
        ListeS->setCurrentRow(index);
}

void ListeAlbum::menuPhoto(const QPoint& global) {
    if (entreeChoisie() >= 0)
        Menus->popup(global);
}

void ListeAlbum::montrerListe(bool visible) {
    ListeS->setVisible(visible);
}

void ListeAlbum::commencerJauge(int total) {
    PB->setFillPercent(0);
    PB->setTag(QString::number(total));
    PB->setVisible(true);
}

void ListeAlbum::avancerJauge(int pourcent) {
    PB->setFillPercent(pourcent);
}

void ListeAlbum::finirJauge() {
    PB->setVisible(false);
}
