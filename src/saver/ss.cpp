#include "saver/ss.h"

#include "album/balayage.h"
#include "album/miroir.h"
#include "controls/photopanel.h"
#include "controls/transitionpanel.h"
#include "desktop/desktopwallpaper.h"
#include "desktop/fondecran.h"
#include "pictures/exifdate.h"
#include "pictures/pictures.h"
#include "platform/clock.h"
#include "platform/glrenderer.h"
#include "platform/imagepools.h"
#include "platform/randomsource.h"
#include "platform/services.h"
#include "saver/fichiertirages.h"
#include "saver/legende.h"
#include "saver/mouvement.h"
#include "settings/reglages.h"
#include "settings/vitesses.h"
#include "startup/module1.h"

#include <QKeyEvent>
#include <QScreen>
#include <QtConcurrent/QtConcurrentRun>

SS::SS(Services& services, Module1& module, QWidget* parent)
    : QWidget(parent), SSTransition1(new TransitionPanel(this)),
      Photo(new PhotoPanel(SSTransition1)), m_services(services), m_module(module),
      m_dernierePhoto(&module.DernierePhoto()) {
    SSTransition1->setObjectName(QStringLiteral("SSTransition1"));
    Photo->setObjectName(QStringLiteral("Photo"));
    setWindowTitle(QStringLiteral("Lumivane"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
    connect(&Timer1, &QTimer::timeout, this, &SS::Timer1_Timer);
    connect(Photo, &PhotoPanel::pointerMoved, this, &SS::Photo_MouseMove);
    connect(SSTransition1, &TransitionPanel::transitionEvent, this, &SS::PhotoSuivante);
    // The photo panel draws the fade itself, from the photo before it to the next, which it holds
    // anyway: no photograph of the screen beside them (some 30 MB of a 4K show's 140), and
    // pictures that move keep moving, with the painter as with OpenGL.
    SSTransition1->setChildrenFade(true);
    // The next photo is decoded once the fade is over: while it runs, the panel holds the photo
    // before it and the new one, and a decode beside them would raise the show's memory peak.
    connect(SSTransition1, &TransitionPanel::finished, this, [this] {
        if (Photo->crossFading())
            Photo->endCrossFade();
        if (!m_suivante)
            preparerSuivante();
    });
    m_fondEcran = new QFutureWatcher<FondEcran>(this);
    connect(m_fondEcran, &QFutureWatcher<FondEcran>::finished, this, [this] {
        const FondEcran r = m_fondEcran->result();
        if (!r.bitmap.isEmpty())
            Tag = r.bitmap;
        // Not recorded, it is tried again, but not at every tick: loading and handing it
        // over take time.
        if (!enregistrerFondEcran(m_services.settings, m_fondEcranChemin, r))
            m_prochainEssaiFondEcran.setRemainingTime(DelaiNouvelEssaiFondEcranMs);
        m_fondEcranChemin.clear();
    });
    m_deploiement = new QFutureWatcher<QStringList>(this);
    connect(m_deploiement, &QFutureWatcher<QStringList>::finished, this, &SS::listeDepliee);
    Form_Load();
}

SS::~SS() {
    // A folder still being looked into is given up; the scan uses no service of the form.
    if (m_arretDeploiement)
        *m_arretDeploiement = true;
    // The decoder thread reads the picture service; let it finish before the form goes.
    if (m_suivante)
        m_suivante->image.waitForFinished();
    // The form goes when the program ends, and nothing may keep the process alive then: a
    // desktop tool that hangs is given up rather than waited for.
    m_services.wallpaper.cancel();
    m_fondEcran->waitForFinished();
    Form_Unload();
}

void SS::start(int ms) {
    Timer1.start(ms);
}

void SS::stop() {
    Timer1.stop();
}

void SS::autreEcran() {
    m_dernierePhoto = &m_dernierePhotoPropre;
    FondDuJour = false;
}

void SS::Form_Load() {
    m_services.random.seedFromClock();
    Quitter = false;
    const bool enHaut =
        Reglages::vautZero(Reglages::lire(m_services.settings, Reglages::position()));
    Photo->setCaptionAlignment(enHaut ? PhotoPanel::CaptionAlignment::TopCentre
                                      : PhotoPanel::CaptionAlignment::BottomCentre);
    // Topmost: set by the window flags of the constructor.
}

void SS::Form_Resize() {
    if (isMinimized())
        return;
    SSTransition1->setGeometry(rect());
    Photo->setGeometry(SSTransition1->rect());
}

void SS::Form_KeyDown() {
    terminer();
}

void SS::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_module.AfficherCurseur();
}

void SS::Photo_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y) {
    if (m_module.ligneCommande().trimmed().toUpper().startsWith(QStringLiteral("/P")))
        return;
    // Inside a screen-saver host's window the host watches the pointer itself.
    if (m_module.hoteX11())
        return;
    if (SourisArmee) {
        if (x != SourisX || y != SourisY)
            Quitter = true;
    } else {
        SourisX = x;
        SourisY = y;
    }
    if (Quitter)
        terminer();
}

