#include "browser/grillevignettes.h"

#include "browser/nophoto.h"
#include "decor/twips.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <cmath>

namespace {

// Time the UI thread gives to placing results before it lets other events run.
constexpr int TrancheMs = 8;
// Thumbnails kept decoded: about 2000 cells of the design size.
constexpr int MemoireImagesKiB = 32 * 1024;
// Loading waits until scrolling pauses this long.
constexpr int PauseDefilementMs = 40;
const QColor FondSurligne{128, 128, 255};

} // namespace

GrilleVignettes::GrilleVignettes(const Pictures& images, QWidget* parent)
    : QAbstractScrollArea(parent), m_construction(images), m_chargeur(images),
      m_images(MemoireImagesKiB), m_nophoto(imageNophoto()) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    m_attenteChargement.setSingleShot(true);
    m_attenteChargement.setInterval(PauseDefilementMs);
    connect(&m_attenteChargement, &QTimer::timeout, this, &GrilleVignettes::chargerVisibles);
    connect(&m_construction, &ConstructionVignettes::pretes, this,
            &GrilleVignettes::placerResultats);
    connect(&m_chargeur, &ChargeurVignettes::chargee, this, [this](int index, const QImage& image) {
        if (index >= nombre())
            return;
        if (image.isNull())
            m_illisibles.insert(index);
        else
            m_images.insert(index, new QImage(image), int(image.sizeInBytes() / 1024) + 1);
        viewport()->update(pixels(cellule(index)));
    });
}

void GrilleVignettes::construire(const ConstructionVignettes::Demande& demande) {
    vider();
    m_enConstruction = true;
    m_construction.demarrer(demande);
}

void GrilleVignettes::arreter() {
    if (!m_enConstruction)
        return;
    m_construction.arreter();
    terminer(true);
}

void GrilleVignettes::vider() {
    m_construction.arreter();
    m_enConstruction = false;
    m_chargeur.oublier();
    m_vignettes.clear();
    m_images.clear();
    m_illisibles.clear();
    if (m_surlignee != 0)
        m_surlignee = -1;
    m_etendue = {};
    appliquerEtendue();
    viewport()->update();
}

void GrilleVignettes::surligner(int index) {
    if (m_surlignee >= 0)
        viewport()->update(pixels(cellule(m_surlignee)));
    m_surlignee = index;
    viewport()->update(pixels(cellule(index)));
}

QRectF GrilleVignettes::image(int i) const {
    const Vignette& v = m_vignettes[i];
    if (v.nophoto() || m_illisibles.contains(i))
        return GeometrieGrille::AfficherThumb(QSizeF(m_nophoto.size()) * Twips::ParPixel,
                                              cellule(i));
    return GeometrieGrille::AfficherThumb2(QSizeF(v.bitmap) * Twips::ParPixel, cellule(i));
}

void GrilleVignettes::placerResultats() {
    if (!m_enConstruction)
        return;
    QElapsedTimer tranche;
    tranche.start();
    const int total = m_construction.total();
    while (tranche.elapsed() < TrancheMs) {
        const QList<Vignette> lot = m_construction.prendre(8);
        if (lot.isEmpty())
            break;
        for (const Vignette& v : lot) {
            const int i = nombre();
            // Rounded as the gauge always was: halves to the even percent.
            emit progression(int(std::nearbyint(100.0 * i / total)));
            if (!v.image.isNull())
                m_images.insert(i, new QImage(v.image), int(v.image.sizeInBytes() / 1024) + 1);
            m_vignettes.append(v);
            viewport()->update(pixels(cellule(i)));
        }
    }
    if (m_construction.epuisee())
        terminer(false);
    else if (tranche.elapsed() >= TrancheMs)
        QTimer::singleShot(0, this, &GrilleVignettes::placerResultats);
}

void GrilleVignettes::terminer(bool arretee) {
    m_enConstruction = false;
    m_etendue =
        GeometrieGrille::etendueDefilement(nombre(), viewport()->height() * Twips::ParPixel);
    appliquerEtendue();
    emit construite(arretee);
}

