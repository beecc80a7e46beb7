#include "game/blocks.h"

#include "game/balls.h"
#include "game/powerups.h"
#include "game/specials.h"
#include "game/taltrix.h"
#include "world_support.h"

namespace {

class Blocks : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        MakeBalls(1);
        FlyBall(0, 200, 300, 45, 8);
        blocksLeft[0] = 10;
    }
    static Q2SL_sprite& Cell(int c) { return blocks[0][c]; }
};

struct HitCase {
    int kind;
    int next;        // kind after one hit
    int countDelta;  // change of blocksLeft
    int points;
    int runDelta;    // change of blockHitRun
};

// One ball hit on each family of kinds.
const HitCase ballHits[] = {
    {13, 14, 0, 5, 1},   {16, 17, 0, 5, 1},   {3, 120, 0, 5, 1},   {12, 129, 0, 5, 1},
    {35, 130, 0, 10, 1}, {38, 131, 0, 10, 1}, {56, 132, 0, 10, 1}, {58, 133, 0, 10, 1},
    {60, 134, 0, 10, 1}, {63, 135, 0, 10, 1}, {62, 136, 0, 10, 1}, {72, 137, 0, 15, 1},
    {118, 138, 0, 10, 1}, {119, 139, 0, 10, 1}, {114, 140, 0, 20, 1}, {117, 143, 0, 20, 1},
    {1, 20, 0, 0, 0},    {20, 20, 0, 0, 0},   {18, 19, -1, 0, 1},  {17, 23, 0, 5, 1},
    {21, 23, 0, 5, 1},   {2, 24, 0, 5, 1},    {19, 19, 0, 0, 1},   {22, 22, 0, 0, 1},
    {24, 24, 0, 0, 1},   {34, 94, 0, 0, 1},   {49, 93, 0, 10, 1},  {93, 93, 0, 0, 1},
    {120, 0, -1, 0, 1},  {143, 0, -1, 0, 1},  {113, 17, 1, 30, 1}, {50, 0, -1, 0, 1},
    {100, 0, -1, 25, 1}, {111, 0, -1, 25, 1}, {95, 95, 0, 25, 1},  {26, 0, 0, 10, 1},
    {92, 0, 0, 10, 1},   {25, 0, 0, 15, 1},   {0, 0, 0, 0, 1},
};

TEST_F(Blocks, BallHitTurnsEachKindIntoTheNext)
{
    for (const HitCase& c : ballHits) {
        SCOPED_TRACE(c.kind);
        Cell(30).SetAnim(c.kind);
        blocksLeft[0] = 10;
        score[0] = 0;
        blockHitRun = 0;
        BreakBlock(&Cell(30), 0, BREAK_BALL);
        EXPECT_EQ(Cell(30).anim, c.next);
        EXPECT_EQ(blocksLeft[0], 10 + c.countDelta);
        EXPECT_EQ(score[0], c.points);
        EXPECT_EQ(blockHitRun, c.runDelta);
        EXPECT_EQ(lastBlock, &Cell(30));
    }
}

TEST_F(Blocks, ScoringFeedsTheThreeCountersTogether)
{
    Cell(0).SetAnim(113);
    enemyScore = 7;
    extraLifeScore[0] = 3;
    BreakBlock(&Cell(0), 0, BREAK_BALL);
    EXPECT_EQ(score[0], 30);
    EXPECT_EQ(enemyScore, 37);
    EXPECT_EQ(extraLifeScore[0], 33);
    EXPECT_EQ(score[1], 0);
}

TEST_F(Blocks, MultiHitBlockNeedsFiveHitsAndCountsOnceWhenItHasVanished)
{
    Cell(5).SetAnim(13);
    blocksLeft[0] = 1;
    for (int hit = 0; hit < 5; hit++)
        BreakBlock(&Cell(5), 0, BREAK_BALL);
    EXPECT_EQ(Cell(5).anim, 23);
    EXPECT_EQ(score[0], 25);
    EXPECT_EQ(blocksLeft[0], 1);
    for (int frame = 0; frame < 4; frame++)
        BlockAnimate();  // four frames of the vanishing animation
    EXPECT_EQ(Cell(5).anim, 0);
    EXPECT_EQ(blocksLeft[0], 0);
    EXPECT_EQ(levelEnd, LEVEL_END_CLEARED);
}

