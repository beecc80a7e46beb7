// The rules' small game world, with the pictures the lively parts of a level need besides:
// bullets with an impact, explosion overlays long enough to remove their block, atoms,
// sparks, the notification banner, pad pieces and a drawing target for the playfield.
#pragma once

#include "../game/world_support.h"

class LivelyWorld : public GameWorld {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs n frames of the gameplay steps that move capsules, timers and specials, in the
    // game frame's order, with frameTick counting as the frame counts it.
    static void Frames(int n);
};