void SS::Timer1_Timer() {
    if (deploiementEnCours())
        return;
    if (Liste.isEmpty()) {
        Timer1.stop();
        m_module.AfficherCurseur();
        return;
    }
    if (FondDuJour)
        verifierFondEcran();
    const int d = Vitesses::dureeTransition(
        Reglages::lire(m_services.settings, Reglages::vitesseAffichage()));
    // A tick that comes while a fade runs, or before the next photo is decoded, starts nothing:
    // the photo changes at the next tick instead of jumping or stalling the screen.
    if (!suivantePrete())
        return;
    SSTransition1->start(0, d);
}

bool SS::suivantePrete() const {
    return m_suivante && m_suivante->image.isFinished();
}

void SS::PhotoSuivante() {
    if (Liste.isEmpty()) {
        Timer1.stop();
        return;
    }
    if (!m_suivante)
        preparerSuivante();
    Suivante suivante = std::move(*m_suivante);
    m_suivante.reset();
    const PhotoPrete photo = suivante.image.result();
    photoMontree(suivante.k);
    Photo->beginCrossFade([t = SSTransition1] { return t->progress(); });
    poserPhoto(suivante.chemin, photo);
    SourisArmee = true;
}

void SS::preparerSuivante() {
    if (Liste.isEmpty())
        return;
    // The choice is made ahead, but the round only moves on when the photo is shown: a show
    // that ends first leaves that photo to the next one.
    const qint16 k = tirage().prochaine();
    const QString chemin = Liste.value(k - 1);
    const Pictures* pictures = &m_services.pictures;
    const PreparationPhoto p = preparation();
    m_suivante =
        Suivante{k, chemin, QtConcurrent::run(&ImagePools::shortJobs(), [pictures, chemin, p] {
                     return preparerPhoto(*pictures, chemin, p);
                 })};
}

void SS::verifierFondEcran() {
    if (fondEcranEnCours() || !m_prochainEssaiFondEcran.hasExpired())
        return;
    SettingsStore& store = m_services.settings;
    const QString t = Reglages::lire(store, Reglages::wallTemp());
    const int d = m_services.clock.weekdayFromSunday();
    const QString w = Reglages::lire(store, Reglages::wall(d - 1));
    if (w != t && !w.trimmed().isEmpty())
        AppliquerFondEcran(w);
}

void SS::AppliquerFondEcran(const QString& chemin) {
    const Pictures* pictures = &m_services.pictures;
    DesktopWallpaper* bureau = &m_services.wallpaper;
    const QString programme = m_module.dossierProgramme();
    const QString secours = dossierSecoursFondEcran();
    const QSize ecran = plusGrandEcran();
    m_fondEcranChemin = chemin;
    m_fondEcran->setFuture(QtConcurrent::run(&ImagePools::shortJobs(), [=] {
        QImage tempo;
        return ecrireFondEcran(chemin, tempo, *pictures, *bureau, ecran, programme, secours);
    }));
}

bool SS::fondEcranEnCours() const {
    // Until the result is handled, "WallTemp" still names the previous picture.
    return !m_fondEcranChemin.isEmpty();
}

void SS::ChargerPhotos() {
    const QStringList entrees = ::ChargerPhotos(m_services.settings);
    if (std::none_of(entrees.cbegin(), entrees.cend(), estDossier)) {
        poserListe(entrees);
        return;
    }
    poserListe({});
    m_enDeploiement = true;
    m_arretDeploiement = std::make_shared<std::atomic<bool>>(false);
    m_deploiement->setFuture(
        QtConcurrent::run(&ImagePools::shortJobs(), [entrees, arret = m_arretDeploiement] {
            return deplierAlbum(entrees, arret.get()).photos;
        }));
}

void SS::poserListe(const QStringList& liste) {
    Liste = liste;
    m_tirage.reset();
}

void SS::partagerListe(const SS& premiere) {
    if (premiere.deploiementEnCours()) {
        m_enDeploiement = true;
        m_deploiement->setFuture(premiere.m_deploiement->future());
    } else {
        poserListe(premiere.liste());
    }
}

// Until the result is taken: a tick between the scan's end and its result must not find the
// list empty and stop the show.
bool SS::deploiementEnCours() const {
    return m_enDeploiement;
}

void SS::listeDepliee() {
    m_enDeploiement = false;
    if (m_deploiement->future().isValid() && m_deploiement->future().resultCount() > 0)
        poserListe(m_deploiement->result());
    if (std::exchange(m_premiereEnAttente, false))
        poserPremierePhoto();
}

