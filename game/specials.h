// Arrow blocks, Spectral Nukes, the per-cell explosion overlays and particle bursts.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/sprite.h"

// A Spectral Nuke: rests on its atom block, seeks every block of its colour, then leaves.
struct atomClass {
    Q2SL_sprite sprite;
    int32_t targetX, targetY;  // pixel position being flown to
    int32_t fx, fy;            // 16.16 fixed-point position
    int32_t vx, vy;            // 16.16 units per frame
    int32_t targetCell;
    int32_t colour;            // 1..12: block kind 100 gives colour 1
    int32_t state;             // 0 resting, 1 seeking, 2 leaving, 3 gone
    int32_t attack;            // seeking: 0 flying to the target, 1 waiting for its explosion
};

extern std::vector<atomClass> atoms;  // one per atom block, cell order

void SetUpArrowBlocks();
void IgniteArrow(int record);
void ArrowRun();
// Stops every arrow explosion of the current player.
void StopArrows();
void UpdateExplodeBlocks();
void DrawExplodeBlocks();
void EraseExplodeBlocks();
// The overlays restart their animations at a level set-up.
void RestartExplodeBlocks();
void SetupAtoms();
void StartAtom(int atom);
void MoveAtoms();
void DrawAtoms();
void StartParticleSource(int x, int y, int anim, int spray, int quiet);
void StopParticles();
void DrawParticles();

// Puts the records of the special blocks back to their start-of-program values.
void ResetSpecials();
