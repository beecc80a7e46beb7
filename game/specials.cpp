// Arrow blocks, Spectral Nukes, explosion overlays and particle bursts. They come with the
// special blocks themselves; until then the overlays are kept idle and the hooks the
// frame and the block rules call do nothing.
#include "game/specials.h"

#include "game/world.h"

Q2SL_sprite explodeBlocks[NUM_CELLS];  // one explosion overlay per cell; state 1 exploding
std::vector<atomClass> atoms;          // the Spectral Nukes of the current field

void SetUpArrowBlocks() {}
void IgniteArrow(int) {}
void ArrowRun() {}
void StopArrows() {}
void UpdateExplodeBlocks() {}
void DrawExplodeBlocks() {}
void RestartExplodeBlocks() {}
void SetupAtoms() {}
void StartAtom(int) {}
void MoveAtoms() {}
void DrawAtoms() {}
void StartParticleSource(int, int, int, int, int) {}
void StopParticles() {}
void DrawParticles() {}

void EraseExplodeBlocks()
{
    for (Q2SL_sprite& overlay : explodeBlocks)
        overlay.state = 0;
}

void ResetSpecials()
{
    for (Q2SL_sprite& overlay : explodeBlocks)
        overlay = Q2SL_sprite();
    atoms.clear();
}
