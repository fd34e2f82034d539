#include "album/lecturealbum.h"

#include "album/fichieralbum.h"
#include "album/miroir.h"
#include "platform/poolsimages.h"

#include <QtConcurrent/QtConcurrentRun>

LectureAlbum LireAlbum(const QString& chemin) {
    LectureAlbum lecture;
    lecture.chemin = chemin;
    bool tropGros = false;
    const auto contenu = LireFichierAlbum(chemin, &tropGros);
    if (!contenu) {
        lecture.etat = tropGros ? LectureAlbum::Etat::TropGros : LectureAlbum::Etat::Illisible;
        return lecture;
    }
    lecture.etat = LectureAlbum::Etat::Lu;
    lecture.lignes = LireLignesAlbum(*contenu, &lecture.tronque);
    return lecture;
}

void LireAlbumEnFond(const QString& chemin, QObject* contexte,
                     std::function<void(const LectureAlbum&)> suite) {
    // The short pool: what the user waits for never queues behind a thumbnail build.
    QtConcurrent::run(&PoolsImages::courts(), LireAlbum, chemin)
        .then(contexte,
              [suite = std::move(suite)](const LectureAlbum& lecture) { suite(lecture); });
}

QFuture<QStringList> LireMiroirEnFond(const SettingsStore& reglages) {
    if (SettingsStore::ConcurrentReader lire = reglages.concurrentReader())
        return QtConcurrent::run(&PoolsImages::courts(), [lire = std::move(lire)]() mutable {
            return ChargerPhotos(lire);
        });
    return QtFuture::makeReadyFuture(LireMiroir(reglages));
}
