#include "config/panneauapropos.h"

#include "config/form2textes.h"
#include "controls/fonts.h"
#include "decor/etiquette.h"
#include "decor/motsurligne.h"
#include "decor/twips.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr int LargeurOuverte = 3255;
constexpr int LargeurDebutFermeture = 3000;
constexpr int LargeurFinFermeture = 100;
const QColor FondAPropos{240, 238, 228};

} // namespace

PanneauAPropos::PanneauAPropos(QWidget* parent) : CaptionPanel(parent) {
    setObjectName(QStringLiteral("APropos"));
    Twips::placer(this, 8040, 960, LargeurOuverte, 3200);
    setBackColor(FondAPropos);
    setBevel(CaptionPanel::Bevel::Raised);
    creerTextes();
    for (QLabel* l : L) {
        l->setMouseTracking(true);
        l->installEventFilter(this);
    }
    connect(this, &CaptionPanel::pointerMoved, this, &PanneauAPropos::FermerAPropos);
    connect(&m_glissement, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& v) { resize(Twips::pixels(v.toInt()), height()); });
    connect(&m_glissement, &QVariantAnimation::finished, this, [this] { setVisible(m_ouvert); });
}

void PanneauAPropos::creerTextes() {
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
    L[4] = etiquette(this, QStringLiteral("L4"), Form2Textes::Gratuit, QColor(0, 0, 255));

    // The blue words stand in holes of the notice sized with the notice's own font, on the
    // lines that name them, so that each sentence reads on at its usual spacing.
    const QFontMetrics fm(L[1]->font());
    QStringList lignes = Form2Textes::Notice;
    const auto poser = [&](QLabel* mot, const QString& marque) {
        for (qsizetype n = 0; n < lignes.size(); ++n) {
            const MotSurLigne place = poserMot(lignes[n], marque, mot->text(), fm);
            if (place.gauche < 0)
                continue;
            lignes[n] = place.ligne;
            mot->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            mot->setGeometry(L[1]->x() + place.gauche, L[1]->y() + int(n) * fm.lineSpacing(),
                             QFontMetrics(mot->font()).horizontalAdvance(mot->text()) + 1,
                             fm.height());
        }
    };
    poser(L[3], QStringLiteral("%1"));
    poser(L[4], QStringLiteral("%2"));
    L[1]->setText(lignes.join(u'\n'));
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
    glisser(depuis, LargeurFinFermeture);
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
    glisser(depuis, LargeurOuverte);
}

// A slide that is turned back starts from where the panel stands.
void PanneauAPropos::glisser(int depuis, int jusqua) {
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
