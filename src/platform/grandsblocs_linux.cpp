#include "platform/grandsblocs.h"

#include <malloc.h>

void returnLargeBuffersToSystem() {
    // A fixed threshold also stops the library from raising it after each large free.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
}
