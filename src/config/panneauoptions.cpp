#include "config/panneauoptions.h"

#include "config/form2textes.h"
#include "controls/fonts.h"
#include "controls/optionbutton.h"
#include "decor/decor.h"
#include "decor/etiquette.h"
#include "decor/twips.h"
#include "settings/reglages.h"
#include "settings/vitesses.h"

#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

const QColor TexteListe{192, 192, 255};

// Room the controls keep from the panel's edges.
constexpr double MargeBord = 30;

// The position options stand between the speed list and the panel's edge, and "Haut Centre" is
// wider than that room: the gap between each circle and its text gives up what the margin
// needs, the same for both so that their texts stay aligned.
void garderMarge(const std::array<OptionButton*, 2>& options) {
    int manque = 0;
    for (OptionButton* o : options) {
        QStyleOptionButton opt;
        opt.initFrom(o);
        const int debut =
            o->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, o).left();
        const int fin = debut + o->fontMetrics().horizontalAdvance(o->text());
        // The panel's bevel line stands inside its edge.
        manque = std::max(manque, fin - (o->width() - 1 - Twips::pixels(MargeBord)));
    }
    if (manque <= 0)
        return;
    const int espace =
        options[0]->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, options[0]);
    for (OptionButton* o : options)
        o->setStyleSheet(
            QStringLiteral("QRadioButton { spacing: %1px; }").arg(std::max(0, espace - manque)));
}

// Selects an option so that its click handling runs, also when it is selected already.
void selectionner(OptionButton* option) {
    if (option->isChecked())
        emit option->selected();
    else
        option->setChecked(true);
}

} // namespace

PanneauOptions::PanneauOptions(SettingsStore& reglages, Prompts& messages, QWidget* parent)
    : CaptionPanel(parent), m_reglages(reglages),
      m_avis(reglages, messages, Form2Textes::OptionsNonEnregistrees) {
    setObjectName(QStringLiteral("SSPanel1"));
    setBackColor(Decor::fondPanneau);
    setBevel(CaptionPanel::Bevel::Raised);
    Twips::placer(this, 8040, 960, 3255, 1860);
    Twips::placer(
        etiquette(this, QStringLiteral("Label3"), Form2Textes::Vitesse, Decor::textePanneau), 20,
        20, 1900, 210);
    Combo1 = new QListWidget(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Twips::placer(Combo1, 30, 240, 1890, 1590);
    QPalette pal = Combo1->palette();
    pal.setColor(QPalette::Base, QColor(64, 64, 64));
    pal.setColor(QPalette::Text, TexteListe);
    Combo1->setPalette(pal);
    Combo1->setFont(dialogFont());
    Combo1->setFrameShape(QFrame::NoFrame);
    Combo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    QLabel* label5 =
        etiquette(this, QStringLiteral("Label5"), Form2Textes::TitrePhoto, Decor::textePanneau);
    Twips::placer(label5, 2025, 0, 1230, 420);
    label5->setWordWrap(true);
    auto* groupe = new CaptionPanel(this);
    groupe->setObjectName(QStringLiteral("SSPanel2"));
    Twips::placer(groupe, 1920, 480, 1335, 255);
    for (int i = 0; i < 2; ++i) {
        Tit[i] = new OptionButton(Form2Textes::OuiNon[i], groupe);
        Tit[i]->setObjectName(QStringLiteral("Tit%1").arg(i));
        Twips::placer(Tit[i], i == 0 ? 0 : 720, 0, i == 0 ? 720 : 615, 255);
        Tit[i]->setTextColor(Decor::textePanneau);
        Position[i] = new OptionButton(Form2Textes::Positions[i], this);
        Position[i]->setObjectName(QStringLiteral("Position%1").arg(i));
        Twips::placer(Position[i], 1920, i == 0 ? 1200 : 1440, 1335, 240);
        Position[i]->setTextColor(Decor::textePanneau);
    }
    garderMarge(Position);

    connect(Combo1, &QListWidget::currentRowChanged, this, [this] { Combo1_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(Tit[i], &OptionButton::selected, this, [this, i] { Tit_Click(i); });
        connect(Position[i], &OptionButton::selected, this, [this, i] { Position_Click(i); });
    }
}

void PanneauOptions::chargerVitesse() {
    Combo1->blockSignals(true);
    Combo1->clear();
    Combo1->addItems(Vitesses::libelles());
    Combo1->blockSignals(false);
    const int vitesse =
        Vitesses::indexDialogue(Reglages::lire(m_reglages, Reglages::vitesseDialogue()));
    if (Combo1->currentRow() == vitesse)
        Combo1_Click();
    else
        Combo1->setCurrentRow(vitesse);
}

void PanneauOptions::chargerTitre() {
    selectionner(Tit[std::size_t(Reglages::choix(m_reglages, Reglages::titre(), 2))]);
    selectionner(Position[std::size_t(Reglages::choix(m_reglages, Reglages::position(), 2))]);
}

void PanneauOptions::Combo1_Click() {
    const int n = Combo1->currentRow();
    if (n < 0)
        return;
    ecrire(Reglages::vitesseDialogue(), n);
}

void PanneauOptions::Tit_Click(int Index) {
    const bool titreAffiche = Tit[0]->isChecked();
    for (OptionButton* p : Position)
        p->setEnabled(titreAffiche);
    ecrire(Reglages::titre(), Index);
}

void PanneauOptions::Position_Click(int Index) {
    ecrire(Reglages::position(), Index);
}

void PanneauOptions::ecrire(const Reglages::Entree& cle, int valeur) {
    Reglages::ecrire(m_reglages, cle, QString::number(valeur));
    m_avis.verifier();
}
