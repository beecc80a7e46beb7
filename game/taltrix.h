// Taltrix mode: fire balls that plough through blocks; every hit is queued, the game
// freezes for a flash of the palette, then the queued blocks break and the ball looks
// ahead for the next one. Taltrix takes 1 on, -1 off with a black flash, -2 off silently,
// 0 one frame of the flash.
#pragma once

#include <cstdint>

#include "gfx/sprite.h"

extern int32_t fadeState;  // the flash's fade: 0 to its colour, 1 back, 2 done

void Taltrix(int mode);
// 1 if ball i found and hit another block a little way ahead.
int TaltrixNextBlock(int ball);
// Queues the block a Taltrix ball touched and starts the flash.
void TaltrixQueueHit(int ball, Q2SL_sprite* block);

// Puts the Taltrix records back to their start-of-program values.
void ResetTaltrix();
