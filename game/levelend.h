// The end and the beginning of a level: the level-complete sequence, the advance to the
// next level (and the victory after the last), and the set-up every start, restart and
// turn change goes through.
#pragma once

#include <cstdint>

#include "gfx/sprite.h"

extern int32_t levelDoneCount;
extern int32_t levelDoneStep;        // 0 glide in, 1 wait, 2 fly off, 3 gone, 4 done
extern double levelDonePadX;         // the pad's position and velocities in the sequence
extern double levelDonePadY;
extern double levelDonePadVx;
extern double levelDonePadVy;
extern double levelDoneSpriteX;      // the banner's position and velocity
extern double levelDoneSpriteVx;
extern Q2SL_sprite levelCompleteSprite;
extern int32_t levelCompleteTargetX;  // the banner's centred x, fixed at game set-up

void StartLevelComplete();
void DoLevelComplete();
// Returns 1 when the next level was started, 0 after the victory or when it could not be.
int SetNextLevel();
void DoNextLevel(int level);
void ResetLevel();

// Puts the level-end records back to their start-of-program values.
void ResetLevelEnd();
