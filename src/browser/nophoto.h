#pragma once

#include <QImage>

// The placeholder shown instead of a photo whose file cannot be found: a palm beach, 200 x 250
// pixels, marked in French that the photo cannot be found. Painted in code.
QImage imageNophoto();
