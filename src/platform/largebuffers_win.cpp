#include "platform/largebuffers.h"

// The system's heap gives large blocks back on its own, and pages are its choice.
void returnLargeBuffersToSystem() {}

void preferLargePages(QImage&) {}
