#include "album/album.h"

#include "album/balayage.h"
#include "album/fichieralbum.h"
#include "album/formatalbum.h"
#include "album/miroir.h"
#include "album/textesalbum.h"
#include "platform/filechooser.h"
#include "platform/prompts.h"
#include "platform/settingsbatch.h"
#include "platform/settingsstore.h"
#include "settings/reglages.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QChar Separateur = QDir::separator();

// Position of the first character after the last separator, 0 when there is none.
qsizetype apresSeparateur(const QString& chemin) {
    return chemin.lastIndexOf(Separateur) + 1;
}

QString avecExtension(const QString& nom) {
    return nom.right(4).toUpper() == QStringLiteral(".ALB") ? nom : nom + QStringLiteral(".alb");
}

} // namespace

Album::Album(SettingsStore& reglages, Prompts& messages, FileChooser& fichiers,
             QString dossierProgramme)
    : m_reglages(reglages), m_messages(messages), m_fichiers(fichiers),
      m_dossierProgramme(std::move(dossierProgramme)),
      m_avis(reglages, messages, TextesAlbum::ReglagesNonEnregistres) {}

std::optional<QString> Album::titreDuFichier(const QString& chemin) {
    const qsizetype debut = apresSeparateur(chemin);
    const qsizetype longueur = chemin.size() - debut - 4;
    if (longueur < 0)
        return std::nullopt;
    return chemin.mid(debut, longueur).toUpper();
}

QString Album::titreDe(const QString& fichier) const {
    return titreDuFichier(fichier).value_or(TitreAlbum);
}

QString Album::dossierDepart(const QString& dossierRetenu) const {
    return dossierRetenu.isEmpty() ? m_dossierProgramme : dossierRetenu;
}

void Album::AjouterFichier(const QString& chemin, int numero) {
    Liste.append(chemin);
    Reglages::ecrire(m_reglages, Reglages::fichier(numero), chemin);
}

void Album::retenirFichier(const QString& fichier) {
    FichierAlbum = fichier;
    {
        const SettingsBatch lot(m_reglages);
        Reglages::ecrire(m_reglages, Reglages::album(), titreDe(fichier));
        Reglages::ecrire(m_reglages, Reglages::nomAlbum(), fichier);
        Reglages::ecrire(m_reglages, Reglages::repertoireOpen(),
                         fichier.left(apresSeparateur(fichier)));
    }
    m_avis.verifier();
}

std::optional<QString> Album::demanderNom() {
    while (true) {
        if (!m_messages.askRetryCancel(TextesAlbum::NomCorrect))
            return std::nullopt;
        const QString choisi = m_fichiers.saveFile(
            {TextesAlbum::TitreSauvegarder, TextesAlbum::FiltreAlbum,
             dossierDepart(Reglages::lire(m_reglages, Reglages::repertoireSave())), QString()});
        if (!choisi.isEmpty())
            return avecExtension(choisi);
    }
}

Album::Sauvegarde Album::Sauvegarder(QString& Fichier) {
    // The callers' commands have just given up the old mirror: whatever happens next, the screen
    // saver and the next start must find the list the user sees.
    recrireMiroir(m_reglages, Liste);
    m_avis.verifier();
    const QString refus = refusAlbum(Liste);
    if (!refus.isEmpty()) {
        m_messages.notify(refus);
        AlbumModifie = true;
        return Sauvegarde::Echouee;
    }
    AlbumModifie = false;
    // A title without a file happens after "Enregistrer Album" in an album never opened: the
    // album has no file of its own yet, so it is named like an album without a title.
    if (TitreAlbum.isEmpty() || Fichier.isEmpty()) {
        const auto nom = demanderNom();
        if (!nom) {
            m_messages.notify(TextesAlbum::NonSauvegarde);
            return Sauvegarde::Abandonnee;
        }
        Fichier = *nom;
        TitreAlbum = titreDe(*nom);
        Reglages::ecrire(m_reglages, Reglages::repertoireSave(), nom->left(apresSeparateur(*nom)));
    }
    const QString raison = enregistrerFichierAlbum(Fichier, *ecrireLignesAlbum(Liste));
    if (!raison.isEmpty()) {
        m_messages.notify(
            TextesAlbum::echecEcriture(QFileInfo(Fichier).absoluteFilePath(), raison));
        AlbumModifie = true;
        return Sauvegarde::Echouee;
    }
    // The file just written holds the album: later saves go there, and the next start reopens it.
    retenirFichier(Fichier);
    return Sauvegarde::Enregistree;
}

bool Album::Supp(int index, const std::function<void()>& apresRetrait) {
    if (index < 0 || index >= Liste.size())
        return false;
    if (!m_messages.askYesNo(estDossier(Liste[index]) ? TextesAlbum::EnleverDossier
                                                      : TextesAlbum::EnleverPhoto))
        return false;
    Liste.removeAt(index);
    if (apresRetrait)
        apresRetrait();
    Sauvegarder(FichierAlbum);
    return true;
}

