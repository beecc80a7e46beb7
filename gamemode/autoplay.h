// The pad that plays by itself: it follows the lowest falling ball, aims the rebound at a
// block still to break, and fires when balls wait on the pad. It works the current
// player's controls through the input layer, so the game's rules run unchanged.
#pragma once

#include <cstdint>

extern int32_t autoplayOn;  // set from the command line

// Works the controls for the frame about to read them.
void AutoplayFrame();
