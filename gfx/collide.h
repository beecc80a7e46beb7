// Overlap tests between two sprites: boxes, solid pixels, stepping back out of an
// overlap and which side met. Only the step-backs change anything, and only a.
#pragma once

#include <cstdint>

#include "gfx/sprite.h"

// Which side of a met b: bit 0 contact, 1 vertical, 2 downward, 3 horizontal, 4 rightward.
enum {
    SIDE_NONE = 0,
    SIDE_TOP = 3,
    SIDE_BOTTOM = 7,
    SIDE_LEFT = 9,
    SIDE_RIGHT = 25,
    SIDE_TOP_LEFT = 11,
    SIDE_BOTTOM_LEFT = 15,
    SIDE_TOP_RIGHT = 27,
    SIDE_BOTTOM_RIGHT = 31,
};

// Quadrants of the three-argument CollideSide.
enum { QUADRANT_UP_RIGHT = 1, QUADRANT_UP_LEFT = 2, QUADRANT_DOWN_LEFT = 3, QUADRANT_DOWN_RIGHT = 4 };

// a's box at its offset against b's box at b's position: 1 when they overlap.
int CollideBox(const Q2SL_sprite& a, const Q2SL_sprite& b);
// Pixel-exact, on the solid runs of the current frames (positions are top-left corners).
int Collide(const Q2SL_sprite& a, const Q2SL_sprite& b);
// Move a back along its x (y) motion until the boxes no longer overlap; returns 0.
int CollideSolidX(Q2SL_sprite& a, const Q2SL_sprite& b);
int CollideSolidY(Q2SL_sprite& a, const Q2SL_sprite& b);
// Move a back along its motion until no pixel overlaps: 1 moved, 0 no overlap, 2 a has
// not moved but overlaps.
int CollideSolid(Q2SL_sprite& a, const Q2SL_sprite& b);
// The same with the boxes.
int CollideSolidBox(Q2SL_sprite& a, const Q2SL_sprite& b);
// The side of a that met b (SIDE_...).
int CollideSide(const Q2SL_sprite& a, const Q2SL_sprite& b);
// The same with the direction of motion given as a quadrant.
int CollideSide(const Q2SL_sprite& a, const Q2SL_sprite& b, int quadrant);
