#include "platform/largebuffers.h"

#include <QImage>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

void returnLargeBuffersToSystem() {
    // A fixed threshold also stops the library from raising it after each large free.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
    // Below that, freed memory stays for the next request: a decode that asks for a few
    // hundred kilobytes at a time would otherwise fault in fresh pages for each.
    mallopt(M_TRIM_THRESHOLD, 16 * 1024 * 1024);
}

void preferLargePages(QImage& image) {
    constexpr quintptr huge = 2 * 1024 * 1024;
    const auto start = (quintptr(image.bits()) + huge - 1) & ~(huge - 1);
    const auto end = (quintptr(image.bits()) + quintptr(image.sizeInBytes())) & ~(huge - 1);
    if (end > start)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}
