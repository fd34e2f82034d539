#include "platform/imagepools.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <cstdio>
#include <cstdlib>
#include <shared_mutex>

namespace {

// Owned by the application, but the process ends without destroying it (see quitter): its
// threads are never joined.
QThreadPool* creer(const char* nom) {
    auto* pool = new QThreadPool(QCoreApplication::instance());
    pool->setObjectName(QString::fromLatin1(nom));
    return pool;
}

std::shared_mutex& ecritures() {
    static std::shared_mutex verrou;
    return verrou;
}

} // namespace

QThreadPool& ImagePools::longJobs() {
    static QThreadPool* const pool = creer("ImagePools::longJobs");
    return *pool;
}

QThreadPool& ImagePools::shortJobs() {
    static QThreadPool* const pool = creer("ImagePools::shortJobs");
    return *pool;
}

ImagePools::PendingWrite::PendingWrite() {
    ecritures().lock_shared();
}

ImagePools::PendingWrite::~PendingWrite() {
    ecritures().unlock_shared();
}

void ImagePools::quit(int code) {
    ecritures().lock();
    std::fflush(nullptr);
    // No destructor and no exit handler runs: they would join the decoding threads, or pull
    // the image plugins from under them.
    std::_Exit(code);
}
