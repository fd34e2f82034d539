#pragma once

#include "platform/instancelock.h"

#include <QLockFile>
#include <memory>

// Takes `lock` at once and tells a live holder apart from a lock that cannot be taken. Qt takes
// over the lock of a dead process itself; one it could not remove is no live holder either.
LockOutcome tryLockNow(QLockFile& lock);

// InstanceLock on a QLockFile in the runtime folder. The lock of a process that died is taken
// over, so a crash never blocks the next start.
class LockFileInstanceLock final : public InstanceLock {
public:
    LockFileInstanceLock();
    explicit LockFileInstanceLock(const QString& lockPath);
    ~LockFileInstanceLock() override;

    bool anotherInstanceRunning() override;
    void release() override;

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_checked = false;
    bool m_other = false;
};
