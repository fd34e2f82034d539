#include "browser/apercu.h"

#include "browser/nophoto.h"
#include "browser/textesapercu.h"
#include "controls/picturebutton.h"
#include "decor/twips.h"
#include "vignettes/ajustement.h"

#include <QLabel>

namespace {
constexpr double MargeFichier = 300;
constexpr double MargeListe = 500;
} // namespace

// The panel is exactly the frame: the photo, fitted inside it, never passes its edges.
Apercu::Apercu(const Pictures& images, QWidget* parent) : QWidget(parent), m_chargeur(images) {
    setObjectName(QStringLiteral("Apercu"));
    Twips::placer(this, 8040, 4200, 3255, 2775);
    Cadre = new PictureButton(this);
    Cadre->setObjectName(QStringLiteral("Cadre"));
    Cadre->setGeometry(rect());
    Cadre->setToolTip(TextesApercu::OuvrirImage);
    Photo = new QLabel(this);
    Photo->setObjectName(QStringLiteral("Photo"));
    Photo->setGeometry(rect());
    Photo->setScaledContents(true);
    Photo->setVisible(false);
    connect(Cadre, &PictureButton::pointerEntered, this, &Apercu::pointeurDessus);
    connect(Cadre, &PictureButton::pointerMoved, this, &Apercu::pointeurDessus);
    connect(Cadre, &PictureButton::clicked, this, [this] {
        const bool presse = Cadre->value();
        Cadre->setValue(false);
        if (presse)
            emit cadreClique();
    });
    connect(&m_chargeur, &ChargeurApercu::pret, this, &Apercu::montrer);
}

QString Apercu::Fichier() const {
    return Photo->toolTip();
}

void Apercu::nommerPhoto(const QString& fichier) {
    if (fichier == Photo->toolTip())
        return;
    Photo->setToolTip(fichier);
    emit fichierChange(fichier);
}

// Fitting is reckoned in the dialog's twips: the frame's place decides the rounding.
void Apercu::placer(const QSize& taille, double marge) {
    const QRectF cadre = Twips::depuisPixels(geometry());
    const QRectF place =
        Ajustement::ajusterDansCadre(QSizeF(taille) * Twips::ParPixel, cadre, marge);
    Twips::placer(Photo, place);
    Photo->move(Photo->pos() - pos());
}

void Apercu::AfficherFichier(const QString& Fichier) {
    nommerPhoto(Fichier);
    m_attendu = {Fichier, MargeFichier};
    if (Fichier.isEmpty()) {
        // Nothing to show: the frame stays reachable under the pointer.
        Photo->clear();
        Photo->setVisible(false);
        return;
    }
    m_chargeur.charger(Fichier, Twips::depuisPixels(geometry()), MargeFichier);
}

void Apercu::afficherEntree(const QString& entree) {
    m_attendu = {entree, MargeListe};
    m_chargeur.charger(entree, Twips::depuisPixels(geometry()), MargeListe);
}

bool Apercu::occupe() const {
    return m_chargeur.occupe();
}

void Apercu::montrer(const QString& chemin, const QImage& image, const QRectF& place) {
    // Only the latest request counts: an older picture never replaces a newer one.
    if (chemin != m_attendu.chemin)
        return;
    const bool entree = m_attendu.marge == MargeListe;
    if (image.isNull()) {
        // An album entry that cannot be shown gives the placeholder; any other file leaves the
        // picture that was there, fitted again.
        if (entree) {
            montrerNophoto();
            emit entreeAffichee(chemin, false);
            return;
        }
        const QSize taille = Photo->pixmap().size();
        if (!taille.isEmpty())
            placer(taille, MargeFichier);
        Photo->setVisible(true);
        return;
    }
    Photo->setVisible(false);
    Photo->setPixmap(QPixmap::fromImage(image));
    nommerPhoto(chemin);
    Twips::placer(Photo, place);
    Photo->move(Photo->pos() - pos());
    Photo->setVisible(true);
    if (entree)
        emit entreeAffichee(chemin, true);
}

// The placeholder takes the place of the picture previewed before, so that the preview does
// not jump about while the user walks through the list. With nothing previewed before, it takes
// the place a photo of its own size would take: it must be seen all the same.
void Apercu::montrerNophoto() {
    const QPixmap nophoto = QPixmap::fromImage(imageNophoto());
    const bool placePrise = !Photo->pixmap().isNull();
    Photo->setPixmap(nophoto);
    nommerPhoto(QString());
    if (!placePrise)
        placer(nophoto.size(), MargeListe);
    Photo->setVisible(true);
}

void Apercu::vider() {
    m_attendu = {};
    Photo->clear();
    nommerPhoto(QString());
}
