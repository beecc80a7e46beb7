#include "game/world.h"

#include "world_support.h"

namespace {

TEST(GameRand, UnseededGeneratorGivesTheClassicSequence)
{
    ResetWorld();
    const int first[] = {16838, 5758, 10113, 17515, 31051, 5627, 23010, 7419};
    for (int v : first)
        EXPECT_EQ(GameRand(), v);
    ResetWorld();
    EXPECT_EQ(GameRand(), 16838);
}

TEST(GameRand, StaysWithinFifteenBits)
{
    ResetWorld();
    for (int i = 0; i < 100000; i++) {
        int v = GameRand();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
}

TEST_F(GameWorld, PointsGoToThePlayerOnTurnOnly)
{
    currPlayer = 1;
    score[0] = 40;
    AwardPoints(25);
    EXPECT_EQ(score[1], 25);
    EXPECT_EQ(extraLifeScore[1], 25);
    EXPECT_EQ(enemyScore, 25);
    EXPECT_EQ(score[0], 40);
    EXPECT_EQ(extraLifeScore[0], 0);
}

TEST_F(GameWorld, DifficultySetsBallSpeedAndPadStep)
{
    struct { int d, speed, step; } cases[] = {{1, 3, 4}, {2, 5, 6}, {3, 8, 8}, {4, 11, 12}, {5, 14, 12}};
    for (auto c : cases) {
        SetDifficulty(1, c.d);
        EXPECT_EQ(startSpeed[1], c.speed);
        EXPECT_EQ(padKeyStep[1], c.step);
        EXPECT_EQ(difficulty[1], c.d);
    }
    SetDifficulty(1, 9);  // out of the table: only the difficulty changes
    EXPECT_EQ(difficulty[1], 9);
    EXPECT_EQ(startSpeed[1], 14);
    EXPECT_EQ(startSpeed[0], 8);
}

}  // namespace
