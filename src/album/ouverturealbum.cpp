// The album taken from its file: at start-up, when reopened, when the user opens one.
#include "album/album.h"
#include "album/fichieralbum.h"
#include "album/formatalbum.h"
#include "album/lecturealbum.h"
#include "album/textesalbum.h"
#include "platform/prompts.h"
#include "platform/settingsbatch.h"
#include "settings/reglages.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Titles are in capitals while a file keeps the case it was saved with: where file names tell
// case apart, the one file of the folder whose name differs only by case is the album's.
QString fichierSansCasse(const QString& chemin) {
    const QFileInfo info(chemin);
    if (info.exists() || info.fileName().isEmpty())
        return chemin;
    QStringList noms;
    // Name filters ignore case; a name holding wildcard characters is checked afterwards.
    for (const QString& nom : info.dir().entryList({info.fileName()}, QDir::Files | QDir::Hidden))
        if (nom.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            noms << nom;
    return noms.size() == 1 ? chemin.left(chemin.lastIndexOf(QDir::separator()) + 1) + noms.first()
                            : chemin;
}

} // namespace

std::optional<QString> Album::dernierAlbumARouvrir() {
    const QString nom = Reglages::lire(m_reglages, Reglages::album());
    // An empty list stays the remembered album's: photos added to it are then changes of that
    // album, offered to be saved, instead of a list its file replaces unasked at the next start.
    if (Liste.isEmpty() && nom.isEmpty())
        return std::nullopt;
    if (!sansBlancs(nom).isEmpty())
        TitreAlbum = nom;
    FichierAlbum = Reglages::lire(m_reglages, Reglages::repertoireOpen());
    if (FichierAlbum.isEmpty()) {
        FichierAlbum = m_dossierProgramme;
        if (!FichierAlbum.endsWith(QDir::separator()))
            FichierAlbum += QDir::separator();
    }
    FichierAlbum = fichierSansCasse(FichierAlbum + sansBlancs(TitreAlbum) + QStringLiteral(".alb"));
    if (nom.isEmpty() || Liste.isEmpty())
        return std::nullopt;
    m_listeAvantLecture = Liste;
    return FichierAlbum;
}

bool Album::reprendreDernierAlbum(const LectureAlbum& lecture) {
    // The user may have opened another album or changed the list while the file was read.
    if (lecture.chemin != FichierAlbum || Liste != m_listeAvantLecture)
        return false;
    m_listeAvantLecture.clear();
    // A file missing or unreadable today (a medium not mounted) is no reason to drop the list the
    // screen saver shows: the user keeps it, under the album's title.
    if (lecture.etat == LectureAlbum::Etat::Illisible)
        return false;
    // The list was just read from the mirror: when the file says the same, as it does after
    // every save, rewriting thousands of keys would only hold the dialog.
    bool memeListe = lecture.lignes.size() == Liste.size();
    for (qsizetype i = 0; memeListe && i < Liste.size(); ++i)
        memeListe = lecture.lignes[i].numero == i && lecture.lignes[i].chemin == Liste[i];
    return remplacerPar(lecture, !memeListe);
}

bool Album::retrouverDernierAlbum() {
    const auto fichier = dernierAlbumARouvrir();
    return fichier && reprendreDernierAlbum(lireAlbum(*fichier));
}

bool Album::ReouvrirFichier() {
    const LectureAlbum lecture = lireAlbum(FichierAlbum);
    if (lecture.etat == LectureAlbum::Etat::Illisible) {
        m_messages.notify(TextesAlbum::illisible(FichierAlbum));
        return false;
    }
    return remplacerPar(lecture, true);
}

bool Album::remplacerPar(const LectureAlbum& lecture, bool ecrireMiroir) {
    if (lecture.etat == LectureAlbum::Etat::TropGros) {
        m_messages.notify(TextesAlbum::fichierTropGros(lecture.chemin, MaxOctetsFichierAlbum));
        return false;
    }
    // The show plays the mirror: a file that gives nothing must not erase it.
    if (lecture.lignes.isEmpty()) {
        m_messages.notify(TextesAlbum::aucunePhoto(lecture.chemin));
        return false;
    }
    if (ecrireMiroir) {
        const SettingsBatch lot(m_reglages);
        Reglages::effacerSection(m_reglages, Reglages::Section::ListeDeFichiers);
        Liste.clear();
        // The line's own number gives the key, so the mirror shows what the file says.
        for (const LigneAlbum& ligne : lecture.lignes)
            AjouterFichier(ligne.chemin, ligne.numero);
    }
    TitreAlbum = titreDe(FichierAlbum);
    if (lecture.tronque)
        m_messages.notify(TextesAlbum::lectureArretee(lecture.chemin, MaxPhotosFichierAlbum));
    m_avis.verifier();
    return true;
}
