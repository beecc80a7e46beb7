#include "game/taltrix.h"

#include "game/balls.h"
#include "game/blocks.h"
#include "gamemode/sprite_ids.h"
#include "lively_support.h"

namespace {

class TaltrixMode : public LivelyWorld {
protected:
    void SetUp() override
    {
        LivelyWorld::SetUp();
        MakeBalls(1);
        FlyBall(0, 5 * 40 + 14, 300, 94, 8);
        noDie = 1;
    }
    static int Kind(int row, int column) { return blocks[0][row * 12 + column].anim; }
    static Q2SL_sprite* Cell(int row, int column) { return &blocks[0][row * 12 + column]; }
    static int Queued()
    {
        int n = 0;
        for (hitNode* h = hitList; h; h = h->next)
            n++;
        return n;
    }
};

TEST_F(TaltrixMode, SwitchingOnAndOffChangesTheBallsLook)
{
    balls[0].SetAnim(BALL_SQUASH_Y);
    balls[0].SetFrame(2);
    Taltrix(1);
    EXPECT_EQ(taltrixOn, 1);
    EXPECT_EQ(balls[0].anim, BALL_SQUASH_Y + BALL_TALTRIX);
    EXPECT_EQ(balls[0].frame, 2) << "the frame is kept";
    EXPECT_EQ(fadeState, 0);
    Taltrix(1);
    EXPECT_EQ(balls[0].anim, BALL_SQUASH_Y + BALL_TALTRIX) << "a second switch-on changes nothing";
    Taltrix(-2);
    EXPECT_EQ(taltrixOn, 0);
    EXPECT_EQ(balls[0].anim, BALL_SQUASH_Y);
}

TEST_F(TaltrixMode, AFireBallPloughsThroughAColumnFreezingThePlayForEachFlash)
{
    for (int row = 5; row <= 8; row++)
        PutBlock(0, row, 5, 5);
    GetNumBlocksLeft(0);
    Taltrix(1);
    Frames(6);  // the switch-on flash fades out
    int flashes = 0;
    for (int f = 0; f < 2000 && (Kind(5, 5) || Kind(6, 5) || Kind(7, 5) || Kind(8, 5)); f++) {
        Frames(1);
        if (!flashOn)
            continue;
        flashes++;
        EXPECT_GT(Queued(), 0);
        EXPECT_NE(Kind(5, 5) + Kind(6, 5) + Kind(7, 5) + Kind(8, 5), 0)
            << "the touched block waits for the flash";
        int x = balls[0].x, y = balls[0].y, calls = 0;
        bool chained = false;
        while (flashOn && calls < 40) {
            Frames(1);
            calls++;
            if (!flashOn)
                break;
            if (flashLevel == 0) {
                // The look-ahead found the next block: it moved the ball there.
                chained = true;
                x = balls[0].x;
                y = balls[0].y;
                continue;
            }
            EXPECT_EQ(balls[0].x, x);
            EXPECT_EQ(balls[0].y, y);
        }
        if (flashes == 1 && !chained) {
            EXPECT_EQ(calls, 14) << "a flash runs fourteen frames";
        }
    }
    EXPECT_GT(flashes, 0);
    for (int row = 5; row <= 8; row++)
        EXPECT_EQ(Kind(row, 5), 0) << row;
    EXPECT_EQ(blocksLeft[0], 0);
    EXPECT_GE(score[0], 4 * 2 * 5) << "points when queued and when broken";
    EXPECT_EQ(score[0] % 5, 0);
}

TEST_F(TaltrixMode, SwitchingOffBreaksEveryQueuedBlockByTheRulesOfPlay)
{
    PutBlock(0, 2, 2, 5);
    PutBlock(0, 2, 3, 1);
    PutBlock(0, 2, 4, 50);
    GetNumBlocksLeft(0);
    Taltrix(1);
    for (int c = 2; c <= 4; c++)
        BreakBlock(Cell(2, c), 0, BREAK_BALL);
    EXPECT_EQ(Queued(), 3);
    EXPECT_EQ(Kind(2, 2), 5) << "a queued block waits for the flash";
    EXPECT_EQ(flashOn, 1);
    Taltrix(-1);
    EXPECT_EQ(Queued(), 0);
    EXPECT_EQ(Kind(2, 2), 0);
    EXPECT_EQ(Kind(2, 3), 0) << "even an indestructible block breaks";
    EXPECT_EQ(Kind(2, 4), 0);
    EXPECT_EQ(blocksLeft[0], 0);
    EXPECT_EQ(fadeState, 0) << "the black flash";
}

TEST_F(TaltrixMode, AnIndestructibleBlockBreaksWithoutCounting)
{
    PutBlock(0, 2, 3, 1);
    PutBlock(0, 2, 4, 5);
    GetNumBlocksLeft(0);
    taltrixOn = 1;
    BreakBlock(Cell(2, 3), 0, BREAK_TALTRIX);
    EXPECT_EQ(Kind(2, 3), 0);
    EXPECT_EQ(blocksLeft[0], 1);
}

TEST_F(TaltrixMode, TheBlackFlashPlaysEvenWhenTheModeIsOff)
{
    fadeState = 2;
    Taltrix(-1);
    EXPECT_EQ(fadeState, 0);
    for (int k = 0; k < 5; k++)
        Taltrix(0);
    EXPECT_EQ(fadeState, 1) << "then back to the game palette";
    for (int k = 0; k < 5; k++)
        Taltrix(0);
    EXPECT_EQ(fadeState, 2);
}

TEST_F(TaltrixMode, TheLookAheadFindsTheNextBlockOrPutsTheBallBack)
{
    FlyBall(0, 5 * 40 + 14, 290, 94, 8);
    Taltrix(1);
    const double fx = ballX[0], fy = ballY[0];
    EXPECT_EQ(TaltrixNextBlock(0), 0);
    EXPECT_EQ(balls[0].x, 5 * 40 + 14);
    EXPECT_EQ(balls[0].y, 290);
    EXPECT_DOUBLE_EQ(ballX[0], fx);
    EXPECT_DOUBLE_EQ(ballY[0], fy);

    PutBlock(0, 13, 5, 5);  // bottom edge at y 280, ten pixels above the ball
    GetNumBlocksLeft(0);
    EXPECT_EQ(TaltrixNextBlock(0), 1);
    EXPECT_EQ(ballAhead[0], 1);
    EXPECT_EQ(Queued(), 1) << "the block found is queued as a new hit";
    EXPECT_EQ(lastBlock, Cell(13, 5));
    EXPECT_GT(ballAngle[0], 180) << "and the ball rebounds from it";
    EXPECT_EQ(TaltrixNextBlock(0), 0) << "the flag is spent on the next look";
    EXPECT_EQ(ballAhead[0], 0);
}

}  // namespace
