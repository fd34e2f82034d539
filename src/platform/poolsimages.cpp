#include "platform/poolsimages.h"

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

QThreadPool& PoolsImages::longs() {
    static QThreadPool* const pool = creer("PoolsImages::longs");
    return *pool;
}

QThreadPool& PoolsImages::courts() {
    static QThreadPool* const pool = creer("PoolsImages::courts");
    return *pool;
}

PoolsImages::Ecriture::Ecriture() {
    ecritures().lock_shared();
}

PoolsImages::Ecriture::~Ecriture() {
    ecritures().unlock_shared();
}

void PoolsImages::quitter(int code) {
    ecritures().lock();
    std::fflush(nullptr);
    // No destructor and no exit handler runs: they would join the decoding threads, or pull
    // the image plugins from under them.
    std::_Exit(code);
}
