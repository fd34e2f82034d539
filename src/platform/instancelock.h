#pragma once

// What an attempt to take a lock found: only a lock held by a live process is another
// instance; a lock that cannot be taken for any other reason (a full or read-only runtime
// folder) says nothing of one.
enum class LockOutcome { Taken, HeldByLiveProcess, Unavailable };

// Tells whether another instance of the program is running. The first call registers this
// process as an instance for as long as it lives.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    virtual bool anotherInstanceRunning() = 0;
    // Stops being registered, before a process that ends without destroying its objects, or
    // while the dialog lets a show it started run; the next question registers it again.
    virtual void release() {}
};