void GrilleVignettes::appliquerEtendue() {
    QScrollBar* barre = verticalScrollBar();
    setVerticalScrollBarPolicy(m_etendue.barre ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int hauteur = m_etendue.barre ? Twips::pixels(m_etendue.hauteur) : 0;
    barre->setRange(0, std::max(0, hauteur - viewport()->height()));
    barre->setPageStep(viewport()->height());
    barre->setSingleStep(Twips::pixels(GeometrieGrille::CadreIm0.height()) / 3);
}

QRect GrilleVignettes::pixels(const QRectF& twips) const {
    return Twips::rect(twips.left(), twips.top(), twips.width(), twips.height())
        .translated(0, -verticalScrollBar()->value());
}

std::pair<int, int> GrilleVignettes::entre(int hautPixels, int basPixels) const {
    const double pas = GeometrieGrille::CadreIm0.height() + GeometrieGrille::CadreIm0.top();
    const double haut = hautPixels * Twips::ParPixel;
    const double bas = basPixels * Twips::ParPixel;
    const int premiere = std::max(0, int(haut / pas) - 1) * GeometrieGrille::Colonnes;
    const int derniere = std::min(nombre(), (int(bas / pas) + 1) * GeometrieGrille::Colonnes);
    return {std::min(premiere, derniere), derniere};
}

QList<int> GrilleVignettes::visibles() const {
    const int haut = verticalScrollBar()->value();
    const auto [premiere, derniere] = entre(haut, haut + viewport()->height());
    QList<int> liste;
    for (int i = premiere; i < derniere; ++i)
        liste.append(i);
    return liste;
}

// The cells in view first, then those below and above them: the cells an ordinary scroll brings
// into view are loaded by the time they get there.
QList<int> GrilleVignettes::aCharger() const {
    const int haut = verticalScrollBar()->value();
    const int page = viewport()->height();
    const int avance = page * EcransDAvance;
    const auto [premiere, derniere] = entre(haut, haut + page);
    const auto [avant, apres] = entre(haut - avance, haut + page + avance);
    QList<int> liste = visibles();
    for (int i = derniere; i < apres; ++i)
        liste.append(i);
    for (int i = premiere - 1; i >= avant; --i)
        liste.append(i);
    return liste;
}

int GrilleVignettes::celluleEn(const QPoint& point) const {
    const QPointF t(point.x() * Twips::ParPixel,
                    (point.y() + verticalScrollBar()->value()) * Twips::ParPixel);
    const QRectF c0 = GeometrieGrille::CadreIm0;
    const int c = int(std::floor((t.x() - c0.left()) / (c0.width() + c0.left())));
    const int r = int(std::floor((t.y() - c0.top()) / (c0.height() + c0.top())));
    if (c < 0 || c >= GeometrieGrille::Colonnes || r < 0)
        return -1;
    const int i = r * GeometrieGrille::Colonnes + c;
    return i < nombre() && cellule(i).contains(t) ? i : -1;
}

void GrilleVignettes::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    const QRect zone = event->rect();
    bool manquantes = false;
    for (const int i : visibles()) {
        const QRect cadre = pixels(cellule(i));
        if (!cadre.intersects(zone))
            continue;
        if (i == m_surlignee)
            p.fillRect(cadre, FondSurligne);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(cadre.adjusted(0, 0, -1, -1));
        const QRect place = pixels(image(i));
        if (m_vignettes[i].nophoto() || m_illisibles.contains(i)) {
            p.drawImage(place, m_nophoto);
        } else if (const QImage* vignette = m_images.object(i)) {
            p.drawImage(place, *vignette);
        } else {
            manquantes = true;
            ++m_videsPeintes;
        }
    }
    if (manquantes && !m_attenteChargement.isActive())
        m_attenteChargement.start();
}

void GrilleVignettes::chargerVisibles() {
    QList<ChargeurVignettes::Demande> demandes;
    for (const int i : aCharger()) {
        const Vignette& v = m_vignettes[i];
        if (!v.nophoto() && !m_illisibles.contains(i) && !m_images.contains(i))
            demandes.append({i, v.fichierCache, v.chemin, v.bitmap});
    }
    if (!demandes.isEmpty())
        m_chargeur.demander(demandes);
}

void GrilleVignettes::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    appliquerEtendue();
}

void GrilleVignettes::scrollContentsBy(int, int) {
    // Loading waits for the scrolling to pause; cells in view meanwhile show their frames.
    m_attenteChargement.start();
    viewport()->update();
}

void GrilleVignettes::mousePressEvent(QMouseEvent* event) {
    const int i = celluleEn(event->position().toPoint());
    m_pressee = event->button() == Qt::LeftButton ? i : -1;
    if (event->button() == Qt::RightButton && i >= 0)
        emit menuDemande(event->globalPosition().toPoint());
}

void GrilleVignettes::mouseReleaseEvent(QMouseEvent* event) {
    const int i = celluleEn(event->position().toPoint());
    if (event->button() == Qt::LeftButton && i >= 0 && i == m_pressee)
        emit vignetteCliquee(i);
    m_pressee = -1;
}

// A double click is one click: its second press does nothing of its own.
void GrilleVignettes::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void GrilleVignettes::mouseMoveEvent(QMouseEvent* event) {
    if (celluleEn(event->position().toPoint()) < 0)
        emit pointeurDessus();
}

bool GrilleVignettes::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* aide = static_cast<QHelpEvent*>(event);
        const int i = celluleEn(aide->pos());
        if (i >= 0)
            QToolTip::showText(aide->globalPos(), m_vignettes[i].chemin, viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}
