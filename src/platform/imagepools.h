#pragma once

class QThreadPool;

// Threads that decode pictures, kept apart from Qt's global pool: Qt paints some images with
// the help of that pool and waits for it, so long decodes there would hold the UI thread.
namespace ImagePools {

// Long jobs that use every core: the build of a grid's thumbnails.
QThreadPool& longJobs();
// Short jobs the user waits for: a preview, the thumbnails in view, the show's next photo, a
// wallpaper. They never queue behind a long build.
QThreadPool& shortJobs();

// A file being written on one of these threads: the end of the process waits for it to be
// complete. One that starts after the end was asked for waits for the end instead.
class PendingWrite {
public:
    PendingWrite();
    ~PendingWrite();
    PendingWrite(const PendingWrite&) = delete;
    PendingWrite& operator=(const PendingWrite&) = delete;
};

// Ends the process with `code` now: the writes under way are finished, the decodes under way
// are abandoned (a decode cannot be interrupted, and a large one takes seconds). Only the UI
// thread calls it, once its own work is done and the settings are stored.
[[noreturn]] void quit(int code);

} // namespace ImagePools
