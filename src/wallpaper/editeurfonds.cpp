#include "wallpaper/editeurfonds.h"

#include "platform/clock.h"
#include "platform/imagepools.h"
#include "platform/prompts.h"
#include "platform/services.h"
#include "settings/reglages.h"
#include "wallpaper/textesfonds.h"

#include <QtConcurrent/QtConcurrentRun>
#include <array>
#include <optional>

namespace {

// What each event does to DeValider and Valider, in that order; an empty cell leaves the button
// as it is.
using Changement = std::array<std::optional<bool>, 2>;
constexpr std::optional<bool> on = true, off = false, tel = std::nullopt;

} // namespace

EditeurFonds::EditeurFonds(Services& services, QString dossierProgramme, QString dossierSecours,
                           QObject* parent)
    : QObject(parent), m_services(services),
      m_avis(services.settings, services.prompts, TextesFonds::JourNonEnregistre),
      m_dossierProgramme(std::move(dossierProgramme)), m_dossierSecours(std::move(dossierSecours)) {
    connect(&m_application, &QFutureWatcher<FondEcran>::finished, this,
            &EditeurFonds::applicationFinie);
}

EditeurFonds::~EditeurFonds() {
    m_application.waitForFinished();
}

void EditeurFonds::activer(Apres evenement) {
    Changement c;
    // clang-format off
    switch (evenement) {
    case Apres::JourAvecImage: c = {on,  on};  break;
    case Apres::JourSansImage: c = {off, off}; break;
    case Apres::ImageChoisie:  c = {on,  on};  break;
    case Apres::EntreeAlbum:   c = {tel, on};  break;
    case Apres::Confirmee:     c = {off, off}; break;
    case Apres::Enlevee:       c = {off, off}; break;
    }
    // clang-format on
    Activation& a = m_activation;
    a = {c[0].value_or(a.deValider), c[1].value_or(a.valider)};
    emit activationChangee();
}

QString EditeurFonds::choisirJour(int jour) {
    m_jour = jour;
    const QString chemin = Reglages::lire(m_services.settings, Reglages::wall(jour));
    activer(chemin.isEmpty() ? Apres::JourSansImage : Apres::JourAvecImage);
    return chemin;
}

void EditeurFonds::imageChoisie() {
    activer(Apres::ImageChoisie);
}

void EditeurFonds::entreeAlbumChoisie() {
    activer(Apres::EntreeAlbum);
}

EditeurFonds::Issue EditeurFonds::confirmer(const QString& chemin) {
    if (m_jour < 0 || m_enCours || !m_services.prompts.askYesNo(TextesFonds::Accepter))
        return Issue::Refusee;
    Reglages::ecrire(m_services.settings, Reglages::wall(m_jour), chemin);
    m_avis.verifier();
    if (m_jour + 1 != m_services.clock.weekdayFromSunday()) {
        activer(Apres::Confirmee);
        return Issue::Enregistree;
    }
    if (chemin.trimmed().isEmpty())
        return Issue::ApercuVide;
    appliquer(chemin);
    return Issue::Application;
}

bool EditeurFonds::enlever() {
    if (m_jour < 0 || !m_services.prompts.askYesNo(TextesFonds::Enlever))
        return false;
    Reglages::effacer(m_services.settings, Reglages::wall(m_jour));
    m_avis.verifier();
    activer(Apres::Enlevee);
    return true;
}

void EditeurFonds::appliquer(const QString& chemin) {
    m_enCours = true;
    m_cheminApplique = chemin;
    const Pictures* pictures = &m_services.pictures;
    DesktopWallpaper* bureau = &m_services.wallpaper;
    const QSize ecran = plusGrandEcran();
    m_application.setFuture(QtConcurrent::run(
        &ImagePools::shortJobs(), [=, programme = m_dossierProgramme, secours = m_dossierSecours] {
            QImage tempo;
            return ecrireFondEcran(chemin, tempo, *pictures, *bureau, ecran, programme, secours);
        }));
}

void EditeurFonds::applicationFinie() {
    const FondEcran r = m_application.result();
    const QString& chemin = m_cheminApplique;
    // Recorded as applied only when the desktop took it, as the show does.
    const bool reussie = enregistrerFondEcran(m_services.settings, chemin, r);
    if (!reussie) {
        if (!r.imageLue)
            m_services.prompts.notify(TextesFonds::ImageIllisible.arg(chemin));
        else if (r.bitmap.isEmpty())
            m_services.prompts.notify(TextesFonds::BitmapImpossible.arg(
                chemin, cheminDans(m_dossierProgramme, NomBitmapFondEcran),
                cheminDans(m_dossierSecours, NomBitmapFondEcran)));
        else
            m_services.prompts.notify(TextesFonds::BureauRefuse.arg(chemin, r.bitmap));
    }
    m_enCours = false;
    m_cheminApplique.clear();
    activer(Apres::Confirmee);
    emit applicationTerminee(reussie);
}
