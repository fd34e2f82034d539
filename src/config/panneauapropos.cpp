#include "config/panneauapropos.h"

#include "config/form2textes.h"
#include "controls/etiquette.h"
#include "controls/fonts.h"
#include "controls/twips.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr int LargeurOuverte = 3255;
constexpr int LargeurDebutFermeture = 3000;
constexpr int LargeurFinFermeture = 100;
const QColor FondAPropos(240, 238, 228);

// A line of the notice with `marque` replaced by blanks that leave the pixels from `debut` to
// `fin` free for a word laid over them.
QString ligneAvecPlace(const QString& ligne, const QString& marque, int debut, int fin,
                       const QFontMetrics& fm) {
    const qsizetype at = ligne.indexOf(marque);
    if (at < 0)
        return ligne;
    QString avant = ligne.left(at);
    while (fm.horizontalAdvance(avant + u' ') <= debut)
        avant += u' ';
    QString blanc = avant;
    while (fm.horizontalAdvance(blanc) < fin)
        blanc += u' ';
    return blanc + ligne.mid(at + marque.size());
}

} // namespace

PanneauAPropos::PanneauAPropos(QWidget* parent) : CaptionPanel(parent) {
    setObjectName(QStringLiteral("APropos"));
    Twips::placer(this, 8040, 960, LargeurOuverte, 3200);
    setBackColor(FondAPropos);
    setBevel(CaptionPanel::Bevel::Raised);
    CreerTextes();
    for (QLabel* l : L) {
        l->setMouseTracking(true);
        l->installEventFilter(this);
    }
    connect(this, &CaptionPanel::pointerMoved, this, &PanneauAPropos::FermerAPropos);
    connect(&m_glissement, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& v) { resize(Twips::pixels(v.toInt()), height()); });
    connect(&m_glissement, &QVariantAnimation::finished, this, [this] { setVisible(m_ouvert); });
}

void PanneauAPropos::CreerTextes() {
    L[0] = etiquette(this, QStringLiteral("L0"), Form2Textes::NomVersion, QColor(255, 0, 0), true);
    Twips::placer(L[0], 120, 120, 3000, 390);
    L[0]->setFont([] {
        QFont f = dialogFont(true);
        f.setPointSizeF(12);
        return f;
    }());
    L[1] = etiquette(this, QStringLiteral("L1"), QString(), Qt::black);
    Twips::placer(L[1], 120, 600, 3000, 2460);
    L[1]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    L[2] = etiquette(this, QStringLiteral("L2"), Form2Textes::AdresseWeb, QColor(128, 0, 0));
    Twips::placer(L[2], 120, 2900, 3000, 195);
    QFont souligne = dialogFont();
    souligne.setUnderline(true);
    L[2]->setFont(souligne);
    L[3] = etiquette(this, QStringLiteral("L3"), Form2Textes::Freeware, QColor(0, 0, 255));
    Twips::placer(L[3], 700, 600, 825, 195);
    L[4] = etiquette(this, QStringLiteral("L4"), Form2Textes::Gratuit, QColor(0, 0, 255));
    Twips::placer(L[4], 1850, 990, 645, 195);
    for (int k : {3, 4})
        L[k]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // The notice leaves blanks under the two blue words, on the lines where they stand.
    const QFontMetrics fm(L[1]->font());
    QStringList lignes = Form2Textes::Notice;
    const auto reserver = [&](int k, const QString& marque) {
        const QRect r = L[k]->geometry().translated(-L[1]->x(), -L[1]->y());
        const int ligne = qBound(0, r.top() / qMax(1, fm.lineSpacing()), int(lignes.size()) - 1);
        const int largeur = fm.horizontalAdvance(L[k]->text());
        const int debut = r.left() + (r.width() - largeur) / 2;
        lignes[ligne] = ligneAvecPlace(lignes[ligne], marque, debut, debut + largeur, fm);
    };
    reserver(3, QStringLiteral("%1"));
    reserver(4, QStringLiteral("%2"));
    // With a font whose lines fall elsewhere, the word stays in the text itself.
    L[1]->setText(lignes.join(u'\n')
                      .replace(QStringLiteral("%1"), Form2Textes::Freeware)
                      .replace(QStringLiteral("%2"), Form2Textes::Gratuit));
}

bool PanneauAPropos::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        FermerAPropos();
    return CaptionPanel::eventFilter(watched, event);
}

void PanneauAPropos::FermerAPropos() {
    if (!m_ouvert)
        return;
    m_ouvert = false;
    const int depuis = qMin(LargeurDebutFermeture, int(Twips::depuisPixels(rect()).width()));
    Glisser(depuis, LargeurFinFermeture);
}

void PanneauAPropos::OuvrirAPropos() {
    if (m_ouvert)
        return;
    m_ouvert = true;
    const int depuis = isHidden() ? 0 : int(Twips::depuisPixels(rect()).width());
    if (isHidden()) {
        resize(0, height());
        setVisible(true);
    }
    raise();
    Glisser(depuis, LargeurOuverte);
}

// A slide that is turned back starts from where the panel stands.
void PanneauAPropos::Glisser(int depuis, int jusqua) {
    m_glissement.stop();
    if (DureeGlissement <= 0 || !isVisible()) {
        resize(Twips::pixels(jusqua), height());
        setVisible(m_ouvert);
        return;
    }
    m_glissement.setStartValue(depuis);
    m_glissement.setEndValue(jusqua);
    m_glissement.setDuration(DureeGlissement);
    m_glissement.start();
}
