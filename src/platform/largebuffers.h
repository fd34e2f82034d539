#pragma once

#include <QImage>

// Large buffers (a photo at screen size, the fade's picture of the screen) go back to the
// system as soon as they are freed. Left to itself the C library keeps freed blocks of up to
// 32 MB for the next request, and blocks of slightly different sizes, freed by one thread and
// asked for by another, then pile up: a 4K show held one photo more than it used.
// Called once, at the start, before any thread.
void returnLargeBuffersToSystem();

// Asks the system to back a freshly made, still untouched image with large pages where it can:
// filling a screen-sized photo then costs a few faults instead of thousands.
void preferLargePages(QImage& image);

// An RGB32 picture of `size` whose memory, once its last copy is gone, is kept for the next
// one asked for here, resized to it, instead of being handed back to the system and asked for
// again, zeroed page by page. A block is kept only while at most one such picture is alive:
// the show holds two at every change (the photo on screen and the next one), so a kept block
// never adds to the most it holds. Small pictures come from the usual allocator.
QImage recyclableImage(const QSize& size);