TEST_F(Blocks, CountedAtHitBlockCountsWhenHitAndAgainWhenItHasVanished)
{
    Cell(5).SetAnim(18);
    BreakBlock(&Cell(5), 0, BREAK_BALL);
    EXPECT_EQ(blocksLeft[0], 9);
    for (int frame = 0; frame < 4; frame++)
        BlockAnimate();
    EXPECT_EQ(blocksLeft[0], 8);
}

TEST_F(Blocks, IndestructibleBlockFlashesAndComesBack)
{
    Cell(7).SetAnim(1);
    BreakBlock(&Cell(7), 0, BREAK_BALL);
    EXPECT_EQ(Cell(7).anim, 20);
    for (int frame = 0; frame < 4; frame++)
        BlockAnimate();
    EXPECT_EQ(Cell(7).anim, 1);
    EXPECT_EQ(blocksLeft[0], 10);
    EXPECT_EQ(blockHitRun, 0);
}

TEST_F(Blocks, LoopingPowerUpBlocksStepEveryThirdFrame)
{
    Cell(3).SetAnim(27);
    Cell(4).SetAnim(29);  // does not loop
    for (frameTick = 0; frameTick < 3; frameTick++)
        BlockAnimate();
    EXPECT_EQ(Cell(3).frame, 1);
    EXPECT_EQ(Cell(4).frame, 0);
}

TEST_F(Blocks, TheLevelIsClearedWhenTheLastCountedBlockGoes)
{
    Cell(9).SetAnim(50);
    blocksLeft[0] = 1;
    BreakBlock(&Cell(9), 0, BREAK_BALL);
    EXPECT_EQ(blocksLeft[0], 0);
    EXPECT_EQ(levelEnd, LEVEL_END_CLEARED);
}

TEST_F(Blocks, ExplodingCellGivesPointsButDoesNotBreak)
{
    Cell(9).SetAnim(50);
    explodeBlocks[9].state = 1;
    BreakBlock(&Cell(9), 0, BREAK_BALL);
    EXPECT_EQ(Cell(9).anim, 50);
    EXPECT_EQ(blocksLeft[0], 10);
    EXPECT_EQ(blockHitRun, 0);
    Cell(10).SetAnim(3);
    explodeBlocks[10].state = 1;
    BreakBlock(&Cell(10), 0, BREAK_BALL);
    EXPECT_EQ(score[0], 5);
}

TEST_F(Blocks, MultiBallBlockReleasesItsTwoBallsFannedAboutTheHit)
{
    struct { int angle, first, second; } cases[] = {{45, 55, 35}, {200, 190, 210}};
    for (auto c : cases) {
        SCOPED_TRACE(c.angle);
        MakeBalls(3);
        FlyBall(0, 200, 300, c.angle, 8);
        ballsInPlay = 1;
        Cell(20).SetAnim(25);
        Cell(20).state = 1;
        BreakBlock(&Cell(20), 0, BREAK_BALL);
        EXPECT_EQ(ballAngle[1], c.first);
        EXPECT_EQ(ballAngle[2], c.second);
        EXPECT_EQ(balls[1].state, BALL_FLYING);
        EXPECT_EQ(balls[2].state, BALL_FLYING);
        EXPECT_EQ(ballsInPlay, 3);
        EXPECT_EQ(Cell(20).anim, 0);
        EXPECT_STREQ(notifyText, "Multi-Ball");
        EXPECT_EQ(notifyTimer, NOTIFY_TIME);
    }
}

TEST_F(Blocks, MultiBallBlockWithABadBallIndexReleasesNothing)
{
    Cell(20).SetAnim(25);
    Cell(20).state = 7;  // beyond the one ball slot
    ballsInPlay = 1;
    BreakBlock(&Cell(20), 0, BREAK_BALL);
    EXPECT_EQ(ballsInPlay, 1);
    EXPECT_EQ(Cell(20).anim, 0);
}

