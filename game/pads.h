// The four pads: pad 0 is the player's own, moved by the game frame; pad 1 the Auto Pad,
// swaying around pad 0 on its own; pads 2 and 3 the Twin Pads, riding higher up at pad 0's
// ends. The extra pads take a mode argument: 1 bring in, -1 let it shrink away, -2 remove
// at once, 0 one frame of motion.
#pragma once

#include <cstdint>

extern int32_t autoPadPhase;   // Auto Pad: 1 growing in, 0 swaying, -1 shrinking away
extern int32_t autoPadDir;     // Auto Pad: -1 moving left, +1 moving right
extern int32_t autoPadOffset;  // Auto Pad: centre offset from pad 0's centre while it grows or shrinks
extern int32_t twinPadPhase;   // Twin Pads: 1 growing in, 0 following, -1 shrinking away

void Pad1Move(int mode);
void Pad23Move(int mode);

// Every pad slot back to rest: type, animation 0, width 72, only pad 0 active, at (220, 418).
void SetUpPads();

// Puts the pad records back to their start-of-program values.
void ResetPads();
