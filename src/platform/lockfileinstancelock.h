#pragma once

#include "platform/instancelock.h"

#include <QLockFile>
#include <memory>

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
