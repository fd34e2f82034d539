#pragma once

// Large buffers (a photo at screen size, the fade's picture of the screen) go back to the
// system as soon as they are freed. Left to itself the C library keeps freed blocks of up to
// 32 MB for the next request, and blocks of slightly different sizes, freed by one thread and
// asked for by another, then pile up: a 4K show held one photo more than it used.
// Called once, at the start, before any thread.
void returnLargeBuffersToSystem();

class QImage;

// Asks the system to back a freshly made, still untouched image with large pages where it can:
// filling a screen-sized photo then costs a few faults instead of thousands.
void preferLargePages(QImage& image);
