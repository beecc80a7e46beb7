// Arrow blocks, Spectral Nukes, the per-cell explosion overlays and particle bursts.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/sprite.h"

// An arrow block's explosion, travelling one cell every few frames along its arrow.
struct arrowExplode {
    int32_t cell;       // where the explosion is, row x 12 + column
    int32_t countdown;  // frames until the next step
    int32_t running;
    int32_t direction;  // 0 up, 1 down, 2 left, 3 right
};

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

// A spark of a burst, in pixels and pixels per frame.
struct particle_ {
    double x, y, vx, vy;
    int32_t life;  // frames left, 0 gone
    Q2SL_sprite sprite;
};

enum { NUM_PARTICLE_SOURCES = 10, PARTICLES_PER_SOURCE = 50 };

// A burst of sparks thrown out from one point.
struct particleSrc {
    int32_t anim;
    int32_t x, y;
    int32_t life;  // frames the burst still runs, 0 free
    particle_ particles[PARTICLES_PER_SOURCE];

    void StartParticles(int spray, int quiet);
    void DrawParticles();
};

enum { ATOM_RESTING = 0, ATOM_SEEKING = 1, ATOM_LEAVING = 2, ATOM_GONE = 3 };

extern std::vector<arrowExplode> arrowBlocks[2];  // each player's arrow blocks, cell order
extern std::vector<atomClass> atoms;              // one per atom block, cell order
extern particleSrc particleSources[NUM_PARTICLE_SOURCES];
extern Q2SL_spriteType* atomSpriteType;      // set by the game mode set-up
extern Q2SL_spriteType* particleSpriteType;  // set by the game mode set-up

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
// The overlay of a cell starts its explosion; the block goes at frame 10.
void StartExplosion(int cell);
// A cell destroyed by an arrow or a nuke: debris, its overlay, the bang and 5 points.
void ExplodeCell(int cell);

void SetupAtoms();
void StartAtom(int atom);
void MoveAtoms();
void DrawAtoms();

void StartParticleSource(int x, int y, int anim, int spray, int quiet);
void StopParticles();
void DrawParticles();

// Puts the records of the special blocks back to their start-of-program values.
void ResetSpecials();
void ResetArrows();
void ResetAtoms();
void ResetParticles();