bool Album::ouvrirAlbum() {
    // Opening replaces the list: when the changes could not be saved, the user keeps them.
    if (AlbumModifie && m_messages.askYesNo(TextesAlbum::AlbumModifie) &&
        Sauvegarder(FichierAlbum) == Sauvegarde::Echouee)
        return false;
    const QString chemin = m_fichiers.openFile(
        {TextesAlbum::TitreOuvrir, TextesAlbum::FiltreAlbum,
         dossierDepart(Reglages::lire(m_reglages, Reglages::repertoireOpen())), QString()});
    if (chemin.isEmpty())
        return false;
    const QString ancien = FichierAlbum;
    FichierAlbum = chemin;
    // A file that gives no photo is not the album's: the list and its file stay.
    if (!ReouvrirFichier()) {
        FichierAlbum = ancien;
        return false;
    }
    retenirFichier(chemin);
    return true;
}

Album::ResultatPhotos Album::photos() {
    const QString choix = m_fichiers.openFiles(
        {TextesAlbum::TitrePhotos, TextesAlbum::FiltrePhotos,
         dossierDepart(Reglages::lire(m_reglages, Reglages::repertoireExplore())), QString()});
    if (choix.isEmpty())
        return ResultatPhotos::Annule;

    auto resultat = ResultatPhotos::Ajoutees;
    if (!Liste.isEmpty() && m_messages.askYesNo(TextesAlbum::NouvelAlbum)) {
        TitreAlbum.clear();
        // The next start must not reopen the former album over the new one.
        Reglages::effacer(m_reglages, Reglages::album());
        Reglages::effacer(m_reglages, Reglages::nomAlbum());
        Reglages::effacerSection(m_reglages, Reglages::Section::ListeDeFichiers);
        Liste.clear();
        resultat = ResultatPhotos::NouvelAlbum;
    }
    int numero = int(Liste.size());
    // Also in an empty list: opening an album or the next start would otherwise replace the
    // photos the user added without a question.
    AlbumModifie = true;

    QString dossier;
    QStringList noms;
    const qsizetype nul = choix.indexOf(QChar(0));
    if (nul < 0 && estDossier(sansBlancs(choix))) {
        // A folder: the album keeps the folder itself; the next choice starts beside it.
        const QString choisi = sansBlancs(choix);
        const qsizetype parent = choisi.left(choisi.size() - 1).lastIndexOf(Separateur) + 1;
        {
            const SettingsBatch lot(m_reglages);
            Reglages::ecrire(m_reglages, Reglages::repertoireExplore(),
                             parent > 0 ? choisi.left(parent) : choisi);
            AjouterFichier(choisi, numero);
        }
        m_avis.verifier();
        return resultat;
    }
    if (nul >= 0) {
        dossier = sansBlancs(choix.left(nul));
        // A root folder already ends with its separator.
        if (!dossier.endsWith(Separateur))
            dossier += Separateur;
        noms = choix.mid(nul + 1).split(QChar(0));
    } else {
        const qsizetype debutNom = apresSeparateur(choix);
        if (debutNom > 0)
            dossier = sansBlancs(choix.left(debutNom - 1)) + Separateur;
        noms = {choix.mid(debutNom)};
    }
    {
        const SettingsBatch lot(m_reglages);
        Reglages::ecrire(m_reglages, Reglages::repertoireExplore(), dossier);
        for (const QString& nom : noms) {
            if (!nom.isEmpty())
                AjouterFichier(sansBlancs(dossier + nom), numero++);
        }
    }
    m_avis.verifier();
    return resultat;
}

std::optional<Album::Sauvegarde> Album::enregistrerAlbum() {
    // Refused before the user names a file, since no name would help.
    const QString refus = refusAlbum(Liste);
    if (!refus.isEmpty()) {
        m_messages.notify(refus);
        return Sauvegarde::Echouee;
    }
    const QString choisi = m_fichiers.saveFile(
        {TextesAlbum::TitreSauvegarder, TextesAlbum::FiltreAlbum,
         dossierDepart(Reglages::lire(m_reglages, Reglages::repertoireSave())), QString()});
    if (choisi.isEmpty())
        return std::nullopt;
    QString fichier = avecExtension(choisi);
    Reglages::ecrire(m_reglages, Reglages::repertoireSave(),
                     fichier.left(apresSeparateur(fichier)));
    if (!m_messages.askYesNo(TextesAlbum::confirmerSauvegarde(fichier)))
        return std::nullopt;
    // The title first: an album without one would otherwise be asked for a name again. A save
    // that fails leaves the album its former title, as it leaves it its file.
    const QString ancienTitre = TitreAlbum;
    TitreAlbum = titreDe(fichier);
    const Sauvegarde resultat = Sauvegarder(fichier);
    if (resultat != Sauvegarde::Enregistree)
        TitreAlbum = ancienTitre;
    return resultat;
}

bool Album::fermer() {
    if (!AlbumModifie || !m_messages.askYesNo(TextesAlbum::AlbumModifie))
        return true;
    return Sauvegarder(FichierAlbum) != Sauvegarde::Echouee;
}
