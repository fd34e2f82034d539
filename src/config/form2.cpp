#include "config/form2.h"

#include "browser/apercu.h"
#include "browser/listealbum.h"
#include "browser/placevignettes.h"
#include "config/barrecommandes.h"
#include "config/form2textes.h"
#include "config/groupediaporama.h"
#include "config/groupeveille.h"
#include "config/panneauapropos.h"
#include "config/panneauautresoptions.h"
#include "config/panneauoptions.h"
#include "controls/captionpanel.h"
#include "controls/fonts.h"
#include "controls/picturebutton.h"
#include "decor/decor.h"
#include "decor/twips.h"
#include "pictures/pictures.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/prompts.h"
#include "platform/services.h"
#include "platform/settingsbatch.h"
#include "startup/lecteurregistre.h"
#include "vignettes/cachevignettes.h"
#include "wallpaper/panneaujour.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

Form2::Form2(Services& services, const QString& dossierProgramme,
             std::function<void()> finProgramme, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(services),
      m_dossierProgramme(dossierProgramme), m_finProgramme(std::move(finProgramme)),
      m_racineCache(
          CacheVignettes::racineCache(LecteurRegistre(services.registry).DossierProgrammes())),
      m_etat(std::make_unique<EtatDialogue>(services.settings, services.prompts, services.files,
                                            dossierProgramme)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Form2Textes::Legende);
    setFixedSize(777, 536);
    // Without a system frame many window managers would put it in a corner.
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    creerPanneaux();
    connecter();
    Form_Load();
}

// The controls outlive this body (the widget base deletes them): none of their last signals may
// reach the dialog or a panel that is half gone.
Form2::~Form2() {
    const QList<QObject*> receveurs = {this,   m_barre,  m_liste,   m_vignettes, m_options,
                                       m_jour, m_apercu, m_apropos, m_autres};
    const QList<QObject*> enfants = findChildren<QObject*>();
    for (QObject* enfant : enfants)
        for (QObject* receveur : receveurs)
            enfant->disconnect(receveur);
    Titre->removeEventFilter(this);
}

// Panels are stacked in this order; the about panel lies over the options when open.
void Form2::creerPanneaux() {
    SSSplash1 = new CaptionPanel(this);
    SSSplash1->setObjectName(QStringLiteral("SSSplash1"));
    Twips::placer(SSSplash1, 0, 0, 11655, 8040);
    SSSplash1->setMouseTracking(false);
    SSSplash1->setPicture(Decor::fond(SSSplash1->size()));

    Titre = new CaptionPanel(SSSplash1);
    Titre->setObjectName(QStringLiteral("Titre"));
    Twips::placer(Titre, 1440, 120, 5895, 255);
    Titre->setCaption(Form2Textes::Titre);
    Titre->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Titre->setFont(dialogFont(true));
    Titre->setCursor(Qt::SizeAllCursor);

    Menu1 = new PictureButton(SSSplash1);
    Menu1->setObjectName(QStringLiteral("Menu1"));
    Twips::placer(Menu1, 11160, 480, 255, 270);
    Menu1->setToolTip(Form2Textes::Fermer);
    Menu1->setPictureUp(Decor::fermer(false));
    Menu1->setPictureStored(Decor::fermer(false));
    Menu1->setPictureDown(Decor::fermer(true));

    Services& services = m_services;
    m_barre = new BarreCommandes(SSSplash1);
    m_apercu = new Apercu(services.pictures, SSSplash1);
    m_liste = new ListeAlbum(*m_etat, SSSplash1);
    m_vignettes = new PlaceVignettes(m_etat->album, m_etat->dossiers, m_racineCache,
                                     services.pictures, SSSplash1);
    m_options = new PanneauOptions(services.settings, services.prompts, SSSplash1);
    m_jour = new PanneauJour(services, m_dossierProgramme, SSSplash1);
    m_apropos = new PanneauAPropos(SSSplash1);

    // Further options, each group one line.
    m_autres = new PanneauAutresOptions(SSSplash1);
    m_autres->ajouterGroupe(new GroupeVeille(services));
    m_autres->ajouterGroupe(new GroupeDiaporama(services.settings, services.prompts));
    AutresOptions = new PictureButton(SSSplash1);
    AutresOptions->setObjectName(QStringLiteral("AutresOptions"));
    Twips::placer(AutresOptions, 9360, 7170, 1935, 330);
    AutresOptions->setCaption(Form2Textes::AutresOptions);
    AutresOptions->setPictureUp(Decor::bouton(AutresOptions->size(), false));
    AutresOptions->setPictureDown(Decor::bouton(AutresOptions->size(), true));
}

