#include "album/lecturealbum.h"

#include "album/fichieralbum.h"
#include "album/miroir.h"
#include "platform/imagepools.h"
#include "platform/whenready.h"

#include <QtConcurrent/QtConcurrentRun>

LectureAlbum lireAlbum(const QString& chemin) {
    LectureAlbum lecture;
    lecture.chemin = chemin;
    bool tropGros = false;
    const auto contenu = lireFichierAlbum(chemin, &tropGros);
    if (!contenu) {
        lecture.etat = tropGros ? LectureAlbum::Etat::TropGros : LectureAlbum::Etat::Illisible;
        return lecture;
    }
    lecture.etat = LectureAlbum::Etat::Lu;
    lecture.lignes = lireLignesAlbum(*contenu, &lecture.tronque);
    return lecture;
}

void lireAlbumEnFond(const QString& chemin, QObject* contexte,
                     std::function<void(const LectureAlbum&)> suite) {
    // The short pool: what the user waits for never queues behind a thumbnail build.
    whenReady(QtConcurrent::run(&ImagePools::shortJobs(), lireAlbum, chemin), contexte,
              std::move(suite));
}

QFuture<QStringList> lireMiroirEnFond(const SettingsStore& reglages) {
    if (SettingsStore::ConcurrentReader lire = reglages.concurrentReader())
        return QtConcurrent::run(&ImagePools::shortJobs(), [lire = std::move(lire)]() mutable {
            return ChargerPhotos(lire);
        });
    return QtFuture::makeReadyFuture(ChargerPhotos(reglages));
}
