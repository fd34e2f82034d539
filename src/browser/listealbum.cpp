// The album's procedures and commands: the album does the work, the list shows its state.
#include "browser/listealbum.h"

#include "album/etatdialogue.h"
#include "album/lecturealbum.h"
#include "browser/delegueliste.h"
#include "browser/modeleliste.h"
#include "browser/textesapercu.h"
#include "controls/fonts.h"
#include "controls/frame.h"
#include "controls/gaugepanel.h"
#include "decor/etiquette.h"
#include "decor/placement.h"
#include "decor/twips.h"
#include "platform/whenready.h"

#include <QAction>
#include <QLabel>
#include <QListView>
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

    ListeS = new QListView(this);
    ListeS->setObjectName(QStringLiteral("ListeS"));
    m_modele = new ModeleListe(m_etat.dossiers, ListeS);
    ListeS->setModel(m_modele);
    ListeS->setItemDelegate(new DelegueListe(ListeS));
    ListeS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Twips::placer(ListeS, 1320, 800, 6400, 6465);
    QPalette pal = ListeS->palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, QColor(192, 192, 255));
    ListeS->setPalette(pal);
    ListeS->setFont(dialogFont());
    // One line of one font each: rows need not be measured one by one, and an album of 32,767
    // entries is laid out at once.
    ListeS->setUniformItemSizes(true);
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
    connect(ListeS->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { ListeS_Click(); });
    connect(ListeS, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.row() == m_ligneAvantClic)
            ListeS_Click();
    });
    connect(&m_etat.dossiers, &ContenuDossiers::dossierLu, this, &ListeAlbum::dossierLu);
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
    const QModelIndex courante = ListeS->currentIndex();
    return courante.isValid() && ListeS->selectionModel()->isSelected(courante) ? courante.row()
                                                                                : -1;
}

QString ListeAlbum::photoDe(int index) const {
    const QString& entree = m_modele->entrees()[index];
    if (!estDossier(entree))
        return entree;
    // A folder not looked into yet, or empty, shows the placeholder.
    const Balayage* b = m_etat.dossiers.contenu(entree);
    return b && !b->photos.isEmpty() ? b->photos.first() : entree;
}

// The picture itself is loaded by the preview.
void ListeAlbum::ListeS_Click() {
    const int choisie = entreeChoisie();
    const QString voulue = std::exchange(m_photoVoulue, QString());
    if (choisie < 0)
        return;
    m_apercuDemande = voulue.isEmpty() ? photoDe(choisie) : voulue;
    emit afficherEntree(m_apercuDemande);
}

// A folder chosen before its photos were known is previewed once they are.
void ListeAlbum::dossierLu(const QString& dossier) {
    const int choisie = entreeChoisie();
    if (choisie >= 0 && m_modele->entrees()[choisie] == dossier && m_apercuDemande == dossier)
        ListeS_Click();
}

void ListeAlbum::entreeAffichee(const QString& entree, bool lisible) {
    // A result for an entry no longer chosen (the list was refilled meanwhile) says nothing.
    const int choisie = entreeChoisie();
    if (!lisible || choisie < 0 || m_apercuDemande != entree)
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
    m_miroir = lireMiroirEnFond(m_etat.album.reglages());
    m_miroirEnAttente = true;
    if (m_miroir.isFinished())
        prendreMiroir();
    else
        whenReady(m_miroir, this, [this](const QStringList&) { prendreMiroir(); });
}

void ListeAlbum::prendreMiroir() {
    if (!std::exchange(m_miroirEnAttente, false))
        return;
    m_etat.album.ChargerListe(m_miroir.result());
    m_miroir = {};
    viderVignettes();
    remplirListeS(true);
    montrerPremierePhoto();
    if (std::exchange(m_dernierAlbumEnAttente, false))
        retrouverDernierAlbum();
}

void ListeAlbum::ReouvrirFichier() {
    prendreMiroir();
    if (m_etat.album.ReouvrirFichier())
        montrerAlbumRouvert();
}

// The album opened last replaces the list, when there is a list. Its file is read off the UI
// thread: the dialog shows, and answers an end request, whatever the file.
void ListeAlbum::retrouverDernierAlbum() {
    if (m_miroirEnAttente) {
        m_dernierAlbumEnAttente = true;
        return;
    }
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
    prendreMiroir();
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
    prendreMiroir();
    const Album::ResultatPhotos resultat = m_etat.album.photos();
    emit enregistrementPermis();
    montrerTitre();
    if (resultat == Album::ResultatPhotos::Annule)
        return;
    viderVignettes();
    remplirListeS(resultat == Album::ResultatPhotos::NouvelAlbum);
}

void ListeAlbum::enregistrerAlbum() {
    prendreMiroir();
    m_etat.album.enregistrerAlbum();
    montrerTitre();
}

bool ListeAlbum::fermerAlbum() {
    prendreMiroir();
    const bool fin = m_etat.album.fermer();
    montrerTitre();
    return fin;
}

void ListeAlbum::Supp_Click() {
    prendreMiroir();
    m_etat.album.Supp(entreeChoisie(), [this] {
        remplirListeS();
        emit enregistrementPermis();
        viderVignettes();
    });
    montrerTitre();
}

void ListeAlbum::remplirListeS(bool albumCharge) {
    m_modele->remplir(m_etat.album.Liste);
    m_etat.dossiers.suivre(m_etat.album.Liste, albumCharge);
}

// Thumbnail numbers follow list positions: after any change of the list the thumbnails are
// thrown away, and the list takes their place (the grid shows it through montrerListe).
void ListeAlbum::viderVignettes() {
    emit albumChange();
}

void ListeAlbum::montrerAlbumRouvert() {
    viderVignettes();
    remplirListeS(true);
    montrerTitre();
    montrerPremierePhoto();
}

// Highlights thumbnail 0 and previews the first photo. The thumbnails are not built yet, so
// only the marker is set for them.
void ListeAlbum::montrerPremierePhoto() {
    if (m_modele->rowCount() == 0)
        return;
    emit vignetteMarquee(0);
    choisirEntree(0);
}

void ListeAlbum::choisirEntree(int index, const QString& photo) {
    if (index < 0 || index >= m_modele->rowCount())
        return;
    m_photoVoulue = photo;
    if (entreeChoisie() == index)
        ListeS_Click();
    else
        ListeS->setCurrentIndex(m_modele->index(index));
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
