#include "browser/placevignettes.h"

#include "album/album.h"
#include "album/contenudossiers.h"
#include "browser/grillevignettes.h"
#include "browser/nophoto.h"
#include "decor/twips.h"
#include "vignettes/cachevignettes.h"

#include <QLabel>

PlaceVignettes::PlaceVignettes(const Album& album, const ContenuDossiers& dossiers,
                               const QString& racineCache, const Pictures& images, QWidget* parent)
    : QWidget(parent), m_album(album), m_dossiers(dossiers), m_racineCache(racineCache),
      m_grille(new GrilleVignettes(images, this)) {
    setObjectName(QStringLiteral("PlaceVignettes"));
    Twips::placer(this, 1320, 800, 6375, 6495);
    m_grille->setObjectName(QStringLiteral("SSSCroll"));
    m_grille->setGeometry(rect());
    setVisible(false);
    // The placeholder as a control of its own, as the album list's preview shows it too.
    auto* nophoto = new QLabel(m_grille->viewport());
    nophoto->setObjectName(QStringLiteral("Nophoto"));
    nophoto->setPixmap(QPixmap::fromImage(imageNophoto()));
    nophoto->adjustSize();
    nophoto->setVisible(false);
    connect(m_grille, &GrilleVignettes::vignetteCliquee, this, &PlaceVignettes::CadreIm_Click);
    connect(m_grille, &GrilleVignettes::menuDemande, this, &PlaceVignettes::menuDemande);
    connect(m_grille, &GrilleVignettes::pointeurDessus, this, &PlaceVignettes::pointeurDessus);
    connect(m_grille, &GrilleVignettes::progression, this, &PlaceVignettes::progression);
    connect(m_grille, &GrilleVignettes::construite, this, &PlaceVignettes::construite);
    connect(&dossiers, &ContenuDossiers::dossierLu, this, &PlaceVignettes::contenuChange);
    // A build stopped before its end leaves the list in view.
    connect(m_grille, &GrilleVignettes::construite, this, [this](bool arretee) {
        if (arretee)
            montrerGrille(false);
    });
}

void PlaceVignettes::montrerGrille(bool visible) {
    setVisible(visible);
    emit listeMontree(!visible);
}

void PlaceVignettes::arreterChargement() {
    m_arretChargement = true;
}

void PlaceVignettes::viderVignettes() {
    m_grille->arreter();
    m_grille->vider();
    m_deplie = {};
    montrerGrille(false);
}

void PlaceVignettes::contenuChange() {
    if ((m_grille->nombre() > 0 || m_grille->enConstruction()) &&
        m_dossiers.deplier(m_album.Liste).photos != m_deplie.photos)
        viderVignettes();
}

void PlaceVignettes::marquerVignette(int index) {
    m_tagIm0 = index < 0 ? QString() : QString::number(index);
    if (index >= 0)
        m_grille->surligner(index);
}

void PlaceVignettes::panorama() {
    if (m_album.Liste.isEmpty())
        return;
    if (!isHidden())
        montrerGrille(false);
    else if (m_grille->nombre() == 0 && !m_grille->enConstruction())
        ChargerListeThumb();
    else if (!m_arretChargement)
        montrerGrille(true);
}

void PlaceVignettes::ChargerListeThumb() {
    m_deplie = m_dossiers.deplier(m_album.Liste);
    montrerGrille(true);
    emit chargementCommence(int(m_deplie.photos.size()));
    m_arretChargement = false;
    m_grille->construire({m_deplie.photos, m_racineCache,
                          CacheVignettes::dossierAlbum(m_racineCache, m_album.TitreAlbum),
                          GeometrieGrille::CadreIm0, 0});
}

void PlaceVignettes::CadreIm_Click(int Index) {
    marquerVignette(Index);
    emit vignetteChoisie(m_deplie.entrees.value(Index, Index), m_deplie.photos.value(Index));
}
