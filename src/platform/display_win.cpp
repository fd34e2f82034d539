#include "platform/display.h"

bool displayAvailable() {
    // A Windows session always has its desktop.
    return true;
}
