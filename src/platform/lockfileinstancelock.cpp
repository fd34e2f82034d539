#include "platform/lockfileinstancelock.h"

#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

LockOutcome tryLockNow(QLockFile& lock) {
    if (lock.tryLock(0))
        return LockOutcome::Taken;
    if (lock.error() != QLockFile::LockFailedError)
        return LockOutcome::Unavailable;
#ifdef Q_OS_UNIX
    qint64 pid = 0;
    QString host;
    QString application;
    // Unreadable details belong to a holder still writing them: that one is alive.
    if (lock.getLockInfo(&pid, &host, &application) && pid > 0 &&
        (host.isEmpty() || host == QSysInfo::machineHostName()) &&
        ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return LockOutcome::Unavailable;
#endif
    return LockOutcome::HeldByLiveProcess;
}

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
    // A lock that cannot be taken for another reason than a live holder must not keep the show
    // from running.
    m_other = tryLockNow(*m_lock) == LockOutcome::HeldByLiveProcess;
    return m_other;
}

void LockFileInstanceLock::release() {
    m_lock.reset();
    m_checked = false;
}
