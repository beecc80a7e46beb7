#include "game/pads.h"

#include <algorithm>

#include "world_support.h"

namespace {

class Pads : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        SetUpPads();
        pads[0].SetAnim(0);
    }
    // One frame of the pads as the game frame runs them, pad 0 moved by move.
    static void Frame(int move = 0)
    {
        StepPadWidths();
        pads[0].prevX = pads[0].x;
        pads[0].x += move;
        if (padActive[1])
            Pad1Move(0);
        if (padActive[2])
            Pad23Move(0);
    }
    static int Offset() { return pads[1].x + padWidth[1] / 2 - (pads[0].x + padWidth[0] / 2); }
};

TEST_F(Pads, AutoPadGrowsOutOfPadZeroThenSwaysAroundIt)
{
    Pad1Move(1);
    EXPECT_EQ(padWidth[1], PAD_TINY_WIDTH);
    EXPECT_EQ(pads[1].y, PAD1_Y);
    int frames = 0;
    while (autoPadPhase == 1 && frames < 100) {
        Frame();
        frames++;
        EXPECT_EQ(Offset(), 0);
    }
    EXPECT_EQ(padWidth[1], PAD_NORMAL_WIDTH);
    int lo = 0, hi = 0;
    for (int f = 0; f < 400; f++) {
        int x = pads[1].x;
        Frame();
        EXPECT_EQ(std::abs(pads[1].x - x), 2);
        lo = std::min(lo, Offset());
        hi = std::max(hi, Offset());
    }
    EXPECT_EQ(lo, -82);
    EXPECT_EQ(hi, 82);
}

TEST_F(Pads, AutoPadHurriesWhenPadZeroMovesFastItsWay)
{
    Pad1Move(1);
    padWidth[1] = padTargetWidth[1];
    Frame();  // grown: it sways to the right now
    Frame();
    pads[0].prevX = pads[0].x;
    pads[0].x += 3;
    int x = pads[1].x;
    Pad1Move(0);
    EXPECT_EQ(pads[1].x - x, 6);
    pads[0].prevX = pads[0].x;
    pads[0].x -= 3;  // the other way: no hurry
    x = pads[1].x;
    Pad1Move(0);
    EXPECT_EQ(pads[1].x - x, 2);
}

TEST_F(Pads, AutoPadReversesAtTheWalls)
{
    Pad1Move(1);
    padWidth[1] = padTargetWidth[1];
    Frame();
    pads[0].x = pads[0].prevX = 440;
    pads[1].x = pads[1].prevX = 407;
    autoPadDir = 1;
    Pad1Move(0);
    EXPECT_EQ(pads[1].x, FIELD_WIDTH - 72);
    EXPECT_EQ(autoPadDir, -1);
    pads[0].x = pads[0].prevX = 0;
    pads[1].x = pads[1].prevX = 1;
    autoPadDir = -1;
    Pad1Move(0);
    EXPECT_EQ(pads[1].x, 0);
    EXPECT_EQ(autoPadDir, 1);
}

TEST_F(Pads, AutoPadLostWhileGrowingShrinksFromItsWidthAndGoes)
{
    Pad1Move(1);
    for (int f = 0; f < 5; f++)
        Frame();
    EXPECT_EQ(padWidth[1], 12);
    Pad1Move(-1);
    EXPECT_EQ(padTargetWidth[1], PAD_TINY_WIDTH);
    EXPECT_EQ(padWidth[1], 12);
    for (int f = 0; f < 5; f++)
        Frame();
    EXPECT_EQ(padActive[1], 0);
    EXPECT_EQ(padWidth[1], PAD_NORMAL_WIDTH);
    Pad1Move(-1);  // already leaving: nothing more
    EXPECT_EQ(padTargetWidth[1], PAD_NORMAL_WIDTH);
}

TEST_F(Pads, RemovingAnExtraPadKeepsItsWidth)
{
    Pad23Move(1);
    Frame();
    Pad23Move(-2);
    EXPECT_EQ(padActive[2], 0);
    EXPECT_EQ(padActive[3], 0);
    EXPECT_EQ(padWidth[2], 4);
    EXPECT_EQ(padTargetWidth[2], PAD_NORMAL_WIDTH);
}

TEST_F(Pads, TwinPadsGrowToTheCurrentSizeAndStayAtPadZerosEnds)
{
    for (int& t : padTargetWidth)
        t = PAD_SUPER_WIDTH;  // Super Pad is on
    for (int f = 0; f < 20; f++)
        StepPadWidths();
    Pad23Move(1);
    EXPECT_EQ(pads[2].y, PAD_TWIN_Y);
    for (int f = 0; f < 60; f++)
        Frame();
    EXPECT_EQ(padWidth[2], PAD_SUPER_WIDTH);
    EXPECT_EQ(padWidth[3], PAD_SUPER_WIDTH);
    EXPECT_EQ(twinPadPhase, 0);
    EXPECT_EQ(pads[2].x + padWidth[2], pads[0].x);
    EXPECT_EQ(pads[3].x, pads[0].x + padWidth[0]);
    // Following: 40 % of the gap closed each frame.
    int x2 = pads[2].x;
    Frame(10);
    EXPECT_EQ(pads[2].x - x2, 4);
}

TEST_F(Pads, TwinPadsAreKeptInsideOnlyOnTheirOuterSides)
{
    pads[0].x = 10;
    Pad23Move(1);
    padWidth[2] = padWidth[3] = 72;
    twinPadPhase = 0;
    Pad23Move(0);
    EXPECT_EQ(pads[2].x, 0);
    pads[0].x = pads[3].x = 470;
    Pad23Move(0);
    EXPECT_EQ(pads[3].x, FIELD_WIDTH - 72);
}

}  // namespace
