#include "platform/poolsimages.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace {

// Owned by the application, whose end waits for the jobs under way.
QThreadPool* creer(const char* nom) {
    auto* pool = new QThreadPool(QCoreApplication::instance());
    pool->setObjectName(QString::fromLatin1(nom));
    return pool;
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
