// The album's procedures and commands: the album does the work, the dialog shows its state.
#include "config/form2.h"
#include "controls/picturebutton.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollArea>

void Form2::ChargerListe() {
    album.ChargerListe();
    SSSCroll->setVisible(false);
    ListeS->setVisible(true);
    RemplirListeS();
    MontrerPremierePhoto();
}

void Form2::ReouvrirFichier() {
    album.ReouvrirFichier();
    MontrerAlbumRouvert();
}

void Form2::OuvrirAlbum() {
    TagIm0.clear();
    const bool ouvert = album.OuvrirAlbum();
    // Saving the changes first may have named the album.
    TitreAlbum->setText(album.TitreAlbum);
    if (!ouvert)
        return;
    ArretChargement = true;
    Photo->clear();
    Photo->setToolTip(QString());
    MontrerAlbumRouvert();
}

void Form2::AjouterPhotos() {
    const Album::ResultatPhotos resultat = album.Photos();
    PermettreEnregistrement();
    TitreAlbum->setText(album.TitreAlbum);
    if (resultat == Album::ResultatPhotos::Annule)
        return;
    ViderVignettes();
    RemplirListeS();
}

void Form2::EnregistrerAlbum() {
    album.EnregistrerAlbum();
    TitreAlbum->setText(album.TitreAlbum);
}

void Form2::Supp_Click() {
    album.Supp(EntreeChoisie(), [this] {
        RemplirListeS();
        PermettreEnregistrement();
        ViderVignettes();
    });
    TitreAlbum->setText(album.TitreAlbum);
}

void Form2::RemplirListeS() {
    ListeS->clear();
    ListeS->addItems(album.Liste);
}

// Thumbnail numbers follow list positions: after any change of the list the pane is emptied,
// and the list takes its place.
void Form2::ViderVignettes() {
    const qsizetype n = CadreIm.size();
    for (qsizetype k = n - 1; k >= 1; --k) {
        delete CadreIm.takeAt(k);
        delete Im.takeAt(k);
    }
    CadreIm[0]->setVisible(false);
    Im[0]->setVisible(false);
    SSSCroll->setVisible(false);
    ListeS->setVisible(true);
}

void Form2::MontrerAlbumRouvert() {
    ViderVignettes();
    RemplirListeS();
    TitreAlbum->setText(album.TitreAlbum);
    MontrerPremierePhoto();
}

// Highlights thumbnail 0 and previews the first photo. The thumbnails are not built yet, so
// only the marker is set for them.
void Form2::MontrerPremierePhoto() {
    if (ListeS->count() == 0)
        return;
    TagIm0 = QStringLiteral("0");
    if (EntreeChoisie() == 0)
        ListeS_Click();
    else
        ListeS->setCurrentRow(0);
}

void Form2::PermettreEnregistrement() {
    Boutons[3]->setEnabled(true);
    TBoutons[3]->setEnabled(true);
}
