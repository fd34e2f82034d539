#include "browser/placevignettes.h"

#include "album/album.h"
#include "browser/grillevignettes.h"
#include "browser/nophoto.h"
#include "decor/twips.h"
#include "vignettes/cachevignettes.h"

#include <QLabel>

PlaceVignettes::PlaceVignettes(const Album& album, const QString& racineCache,
                               const Pictures& images, QWidget* parent)
    : QWidget(parent), m_album(album), m_racineCache(racineCache),
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
    montrerGrille(false);
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
    montrerGrille(true);
    emit chargementCommence(int(m_album.Liste.size()));
    m_arretChargement = false;
    m_grille->construire({m_album.Liste, m_racineCache,
                          CacheVignettes::dossierAlbum(m_racineCache, m_album.TitreAlbum),
                          GeometrieGrille::CadreIm0, 0});
}

void PlaceVignettes::CadreIm_Click(int Index) {
    marquerVignette(Index);
    emit vignetteChoisie(Index);
}
