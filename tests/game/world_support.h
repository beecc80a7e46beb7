// A small game world for the rules' tests: trigonometry tables, sprite types of the sizes
// the rules assume, both block fields in place, every record at its start value.
#pragma once

#include <gtest/gtest.h>

#include "game/world.h"

class GameWorld : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Kind k in cell (row, column) of player p's field.
    static void PutBlock(int p, int row, int column, int kind);
    // Ball slots as a level set-up would make them, with ball i flying at (x, y).
    static void FlyBall(int i, int x, int y, int angle, double speed);
    // The frame's width step: every pad grows or shrinks 2 pixels towards its target.
    static void StepPadWidths();
};

// Fresh ball slots, every ball flying at rest nowhere in particular.
void MakeBalls(int n);
