#include "browser/apercu.h"

#include "browser/ajustement.h"
#include "browser/nophoto.h"
#include "browser/textesapercu.h"
#include "controls/picturebutton.h"
#include "controls/twips.h"
#include "platform/pictures.h"

#include <QGuiApplication>
#include <QLabel>

namespace {
constexpr double MargeFichier = 300;
constexpr double MargeListe = 500;
} // namespace

// The panel is exactly the frame: the photo, fitted inside it, never passes its edges.
Apercu::Apercu(const Pictures& images, QWidget* parent) : QWidget(parent), m_images(images) {
    setObjectName(QStringLiteral("Apercu"));
    Twips::placer(this, 8040, 4200, 3255, 2775);
    Cadre = new PictureButton(this);
    Cadre->setObjectName(QStringLiteral("Cadre"));
    Cadre->setGeometry(rect());
    Cadre->setToolTip(Form2Textes::OuvrirImage);
    Photo = new QLabel(this);
    Photo->setObjectName(QStringLiteral("Photo"));
    Photo->setGeometry(rect());
    Photo->setScaledContents(true);
    Photo->setVisible(false);
    connect(Cadre, &PictureButton::pointerEntered, this, &Apercu::pointeurDessus);
    connect(Cadre, &PictureButton::pointerMoved, this, &Apercu::pointeurDessus);
}

QString Apercu::Fichier() const {
    return Photo->toolTip();
}

// Fitting is reckoned in the dialog's twips: the frame's place decides the rounding.
void Apercu::Placer(const QSize& taille, double marge) {
    const QRectF cadre = Twips::depuisPixels(geometry());
    const QRectF place =
        Ajustement::AjusterDansCadre(QSizeF(taille) * Twips::ParPixel, cadre, marge);
    Twips::placer(Photo, place);
    Photo->move(Photo->pos() - pos());
}

void Apercu::AfficherFichier(const QString& Fichier) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (Fichier.isEmpty()) {
        Photo->clear();
    } else {
        const QImage image = m_images.load(Fichier);
        if (!image.isNull())
            Photo->setPixmap(QPixmap::fromImage(image));
    }
    Photo->setToolTip(Fichier);
    Photo->setVisible(false);
    const QSize taille = Photo->pixmap().size();
    if (!taille.isEmpty())
        Placer(taille, MargeFichier);
    Photo->setVisible(true);
    QGuiApplication::restoreOverrideCursor();
}

bool Apercu::AfficherEntree(const QString& entree) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QSize naturelle = m_images.size(entree);
    QRectF place;
    QImage image;
    if (naturelle.isValid() && !naturelle.isEmpty()) {
        place = Ajustement::AjusterDansCadre(QSizeF(naturelle) * Twips::ParPixel,
                                             Twips::depuisPixels(geometry()), MargeListe);
        // Decoded at the size shown: a large photo is never decoded whole for a preview.
        image = m_images.loadFitted(
            entree, QSize(Twips::pixels(place.width()), Twips::pixels(place.height())));
    }
    QGuiApplication::restoreOverrideCursor();
    // A missing file, or one that is not a picture, shows the placeholder.
    if (image.isNull()) {
        MontrerNophoto();
        return false;
    }
    Photo->setVisible(false);
    Photo->setPixmap(QPixmap::fromImage(image));
    Photo->setToolTip(entree);
    Twips::placer(Photo, place);
    Photo->move(Photo->pos() - pos());
    Photo->setVisible(true);
    return true;
}

// The placeholder takes the place a photo of its size would take, so that it is seen whole
// and undistorted whatever was previewed before.
void Apercu::MontrerNophoto() {
    const QPixmap nophoto = QPixmap::fromImage(ImageNophoto());
    Photo->setPixmap(nophoto);
    Photo->setToolTip(QString());
    Placer(nophoto.size(), MargeListe);
    Photo->setVisible(true);
}

void Apercu::Vider() {
    Photo->clear();
    Photo->setToolTip(QString());
}
