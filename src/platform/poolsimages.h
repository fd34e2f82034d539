#pragma once

class QThreadPool;

// Threads that decode pictures, kept apart from Qt's global pool: Qt paints some images with
// the help of that pool and waits for it, so long decodes there would hold the UI thread.
namespace PoolsImages {

// Long jobs that use every core: the build of a grid's thumbnails.
QThreadPool& longs();
// Short jobs the user waits for: a preview, the thumbnails in view, the show's next photo, a
// wallpaper. They never queue behind a long build.
QThreadPool& courts();

} // namespace PoolsImages
