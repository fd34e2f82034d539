#pragma once

#include "controls/photomotion.h"

class RandomSource;

// The slow pan and zoom of one photo, chosen at random: the photo grows or shrinks by 4 to 8 %
// (never below the screen's size) while the part in view goes from one place to another, over
// about as long as a photo stays on screen at the show's speed, `fonduMs` being its fade.
PhotoMotion mouvementAuHasard(RandomSource& hasard, int fonduMs);
