#include "platform/lockfileinstancelock.h"

#include <QDir>
#include <QStandardPaths>

LockFileInstanceLock::LockFileInstanceLock()
    : LockFileInstanceLock(QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
                               .filePath(QStringLiteral("lumivane.lock"))) {}

LockFileInstanceLock::LockFileInstanceLock(const QString& lockPath) : m_path(lockPath) {}

LockFileInstanceLock::~LockFileInstanceLock() = default;

bool LockFileInstanceLock::anotherInstanceRunning() {
    if (m_checked)
        return m_other;
    m_checked = true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // Age alone never makes a lock stale: only the death of its owner does.
    m_lock->setStaleLockTime(0);
    // Only a lock held by a live process is another instance: a lock that cannot be taken for
    // any other reason (a full or read-only runtime folder) must not keep the show from running.
    m_other = !m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError;
    return m_other;
}

void LockFileInstanceLock::release() {
    m_lock.reset();
    m_checked = false;
}
