// The album list box: a click previews the photo over the frame Cadre, loaded off the UI thread;
// the right button offers the photo's menu.
#include "browser/ajustement.h"
#include "browser/chargeurapercu.h"
#include "config/form2.h"
#include "controls/picturebutton.h"
#include "controls/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>

namespace {

constexpr double MargeListe = 500;

} // namespace

int Form2::EntreeChoisie() const {
    const QListWidgetItem* courante = ListeS->currentItem();
    return courante && courante->isSelected() ? ListeS->row(courante) : -1;
}

void Form2::ListeS_Click() {
    const int choisie = EntreeChoisie();
    if (choisie >= 0)
        Apercu->charger(ListeS->item(choisie)->text(), Twips::depuisPixels(Cadre->geometry()),
                        MargeListe);
}

void Form2::MontrerApercu(const QString& entree, const QImage& image, const QRectF& place) {
    // A result for an entry no longer chosen (the list was refilled meanwhile) is dropped.
    const int choisie = EntreeChoisie();
    if (choisie < 0 || ListeS->item(choisie)->text() != entree)
        return;
    // A missing file, or one that is not a picture, shows the placeholder.
    if (image.isNull()) {
        MontrerNophoto();
        return;
    }
    Valider->setEnabled(true);
    TValider->setEnabled(true);
    Photo->setVisible(false);
    Photo->setPixmap(QPixmap::fromImage(image));
    Photo->setToolTip(entree);
    Twips::placer(Photo, place);
    Photo->setVisible(true);
    ListeS->setToolTip(entree);
}

// The placeholder takes the place a photo of its size would take, so that it is seen whole
// and undistorted whatever was previewed before.
void Form2::MontrerNophoto() {
    const QSize taille = Nophoto->pixmap().size();
    Photo->setPixmap(Nophoto->pixmap());
    Photo->setToolTip(QString());
    Twips::placer(Photo,
                  Ajustement::AjusterDansCadre(QSizeF(taille) * Twips::ParPixel,
                                               Twips::depuisPixels(Cadre->geometry()), MargeListe));
    Photo->setVisible(true);
}

void Form2::ListeS_MouseDown(int Button, int, double x, double y) {
    if (Button != 2 || EntreeChoisie() < 0)
        return;
    Menus->popup(ListeS->viewport()->mapToGlobal(QPointF(x, y).toPoint()));
}
