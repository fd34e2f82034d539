#include "config/groupeveille.h"

#include "config/panneauautresoptions.h"
#include "config/textesveille.h"
#include "controls/fonts.h"
#include "controls/picturebutton.h"
#include "decor/decor.h"
#include "decor/etiquette.h"
#include "decor/twips.h"
#include "platform/instancelock.h"
#include "platform/prompts.h"
#include "platform/services.h"
#include "platform/settingsstore.h"
#include "settings/reglages.h"
#include "veille/avisveille.h"
#include "veille/commandeveille.h"
#include "veille/idlesetup.h"
#include "veille/showlauncher.h"
#include "veille/veille.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>

namespace {

const QColor couleurAvertissement(255, 210, 120);
constexpr int MinutesMax = 999;

} // namespace

GroupeVeille::GroupeVeille(Services& services, QWidget* parent)
    : CaptionPanel(parent), m_reglages(services.settings), m_session(services.idle),
      m_instance(services.instance), m_messages(services.prompts) {
    setObjectName(QStringLiteral("GroupeVeille"));
    setBackColor(Decor::fondPanneau);
    setBevel(Bevel::Raised);
    Twips::placer(this, 0, 0, PanneauAutresOptions::LargeurGroupe, 2040);
    Twips::placer(etiquette(this, QStringLiteral("TitreVeille"), TextesVeille::Titre,
                            Decor::textePanneau, true),
                  120, 90, 5950, 225);

    CaseVeille =
        caseACocher(this, QStringLiteral("CaseVeille"), TextesVeille::Case, Decor::textePanneau);
    Twips::placer(CaseVeille, 120, 390, 5950, 270);

    Twips::placer(
        etiquette(this, QStringLiteral("ApresVeille"), TextesVeille::Apres, Decor::textePanneau),
        420, 795, 600, 225);
    Minutes = new QSpinBox(this);
    Minutes->setObjectName(QStringLiteral("Minutes"));
    Minutes->setFont(dialogFont());
    Minutes->setRange(1, MinutesMax);
    Minutes->setSuffix(TextesVeille::Minutes);
    Twips::placer(Minutes, 1020, 735, 2400, 330);

    Essayer = new PictureButton(this);
    Essayer->setObjectName(QStringLiteral("Essayer"));
    Twips::placer(Essayer, 3780, 735, 2290, 330);
    Essayer->setCaption(TextesVeille::Essayer);
    Essayer->setToolTip(TextesVeille::BulleEssayer);
    Essayer->setPictureUp(Decor::bouton(Essayer->size(), false));
    Essayer->setPictureDown(Decor::bouton(Essayer->size(), true));

    Raison = etiquette(this, QStringLiteral("RaisonVeille"), QString(), couleurAvertissement);
    Twips::placer(Raison, 120, 1200, 5950, 225);
    LigneBureau = etiquette(this, QStringLiteral("LigneBureau"), QString(), Decor::textePanneau);
    Twips::placer(LigneBureau, 120, 1470, 5950, 450);
    LigneBureau->setWordWrap(true);
    LigneBureau->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(CaseVeille, &QCheckBox::clicked, this, &GroupeVeille::CaseVeille_Click);
    connect(Minutes, &QSpinBox::valueChanged, this, &GroupeVeille::Minutes_Change);
    connect(Essayer, &PictureButton::clicked, this, &GroupeVeille::Essayer_Click);
    // The dialog steps aside while the show it started runs (a show ends when another instance
    // runs), and takes its place again after.
    connect(&m_session.show(), &ShowLauncher::finished, this,
            [this] { m_instance.anotherInstanceRunning(); });
}

void GroupeVeille::showEvent(QShowEvent* event) {
    CaptionPanel::showEvent(event);
    actualiser();
}

void GroupeVeille::actualiser() {
    m_sourceRepond = m_session.idleSourceAnswers();
    Raison->setText(raisonVeilleIndisponible(m_sourceRepond, m_session.hostRunning()));
    montrerEtat();
    const qint64 secondes = delaiVeille(m_reglages).count();
    const QSignalBlocker bloque(Minutes);
    Minutes->setValue(int(std::clamp<qint64>((secondes + 30) / 60, 1, MinutesMax)));
    m_bureau = m_session.desktopAction();
    montrerAvis();
}

void GroupeVeille::montrerEtat() {
    CaseVeille->setChecked(QFile::exists(cheminEntreeVeille()));
    // A watcher already on can always be turned off.
    CaseVeille->setEnabled(Raison->text().isEmpty() || CaseVeille->isChecked());
}

void GroupeVeille::CaseVeille_Click(bool coche) {
    const IssueVeille issue =
        coche ? activerVeille(m_session.program(), m_sourceRepond) : desactiverVeille();
    if (issue.code != 0)
        m_messages.notify(issue.ligne);
    // What the session offers was read when the group was shown: the click changes none of it.
    montrerEtat();
}

void GroupeVeille::Minutes_Change(int minutes) {
    Reglages::ecrire(m_reglages, Reglages::delaiVeille(), QString::number(minutes * 60));
    montrerAvis();
}

void GroupeVeille::Essayer_Click() {
    Essayer->setValue(false);
    if (m_session.show().running())
        return;
    m_instance.release();
    m_session.show().start();
}

void GroupeVeille::montrerAvis() {
    const AvisBureau avis = avisDelaiBureau(m_bureau, std::chrono::minutes(Minutes->value()));
    LigneBureau->setText(avis.texte);
    QPalette pal = LigneBureau->palette();
    pal.setColor(QPalette::WindowText, avis.alerte ? couleurAvertissement : Decor::textePanneau);
    LigneBureau->setPalette(pal);
}
