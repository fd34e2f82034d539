#include "browser/placevignettes.h"

#include "browser/nophoto.h"
#include "controls/twips.h"

#include <QEvent>
#include <QLabel>

PlaceVignettes::PlaceVignettes(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("SSSCroll"));
    Twips::placer(this, 1320, 800, 6375, 6495);
    setVisible(false);
    viewport()->setMouseTracking(true);
    auto* contenu = new QWidget;
    contenu->setObjectName(QStringLiteral("SSSCrollContenu"));
    contenu->setMouseTracking(true);
    contenu->resize(viewport()->size());
    CadreIm.append(new QLabel(contenu));
    CadreIm[0]->setObjectName(QStringLiteral("CadreIm0"));
    Twips::placer(CadreIm[0], 200, 360, 1305, 1245);
    CadreIm[0]->setFrameShape(QFrame::Box);
    CadreIm[0]->setStyleSheet(QStringLiteral("background-color: rgb(128, 128, 255);"));
    CadreIm[0]->setVisible(false);
    Im.append(new QLabel(contenu));
    Im[0]->setObjectName(QStringLiteral("Im0"));
    Twips::placer(Im[0], 480, 600, 735, 735);
    Im[0]->setVisible(false);
    auto* nophoto = new QLabel(contenu);
    nophoto->setObjectName(QStringLiteral("Nophoto"));
    nophoto->setPixmap(QPixmap::fromImage(ImageNophoto()));
    nophoto->adjustSize();
    nophoto->setVisible(false);
    setWidget(contenu);
    viewport()->installEventFilter(this);
    contenu->installEventFilter(this);
}

bool PlaceVignettes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        emit pointeurDessus();
    return QScrollArea::eventFilter(watched, event);
}

void PlaceVignettes::ViderVignettes() {
    const qsizetype n = CadreIm.size();
    for (qsizetype k = n - 1; k >= 1; --k) {
        delete CadreIm.takeAt(k);
        delete Im.takeAt(k);
    }
    CadreIm[0]->setVisible(false);
    Im[0]->setVisible(false);
    setVisible(false);
}

void PlaceVignettes::MarquerVignette(int index) {
    TagIm0 = index < 0 ? QString() : QString::number(index);
}
