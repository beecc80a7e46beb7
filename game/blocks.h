// The blocks: what a hit does to each kind, the one-shot and looping block animations,
// counting the blocks still to break and the ball slots a level needs, drawing the field.
#pragma once

#include "gfx/sprite.h"

// How a block is hit.
enum { BREAK_BALL = 0, BREAK_TALTRIX = 1, BREAK_BULLET = 2 };

// Hits a block with ball (-1 for a bullet); x, y place an enemy the hit may call in
// (-1: at the ball).
void BreakBlock(Q2SL_sprite* block, int ball, int mode, int x = -1, int y = -1);
void BlockAnimate();
// Sets blocksLeft of player p from p's field.
void GetNumBlocksLeft(int p);
// Sets numBalls from the current player's field.
void GetNumBalls();
void DrawBlocks();

// Lowers the current player's count; the level is cleared the moment it reaches exactly 0.
void BlockCounted();

// Sets the animation of a sprite, if its type has that animation.
void SetBlockKind(Q2SL_sprite& block, int kind);

// Puts the block records back to their start-of-program values.
void ResetBlocks();
