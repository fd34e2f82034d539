#include "config/groupediaporama.h"

#include "config/form2textes.h"
#include "config/panneauautresoptions.h"
#include "config/textesdiaporama.h"
#include "controls/optionbutton.h"
#include "decor/decor.h"
#include "decor/etiquette.h"
#include "decor/twips.h"

#include <QCheckBox>
#include <QLabel>

namespace {

constexpr double Gauche = 120;
constexpr double Largeur = 5950;

QCheckBox* caseAPlacer(const QString& nom, const QString& texte, QWidget* parent, double haut) {
    QCheckBox* c = caseACocher(parent, nom, texte, Decor::textePanneau);
    Twips::placer(c, Gauche, haut, Largeur, 270);
    return c;
}

// One option button per choice, side by side in a panel of their own (a group), the stored one
// selected.
void options(std::array<OptionButton*, 3>& boutons, const QString& nom, const QStringList& textes,
             const std::array<double, 3>& largeurs, int choisi, QWidget* parent, double haut) {
    auto* groupe = new CaptionPanel(parent);
    groupe->setObjectName(nom + QStringLiteral("Groupe"));
    Twips::placer(groupe, Gauche + 180, haut, Largeur - 180, 255);
    double x = 0;
    for (std::size_t i = 0; i < boutons.size(); ++i) {
        boutons[i] = new OptionButton(textes[qsizetype(i)], groupe);
        boutons[i]->setObjectName(nom + QString::number(i));
        boutons[i]->setTextColor(Decor::textePanneau);
        boutons[i]->setChecked(int(i) == choisi);
        Twips::placer(boutons[i], x, 0, largeurs[i], 255);
        x += largeurs[i];
    }
}

} // namespace

GroupeDiaporama::GroupeDiaporama(SettingsStore& reglages, Prompts& messages, QWidget* parent)
    : CaptionPanel(parent), m_reglages(reglages),
      m_avis(reglages, messages, Form2Textes::OptionsNonEnregistrees) {
    setObjectName(QStringLiteral("GroupeDiaporama"));
    setBackColor(Decor::fondPanneau);
    setBevel(Bevel::Raised);
    Twips::placer(this, 0, 0, PanneauAutresOptions::LargeurGroupe, 2250);
    Twips::placer(etiquette(this, QStringLiteral("TitreDiaporama"), TextesDiaporama::Titre,
                            Decor::textePanneau, true),
                  Gauche, 90, Largeur, 225);
    Twips::placer(
        etiquette(this, QStringLiteral("Label7"), TextesDiaporama::Legende, Decor::textePanneau),
        Gauche, 390, Largeur, 225);
    options(m_legende, QStringLiteral("Legende"), TextesDiaporama::Legendes, {1800, 1700, 2270},
            Reglages::choix(reglages, Reglages::legende(), 3), this, 630);
    m_fondFlou = caseAPlacer(QStringLiteral("FondFlou"), TextesDiaporama::FondFlou, this, 960);
    m_fondFlou->setChecked(Reglages::choix(reglages, Reglages::fondFlou(), 2) == 1);
    m_mouvement = caseAPlacer(QStringLiteral("Mouvement"), TextesDiaporama::Mouvement, this, 1260);
    m_mouvement->setChecked(Reglages::choix(reglages, Reglages::mouvement(), 2) == 1);
    Twips::placer(
        etiquette(this, QStringLiteral("Label8"), TextesDiaporama::Dessin, Decor::textePanneau),
        Gauche, 1620, Largeur, 225);
    options(m_dessin, QStringLiteral("Dessin"), TextesDiaporama::Dessins, {1800, 2100, 1870},
            Reglages::choix(reglages, Reglages::dessin(), 3), this, 1860);
    m_dessin[0]->setToolTip(TextesDiaporama::BulleAutomatique);

    for (std::size_t i = 0; i < m_legende.size(); ++i)
        connect(m_legende[i], &OptionButton::selected, this,
                [this, i] { ecrire(Reglages::legende(), int(i)); });
    for (std::size_t i = 0; i < m_dessin.size(); ++i)
        connect(m_dessin[i], &OptionButton::selected, this,
                [this, i] { ecrire(Reglages::dessin(), int(i)); });
    connect(m_fondFlou, &QCheckBox::toggled, this,
            [this](bool oui) { ecrire(Reglages::fondFlou(), oui ? 1 : 0); });
    connect(m_mouvement, &QCheckBox::toggled, this,
            [this](bool oui) { ecrire(Reglages::mouvement(), oui ? 1 : 0); });
}

void GroupeDiaporama::ecrire(const Reglages::Entree& cle, int valeur) {
    Reglages::ecrire(m_reglages, cle, QString::number(valeur));
    m_avis.verifier();
}