// What the panels tell one another; the typical road can be read here.
void Form2::connecter() {
    connect(m_barre, &BarreCommandes::commande, this, &Form2::commande);
    connect(m_liste, &ListeAlbum::enregistrementPermis, m_barre,
            &BarreCommandes::permettreEnregistrement);

    // The list previews its chosen entry; a photo it previewed is what the weekday editor can
    // confirm.
    connect(m_liste, &ListeAlbum::afficherEntree, m_apercu, &Apercu::afficherEntree);
    connect(m_liste, &ListeAlbum::viderApercu, m_apercu, &Apercu::vider);
    connect(m_apercu, &Apercu::entreeAffichee, m_liste, &ListeAlbum::entreeAffichee);
    connect(m_liste, &ListeAlbum::photoChoisie, m_jour, &PanneauJour::photoChoisie);
    connect(m_liste, &ListeAlbum::paperChoisi, m_jour, &PanneauJour::Paper_Click);
    // The weekday editor shows its pictures in the preview and opens the one shown.
    connect(m_jour, &PanneauJour::afficherFichier, m_apercu, &Apercu::AfficherFichier);
    connect(m_apercu, &Apercu::fichierChange, m_jour, &PanneauJour::apercuChange);
    connect(m_apercu, &Apercu::cadreClique, m_jour, &PanneauJour::Cadre_Click);
    // Thumbnail numbers follow list positions: a changed list throws the thumbnails away, and
    // another album stops what was being built of the one before.
    connect(m_liste, &ListeAlbum::albumChange, m_vignettes, &PlaceVignettes::viderVignettes);
    connect(m_liste, &ListeAlbum::albumRemplace, m_vignettes, &PlaceVignettes::arreterChargement);
    connect(m_liste, &ListeAlbum::vignetteMarquee, m_vignettes, &PlaceVignettes::marquerVignette);
    // The grid and the list share one place; a thumbnail stands for its entry of the list.
    connect(m_vignettes, &PlaceVignettes::listeMontree, m_liste, &ListeAlbum::montrerListe);
    connect(m_vignettes, &PlaceVignettes::vignetteChoisie, m_liste, &ListeAlbum::choisirEntree);
    connect(m_vignettes, &PlaceVignettes::menuDemande, m_liste, &ListeAlbum::menuPhoto);
    connect(m_vignettes, &PlaceVignettes::chargementCommence, m_liste, &ListeAlbum::commencerJauge);
    connect(m_vignettes, &PlaceVignettes::progression, m_liste, &ListeAlbum::avancerJauge);
    connect(m_vignettes, &PlaceVignettes::construite, m_liste, &ListeAlbum::finirJauge);

    // The album's area opens the about panel; the preview closes it.
    connect(m_liste, &ListeAlbum::pointeurDessus, m_apropos, &PanneauAPropos::OuvrirAPropos);
    connect(m_vignettes, &PlaceVignettes::pointeurDessus, m_apropos,
            &PanneauAPropos::OuvrirAPropos);
    connect(m_apercu, &Apercu::pointeurDessus, m_apropos, &PanneauAPropos::FermerAPropos);

    connect(AutresOptions, &PictureButton::clicked, m_autres, [this] {
        AutresOptions->setValue(false);
        m_autres->AutresOptions_Click();
    });
    connect(Menu1, &PictureButton::clicked, this, [this] { Menu_Click(1); });
    connect(Menu1, &PictureButton::pointerEntered, this,
            [this] { Menu1->setPictureUp(Menu1->pictureDown()); });
    connect(Menu1, &PictureButton::pointerLeft, this,
            [this] { Menu1->setPictureUp(Menu1->pictureStored()); });
    Titre->installEventFilter(this);
}

void Form2::Form_Load() {
    {
        // Restoring the options stores them again: in one batch the settings file, which holds
        // the album's list, is rewritten once instead of once per option before the window shows.
        const SettingsBatch lot(m_services.settings);
        m_etat->AlbumModifie = false;
        m_options->chargerVitesse();
        // Today's picture is previewed until the album's first photo, when there is one,
        // replaces it.
        m_jour->charger(m_services.clock.weekdayFromSunday());
        m_liste->ChargerListe();
        m_options->chargerTitre();
        m_liste->retrouverDernierAlbum();
    }
    m_options->verifierEcriture();
}

// Index of the command bar -> the command it runs. "Email" has no action; its button is hidden.
void Form2::commande(int Index) {
    switch (Index) {
    case 0:
        m_liste->ouvrirAlbum();
        break;
    case 1:
        m_liste->ajouterPhotos();
        break;
    case 2:
        m_vignettes->panorama();
        break;
    case 3:
        m_liste->enregistrerAlbum();
        break;
    case 5:
        web();
        break;
    default:
        break;
    }
}

void Form2::web() {
    if (!m_services.desktop.openWebPage(Form2Textes::AdresseWeb))
        m_services.prompts.notify(Form2Textes::navigateurAbsent(Form2Textes::AdresseWeb));
}

void Form2::Menu_Click(int) {
    close();
}

// However the dialog is closed, unsaved changes are offered to be saved first.
void Form2::closeEvent(QCloseEvent* event) {
    if (!m_liste->fermerAlbum()) {
        event->ignore();
        return;
    }
    event->accept();
    m_finProgramme();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Titre && deplacerFenetre(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// The window has no system frame: its title panel moves it. The window manager does the move
// where it can; otherwise the window follows the pointer.
bool Form2::deplacerFenetre(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return false;
        if (windowHandle() && windowHandle()->startSystemMove())
            return true;
        m_deplacement = true;
        m_prisePosition = e->globalPosition().toPoint() - frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (!m_deplacement || !(e->buttons() & Qt::LeftButton))
            return false;
        move(e->globalPosition().toPoint() - m_prisePosition);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_deplacement = false;
        return false;
    default:
        return false;
    }
}
