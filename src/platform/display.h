#pragma once

// Whether the window system can be reached. Qt ends the process when it cannot start its
// window system, so a start that needs windows asks first and ends politely instead.
bool displayAvailable();
