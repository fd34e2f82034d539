#include "config/groupespectacle.h"

#include "config/form2textes.h"
#include "decor/decor.h"
#include "controls/fonts.h"
#include "controls/optionbutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QStringList Legendes = {QStringLiteral("Chemin complet"), QStringLiteral("Nom du fichier"),
                              QStringLiteral("Date de la prise de vue")};
const QStringList Dessins = {QStringLiteral("Automatique (OpenGL sur une carte graphique)"),
                             QStringLiteral("Toujours OpenGL"), QStringLiteral("Sans OpenGL")};

QLabel* titre(const QString& texte, QWidget* parent) {
    auto* l = new QLabel(texte, parent);
    l->setFont(dialogFont());
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Decor::textePanneau);
    l->setPalette(pal);
    return l;
}

QCheckBox* caseACocher(const QString& nom, const QString& texte, QWidget* parent) {
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(nom);
    c->setFont(dialogFont());
    QPalette pal = c->palette();
    pal.setColor(QPalette::WindowText, Decor::textePanneau);
    c->setPalette(pal);
    return c;
}

// One option button per choice, in a widget of their own (a group), the stored one selected.
template <std::size_t N>
QWidget* options(std::array<OptionButton*, N>& boutons, const QString& nom,
                 const QStringList& textes, int choisi, QWidget* parent) {
    auto* groupe = new QWidget(parent);
    auto* disposition = new QVBoxLayout(groupe);
    disposition->setContentsMargins(12, 0, 0, 0);
    disposition->setSpacing(0);
    for (std::size_t i = 0; i < N; ++i) {
        boutons[i] = new OptionButton(textes[qsizetype(i)], groupe);
        boutons[i]->setObjectName(nom + QString::number(i));
        boutons[i]->setTextColor(Decor::textePanneau);
        boutons[i]->setChecked(int(i) == choisi);
        disposition->addWidget(boutons[i]);
    }
    return groupe;
}

} // namespace

GroupeSpectacle::GroupeSpectacle(SettingsStore& reglages, Prompts& messages, QWidget* parent)
    : QWidget(parent), m_reglages(reglages),
      m_avis(reglages, messages, Form2Textes::OptionsNonEnregistrees) {
    setObjectName(QStringLiteral("GroupeSpectacle"));
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(titre(Form2Textes::TitrePhoto + QStringLiteral(" :"), this));
    disposition->addWidget(options(m_legende, QStringLiteral("Legende"), Legendes,
                                   Reglages::choix(reglages, Reglages::legende(), 3), this));
    m_fondFlou = caseACocher(QStringLiteral("FondFlou"),
                             QStringLiteral("Fond flou autour des photos qui ne remplissent "
                                            "pas l'écran"),
                             this);
    m_fondFlou->setChecked(Reglages::choix(reglages, Reglages::fondFlou(), 2) == 1);
    disposition->addWidget(m_fondFlou);
    m_mouvement = caseACocher(QStringLiteral("Mouvement"),
                              QStringLiteral("Mouvement lent des photos pendant le fondu et "
                                             "après (panoramique et zoom)"),
                              this);
    m_mouvement->setChecked(Reglages::choix(reglages, Reglages::mouvement(), 2) == 1);
    disposition->addWidget(m_mouvement);
    disposition->addWidget(titre(QStringLiteral("Dessin du diaporama :"), this));
    disposition->addWidget(options(m_dessin, QStringLiteral("Dessin"), Dessins,
                                   Reglages::choix(reglages, Reglages::dessin(), 3), this));

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

void GroupeSpectacle::ecrire(const Reglages::Entree& cle, int valeur) {
    Reglages::ecrire(m_reglages, cle, QString::number(valeur));
    m_avis.verifier();
}