TEST_F(Blocks, BulletBreaksAMultiBallBlockSendingItsBallsUpwards)
{
    MakeBalls(3);
    Cell(20).SetAnim(25);
    Cell(20).state = 1;
    BreakBlock(&Cell(20), -1, BREAK_BULLET, 50, 60);
    EXPECT_EQ(ballAngle[1], 100);
    EXPECT_EQ(ballAngle[2], 80);
}

TEST_F(Blocks, PowerUpBlockReleasesItsCapsuleOnTheBlocksFrame)
{
    Cell(2).SetAnim(26);
    Cell(14).SetAnim(31);
    GetNumPowerUps();
    SetUpPowerUps();
    ASSERT_EQ(numPowrUps, 2);
    EXPECT_EQ(Cell(14).state, 1);
    EXPECT_EQ(powerUpCapsules[1].anim, 5);
    Cell(14).SetFrame(2);
    BreakBlock(&Cell(14), 0, BREAK_BALL);
    EXPECT_EQ(powerUpFalling[1], 1);
    EXPECT_EQ(powerUpFalling[0], 0);
    EXPECT_EQ(powerUpCapsules[1].frame, 2);
}

TEST_F(Blocks, TaltrixBreakDestroysAnyKindCountingOnlyCountedKinds)
{
    taltrixOn = 1;
    struct { int kind, countDelta; } cases[] = {{1, 0}, {13, -1}, {23, -1}, {20, 0}, {25, 0}};
    for (auto c : cases) {
        SCOPED_TRACE(c.kind);
        MakeBalls(3);
        Cell(40).SetAnim(c.kind);
        Cell(40).state = 1;
        blocksLeft[0] = 10;
        BreakBlock(&Cell(40), 0, BREAK_TALTRIX);
        EXPECT_EQ(Cell(40).anim, 0);
        EXPECT_EQ(blocksLeft[0], 10 + c.countDelta);
    }
}

TEST_F(Blocks, BlocksLeftCountsOnlyTheKindsThatMustBeBroken)
{
    const int uncounted[] = {0, 1, 19, 20, 22, 23, 25, 26, 31, 90, 91, 92, 113};
    const int counted[] = {2, 3, 17, 18, 21, 24, 32, 50, 93, 95, 100, 114, 120, 143};
    auto countOf = [](int kind) {
        PutBlock(1, 0, 0, kind);
        GetNumBlocksLeft(1);
        return blocksLeft[1];
    };
    for (int k : uncounted)
        EXPECT_EQ(countOf(k), 0) << k;
    for (int k : counted)
        EXPECT_EQ(countOf(k), 1) << k;
}

TEST_F(Blocks, BallSlotsAreOnePlusTwoPerMultiBallBlock)
{
    GetNumBalls();
    EXPECT_EQ(numBalls, 1);
    PutBlock(0, 2, 3, 25);
    PutBlock(0, 7, 11, 25);
    PutBlock(1, 0, 0, 25);  // the other player's field does not count
    GetNumBalls();
    EXPECT_EQ(numBalls, 5);
}

TEST_F(Blocks, TablesOfPointsAndFlags)
{
    EXPECT_EQ(blockPoints[2], 5);
    EXPECT_EQ(blockPoints[21], 5);
    EXPECT_EQ(blockPoints[22], 0);
    EXPECT_EQ(blockPoints[90], 10);
    EXPECT_EQ(blockPoints[72], 15);
    EXPECT_EQ(blockPoints[116], 20);
    EXPECT_EQ(blockPoints[98], 25);
    EXPECT_EQ(blockPoints[113], 30);
    EXPECT_EQ(blockPoints[143], 0);
    struct { int kind, flag; } flags[] = {{0, 2}, {1, 0}, {2, 1}, {18, 1}, {19, 2}, {20, 0}, {21, 2},
                                          {24, 0}, {32, 0}, {33, 1}, {89, 1}, {90, 0}, {93, 2},
                                          {95, 1}, {99, 2}, {100, 0}, {113, 0}, {114, 1}, {119, 1},
                                          {120, 2}, {143, 2}};
    for (auto f : flags)
        EXPECT_EQ(blockFlags[f.kind], f.flag) << f.kind;
}

}  // namespace
