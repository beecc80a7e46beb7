// The explosion overlays: one per cell, drawn over a block while it blows up; the block is
// removed part-way through, when the overlay reaches its tenth frame.
#include "game/specials.h"

#include "audio/sound.h"
#include "game/blocks.h"
#include "game/world.h"
#include "gamemode/sprite_ids.h"

Q2SL_sprite explodeBlocks[NUM_CELLS];  // one explosion overlay per cell; state 1 exploding

enum { REMOVE_FRAME = 10, EXPLOSION_POINTS = 5 };

void StartExplosion(int cell)
{
    Q2SL_sprite& overlay = explodeBlocks[cell];
    overlay.SetAnim(BLOCK_EXPLOSION);
    overlay.SetFrame(0);
    overlay.state = 1;
}

void ExplodeCell(int cell)
{
    const Q2SL_sprite& block = blocks[currPlayer][cell];
    StartParticleSource(block.x + CELL_WIDTH / 2, block.y + CELL_HEIGHT / 2, PARTICLE_DEBRIS, 0, 1);
    StartExplosion(cell);
    soundGroups[SND_FEXPL3A].Play(SoundPan((cell % GRID_COLUMNS) * CELL_WIDTH + CELL_WIDTH / 2, 0));
    AwardPoints(EXPLOSION_POINTS);
}

void UpdateExplodeBlocks()
{
    for (int c = 0; c < NUM_CELLS; c++) {
        Q2SL_sprite& overlay = explodeBlocks[c];
        if (overlay.state != 1)
            continue;
        if (!overlay.StepFrame()) {
            overlay.state = 0;
            continue;
        }
        if (overlay.frame != REMOVE_FRAME)
            continue;
        Q2SL_sprite& block = blocks[currPlayer][c];
        if (block.anim < NUM_BLOCK_KINDS && blockFlags[block.anim] == 1)
            BlockCounted();
        SetBlockKind(block, 0);
        block.SetFrame(0);
    }
}

void DrawExplodeBlocks()
{
    for (Q2SL_sprite& overlay : explodeBlocks)
        if (overlay.state == 1)
            overlay.DrawNoHSR(playfieldView, 0, 0, -1);
}

void EraseExplodeBlocks()
{
    for (Q2SL_sprite& overlay : explodeBlocks)
        overlay.state = 0;
}

void RestartExplodeBlocks()
{
    for (Q2SL_sprite& overlay : explodeBlocks) {
        overlay.SetAnim(BLOCK_EXPLOSION);
        overlay.SetFrame(0);
    }
}

void ResetSpecials()
{
    for (Q2SL_sprite& overlay : explodeBlocks)
        overlay = Q2SL_sprite();
    ResetArrows();
    ResetAtoms();
    ResetParticles();
}
