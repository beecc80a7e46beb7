// Taltrix mode. The fire balls come with the power-up itself; until then the mode stays
// off and the hooks do nothing.
#include "game/taltrix.h"

#include "game/world.h"

int32_t taltrixOn = 0;      // Taltrix mode in force
int32_t flashLevel = 0;     // the flash's level, 0..7
int32_t flashStep = 0;      // +1 rising, -1 falling
int32_t flashOn = 0;        // the flash runs and freezes most of the game
hitNode* hitList = nullptr; // queued Taltrix hits, newest first

void Taltrix(int) {}
int TaltrixNextBlock(int) { return 0; }
void TaltrixQueueHit(int, Q2SL_sprite*) {}

void ResetTaltrix()
{
    taltrixOn = 0;
    flashLevel = flashStep = flashOn = 0;
    hitList = nullptr;
}
