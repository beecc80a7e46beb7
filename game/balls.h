// The balls: flight along their angle, rebounds from the walls, the pads, the block grid
// and each other, holding a ball on the pad until it is launched, the sticky catch, the
// squash after a rebound, and giving up a ball that falls past the bottom.
#pragma once

#include <cstdint>

// The cell argument of the rebounds: a block cell, or one of these.
enum { REBOUND_EDGE = -1, REBOUND_PAD = -2 };

// One frame of ball i.
void MoveBall(int i);
// Tests ball i against the current player's block grid; 1 if any block was hit.
int CollideBallBlock(int i);
// How many of the three cells of the current player's field hold a block.
int CountBlocks(int a, int b, int c);
void BallReboundX(int c, int i);
void BallReboundY(int c, int i);
void BallReboundCorner(int c, int i);
void BallCollideBallAll();
void BallCollideBall(int i, int j);

// Brings an angle into the allowed flight directions (5..355, away from the axes);
// launch is 1 for the wider launch table.
int32_t ClampBallAngle(int32_t angle, int launch);

// Allocates n ball slots with every per-ball array; FreeBalls releases them.
void AllocateBalls(int n);
void FreeBalls();

// Puts the ball records back to their start-of-program values.
void ResetBalls();
