#pragma once

#include "startup/lancement.h"

// The starts that open no window: help, version, the idle watcher and its commands, and the
// start that only tidies up. Runs without a window system.
int lancerSansFenetre(Lancement genre, int argc, char* argv[]);
