#include "settings/reglages.h"

#include "controls/reglesdialogue.h"
#include "platform/settingsstore.h"
#include "settings/vitesses.h"

namespace Reglages {

QString cleNumerotee(const QString& nom, int n) {
    return nom + (n < 0 ? QString::number(n) : u' ' + QString::number(n));
}

Entree titre() {
    return {Section::Param, QStringLiteral("Titre"), QStringLiteral("1")};
}
Entree position() {
    return {Section::Param, QStringLiteral("Position"), QStringLiteral("0")};
}
Entree vitesseAffichage() {
    return {Section::Param, cleNumerotee(QStringLiteral("Combo"), 0),
            QString::number(Vitesses::DefautAffichage)};
}
Entree vitesseDialogue() {
    return {Section::Param, cleNumerotee(QStringLiteral("Combo"), 0),
            QString::number(Vitesses::DefautDialogue)};
}

Entree legende() {
    return {Section::Param, QStringLiteral("Legende"), QStringLiteral("0")};
}
Entree fondFlou() {
    return {Section::Param, QStringLiteral("FondFlou"), QStringLiteral("0")};
}
Entree mouvement() {
    return {Section::Param, QStringLiteral("Mouvement"), QStringLiteral("0")};
}
Entree dessin() {
    return {Section::Param, QStringLiteral("Dessin"), QStringLiteral("0")};
}

Entree album() {
    return {Section::Demarrage, QStringLiteral("Album"), QString()};
}
Entree nomAlbum() {
    return {Section::Demarrage, QStringLiteral("NomAlbum"), QString()};
}
Entree repertoireOpen() {
    return {Section::Demarrage, QStringLiteral("RepertoireOpen"), QString()};
}
Entree repertoireExplore() {
    return {Section::Demarrage, QStringLiteral("RepertoireExplore"), QString()};
}
Entree repertoireSave() {
    return {Section::Demarrage, QStringLiteral("RepertoireSave"), QString()};
}

Entree fichier(int n) {
    return {Section::ListeDeFichiers, cleNumerotee(QStringLiteral("Fichier"), n), QString()};
}

Entree wall(int jour) {
    return {Section::Wallpaper, cleNumerotee(QStringLiteral("Wall"), jour), QString()};
}
Entree wallTemp() {
    return {Section::Wallpaper, QStringLiteral("WallTemp"), QString()};
}

Entree delaiVeille() {
    return {Section::Veille, QStringLiteral("Delai"), QStringLiteral("600")};
}

QString lire(const SettingsStore& store, const Entree& e) {
    return store.read(e.section, e.cle, e.defaut);
}

void ecrire(SettingsStore& store, const Entree& e, const QString& valeur) {
    store.write(e.section, e.cle, valeur);
}

void effacer(SettingsStore& store, const Entree& e) {
    store.removeKey(e.section, e.cle);
}

void effacerSection(SettingsStore& store, const QString& section) {
    store.removeSection(section);
}

bool vautZero(const QString& valeur) {
    bool ok = false;
    const double v = valeur.trimmed().toDouble(&ok);
    return ok && v == 0.0;
}

int choix(const SettingsStore& store, const Entree& e, int nombre) {
    return ReglesDialogue::indexOption(lire(store, e), nombre, e.defaut.toInt());
}

} // namespace Reglages
