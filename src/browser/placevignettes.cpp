#include "browser/placevignettes.h"

#include "album/etatdialogue.h"
#include "vignettes/cachevignettes.h"
#include "browser/nophoto.h"
#include "controls/twips.h"
#include "platform/services.h"
#include "startup/module1.h"

#include <QLabel>

PlaceVignettes::PlaceVignettes(EtatDialogue& etat, Module1& module, QWidget* parent)
    : GrilleVignettes(module.services.pictures, parent), m_etat(etat), m_module(module) {
    setObjectName(QStringLiteral("SSSCroll"));
    Twips::placer(this, 1320, 800, 6375, 6495);
    setVisible(false);
    // The placeholder as a control of its own, as the album list's preview shows it too.
    auto* nophoto = new QLabel(viewport());
    nophoto->setObjectName(QStringLiteral("Nophoto"));
    nophoto->setPixmap(QPixmap::fromImage(ImageNophoto()));
    nophoto->adjustSize();
    nophoto->setVisible(false);
    connect(this, &GrilleVignettes::clicked, this, &PlaceVignettes::CadreIm_Click);
    connect(this, &GrilleVignettes::rightClicked, this, &PlaceVignettes::menuDemande);
    connect(this, &GrilleVignettes::pointerMoved, this, &PlaceVignettes::pointeurDessus);
    // A build stopped before its end leaves the list in view.
    connect(this, &GrilleVignettes::construite, this, [this](bool arretee) {
        if (arretee)
            MontrerGrille(false);
    });
}

void PlaceVignettes::MontrerGrille(bool visible) {
    setVisible(visible);
    emit listeMontree(!visible);
}

void PlaceVignettes::ViderVignettes() {
    arreter();
    vider();
    MontrerGrille(false);
}

void PlaceVignettes::MarquerVignette(int index) {
    TagIm0 = index < 0 ? QString() : QString::number(index);
    if (index >= 0)
        surligner(index);
}

void PlaceVignettes::Panorama() {
    if (m_etat.album.Liste.isEmpty())
        return;
    if (!isHidden())
        MontrerGrille(false);
    else if (nombre() == 0 && !enConstruction())
        ChargerListeThumb();
    else if (!m_etat.ArretChargement)
        MontrerGrille(true);
}

void PlaceVignettes::ChargerListeThumb() {
    MontrerGrille(true);
    emit chargementCommence(int(m_etat.album.Liste.size()));
    m_etat.ArretChargement = false;
    const QString racine = CacheVignettes::RacineCache(m_module.DossierProgrammes());
    construire({m_etat.album.Liste, racine,
                CacheVignettes::DossierAlbum(racine, m_etat.album.TitreAlbum),
                GeometrieGrille::CadreIm0, 0});
}

void PlaceVignettes::CadreIm_Click(int Index) {
    MarquerVignette(Index);
    emit vignetteChoisie(Index);
}
