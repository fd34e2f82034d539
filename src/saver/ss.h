#pragma once

#include "saver/enregistreurtirage.h"
#include "saver/photoprete.h"
#include "saver/tirage.h"

#include <QDeadlineTimer>
#include <QFuture>
#include <QFutureWatcher>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

struct FondEcran;
struct Services;
class Module1;
class PhotoPanel;
class TransitionPanel;

// The display form: a black surface showing the album's photos one after another, full screen
// or inside a preview pane. Constructing it runs its load step. Its controls are found by their
// object names ("SSTransition1", "Photo").
class SS : public QWidget {
    Q_OBJECT
public:
    SS(Services& services, Module1& module, QWidget* parent = nullptr);
    ~SS() override;

    // The cycle: a tick every `ms` milliseconds from now on, or none.
    void start(int ms);
    void stop();
    const QTimer& minuteur() const { return Timer1; }

    // The photo list; never shown.
    const QStringList& liste() const { return Liste; }
    // Fills the list with one read already (another screen's); the round starts afresh.
    void poserListe(const QStringList& liste);
    // The list of the show `premiere`, once its folders are looked into.
    void partagerListe(const SS& premiere);
    // The path of the wallpaper bitmap handed to the desktop last, empty when none.
    const QString& tag() const { return Tag; }

    // Event handlers.
    void Form_Load();
    void Form_Resize();
    void Form_KeyDown();
    void Form_Unload();
    void Photo_MouseMove(Qt::MouseButtons bouton, Qt::KeyboardModifiers shift, double x, double y);
    void Timer1_Timer();
    // The transition event: the next photo and its title take their place.
    void PhotoSuivante();

    // The wallpaper of the day: applies today's picture when it is not the one applied last.
    void verifierFondEcran();
    // Loads, writes and hands over the picture off the UI thread (a large photo takes a good
    // part of a second); Tag and "WallTemp" are set when that is done. Checks wait meanwhile.
    void AppliquerFondEcran(const QString& chemin);
    bool fondEcranEnCours() const;

    // True once the photo that the next transition will show has been decoded.
    bool suivantePrete() const;

    // Chooses how the show draws, once, before the form is first shown: OpenGL where the
    // renderer is a hardware one ("Dessin" forces either way), the painter otherwise.
    // `sonde` gives the OpenGL renderer's name (empty when there is none), asked only when the
    // choice depends on it.
    void preparerDessin(const std::function<QString()>& sonde);
    // The renderer's name as preparerDessin() found it; none when it did not need to ask.
    const std::optional<QString>& rendererSonde() const { return m_rendererSonde; }
    // The OpenGL renderer the show draws with; empty when it draws with the painter.
    const QString& rendererGl() const { return m_rendererGl; }

    // Fills Liste from the settings store. The album's folders are looked into afresh, off the UI
    // thread, so that the photos added since the last show are shown: until that ends, the
    // list is empty, the first photo waits and ticks start nothing.
    void ChargerPhotos();
    bool deploiementEnCours() const;
    // The position of the photo shown last: the run's own, or after `AutreEcran` this form's.
    qint16& DernierePhoto() { return *m_dernierePhoto; }
    // The show of a screen other than the first: it draws independently and leaves the
    // wallpaper of the day to the first.
    void autreEcran();

    // Puts the photo at 1-based position k in place: its title (when titles are on) and its
    // picture (the previous picture stays when the file cannot be loaded).
    void afficherPhoto(int k);
    // The first photo of a show: the picture emptied, then the next photo of the show's round
    // (once the album's folders are looked into).
    void poserPremierePhoto();

signals:
    // The first photo is in place (for the benchmarks).
    void premierePhotoPosee();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The title of `chemin` (when titles are on) and its picture; a null picture keeps the
    // previous one.
    void poserPhoto(const QString& chemin, const PhotoPrete& photo);
    // How the next photo is made ready, as the options stand now.
    PreparationPhoto preparation() const;
    // Size at which photos are decoded: the surface's size in device pixels.
    QSize tailleAffichage() const;
    void terminer();
    // Chooses the next photo now and decodes it off the UI thread at display size, so that it
    // is ready when its transition event comes. Run when a photo is put in place first, and
    // then at the end of each transition.
    void preparerSuivante();
    // This show's round: taken up from the state file when it was drawn for this album, drawn
    // afresh otherwise. Each screen's show has its own, as does the preview.
    Tirage& tirage();
    QString cleTirage() const;
    // The photo tirage() named is on screen: the round moves on, and the state file follows.
    void photoMontree(qint16 k);
    void listeDepliee();

    struct Suivante {
        qint16 k = 0;
        QString chemin;
        QFuture<PhotoPrete> image;
    };

    // Controls.
    QStringList Liste;
    TransitionPanel* SSTransition1; // covers the form, holds Photo, runs the transitions
    PhotoPanel* Photo;              // the current photo and its title
    QTimer Timer1;                  // drives the cycle
    QString Tag;

    // Form-level state.
    // Whether this form applies the wallpaper of the day: one form per run does.
    bool FondDuJour = true;
    bool Quitter = false;
    bool SourisArmee = false;
    double SourisX = 0;
    double SourisY = 0;

    Services& m_services;
    Module1& m_module;
    qint16 m_dernierePhotoPropre = 0;
    qint16* m_dernierePhoto;
    std::optional<Suivante> m_suivante;
    std::optional<Tirage> m_tirage;
    std::unique_ptr<EnregistreurTirage> m_enregistreur; // none when nothing is kept
    QFutureWatcher<FondEcran>* m_fondEcran;
    QFutureWatcher<QStringList>* m_deploiement;
    std::shared_ptr<std::atomic<bool>> m_arretDeploiement;
    bool m_enDeploiement = false;
    bool m_premiereEnAttente = false;
    QString m_fondEcranChemin;               // the picture being applied, empty when none
    QDeadlineTimer m_prochainEssaiFondEcran; // no new attempt before, after a refusal
    bool m_unloaded = false;
    QString m_rendererGl;
    std::optional<QString> m_rendererSonde;
};