void SS::poserPremierePhoto() {
    Photo->setPicture(QImage());
    if (deploiementEnCours()) {
        m_premiereEnAttente = true;
        return;
    }
    const qint16 k = tirage().prochaine();
    photoMontree(k);
    afficherPhoto(k);
    emit premierePhotoPosee();
}

Tirage& SS::tirage() {
    if (!m_tirage) {
        const QString cle = cleTirage();
        const QString dossier = m_module.dossierEtat();
        const QString fichier = dossier.isEmpty() ? QString() : FichierTirages::fichier(dossier);
        m_tirage.emplace(int(Liste.size()), Tirage::empreinte(Liste), m_services.random,
                         fichier.isEmpty() ? std::nullopt : FichierTirages::lire(fichier, cle));
        // The list changes only before the show starts: the writes of a previous one are done.
        m_enregistreur.reset();
        if (!fichier.isEmpty())
            m_enregistreur = std::make_unique<EnregistreurTirage>(fichier, cle);
    }
    return *m_tirage;
}

QString SS::cleTirage() const {
    if (m_module.RectApercu().isValid())
        return QStringLiteral("apercu");
    const QString ecran = screen() ? screen()->name() : QString();
    return (m_module.hoteX11() ? QStringLiteral("hote ") : QStringLiteral("ecran ")) + ecran;
}

void SS::photoMontree(qint16 k) {
    DernierePhoto() = k;
    if (Liste.isEmpty())
        return;
    tirage().montree();
    if (m_enregistreur)
        m_enregistreur->enregistrer(tirage().etat());
}

void SS::afficherPhoto(int k) {
    const QString chemin = Liste.value(k - 1);
    poserPhoto(chemin, preparerPhoto(m_services.pictures, chemin, preparation()));
    if (m_suivante)
        m_suivante->image.waitForFinished();
    preparerSuivante();
}

void SS::poserPhoto(const QString& chemin, const PhotoPrete& photo) {
    SettingsStore& store = m_services.settings;
    // Titles on or off, and what they say, are read again at every photo.
    QString titre;
    if (Reglages::vautZero(Reglages::lire(store, Reglages::titre()))) {
        const auto genre =
            Legende::Genre(Reglages::choix(store, Reglages::legende(), Legende::NombreGenres));
        const QDateTime prise = genre == Legende::Genre::Date && !photo.prise
                                    ? ExifDate::dateTaken(chemin)
                                    : photo.prise.value_or(QDateTime());
        titre = Legende::texte(genre, chemin, prise);
    }
    Photo->setCaption(titre);
    if (photo.image.isNull())
        return;
    Photo->setPicture(photo.image, photo.autour, photo.ecran);
    if (Reglages::choix(store, Reglages::mouvement(), 2) == 1)
        Photo->setMotion(mouvementAuHasard(
            m_services.random,
            Vitesses::dureeTransition(Reglages::lire(store, Reglages::vitesseAffichage()))));
}

PreparationPhoto SS::preparation() const {
    const SettingsStore& store = m_services.settings;
    PreparationPhoto p;
    p.ecran = tailleAffichage();
    p.fondFlou = Reglages::choix(store, Reglages::fondFlou(), 2) == 1;
    p.ecranEntier =
        !m_rendererGl.isEmpty() || Reglages::choix(store, Reglages::mouvement(), 2) == 1;
    p.date = Reglages::vautZero(Reglages::lire(store, Reglages::titre())) &&
             Reglages::choix(store, Reglages::legende(), Legende::NombreGenres) ==
                 int(Legende::Genre::Date);
    return p;
}

void SS::preparerDessin(const std::function<QString()>& sonde) {
    const int choix = Reglages::choix(m_services.settings, Reglages::dessin(), 3);
    if (choix == 2)
        return;
    m_rendererSonde = sonde ? sonde() : QString();
    if (m_rendererSonde->isEmpty() || (choix == 0 && GlRenderer::isSoftware(*m_rendererSonde)))
        return;
    if (Photo->useOpenGL())
        m_rendererGl = *m_rendererSonde;
}

QSize SS::tailleAffichage() const {
    QSize logique = size();
    if (!isVisible() && !m_module.RectApercu().isValid() && screen())
        logique = screen()->size();
    else if (!isVisible() && m_module.RectApercu().isValid())
        logique = m_module.RectApercu().size();
    return (QSizeF(logique) * devicePixelRatioF()).toSize();
}

void SS::terminer() {
    Timer1.stop();
    m_module.AfficherCurseur();
    close();
    Form_Unload();
    m_module.finProgramme();
}

void SS::resizeEvent(QResizeEvent*) {
    Form_Resize();
}

void SS::keyPressEvent(QKeyEvent*) {
    Form_KeyDown();
}

void SS::closeEvent(QCloseEvent*) {
    Form_Unload();
}
