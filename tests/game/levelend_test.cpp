#include "game/levelend.h"

#include "app/state.h"
#include "game/balls.h"
#include "game/blocks.h"
#include "game/lives.h"
#include "game/pads.h"
#include "world_support.h"

namespace {

class LevelEnd : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        PutBlock(0, 0, 0, 3);
        PutBlock(0, 1, 5, 25);
        PutBlock(0, 4, 2, 25);
        PutBlock(0, 6, 6, 1);
        ResetLevel();
    }
};

TEST_F(LevelEnd, SetUpGivesEachMultiBallBlockItsTwoBallsInCellOrder)
{
    ASSERT_EQ(numBalls, 5);
    EXPECT_EQ(balls[0].state, BALL_HELD);
    EXPECT_EQ(blocks[0][17].state, 1);
    EXPECT_EQ(blocks[0][50].state, 3);
    struct { int ball, x, y, angle; } captives[] = {
        {1, 5 * 40 + 6, 20 + 4, 240}, {2, 5 * 40 + 22, 20 + 4, 300},
        {3, 2 * 40 + 6, 80 + 4, 240}, {4, 2 * 40 + 22, 80 + 4, 300},
    };
    for (auto c : captives) {
        EXPECT_EQ(balls[c.ball].state, BALL_CAPTIVE);
        EXPECT_EQ(balls[c.ball].x, c.x);
        EXPECT_EQ(balls[c.ball].y, c.y);
        EXPECT_EQ(ballX[c.ball], c.x * 65536.0);
        EXPECT_EQ(ballAngle[c.ball], c.angle);
    }
    EXPECT_EQ(ballX[0], (PAD_START_X + 36) * 65536.0);
    EXPECT_EQ(balls[0].y, PAD0_Y - 12);
    EXPECT_EQ(ballsInPlay, 1);
    EXPECT_EQ(blocksLeft[0], 1);
    EXPECT_EQ(gamePhase, GamePhase::Play);
    EXPECT_EQ(levelStartFlash, 1);
    EXPECT_EQ(padActive[0], 1);
    EXPECT_EQ(padActive[1], 0);
}

TEST_F(LevelEnd, CompleteSequenceAsksForTheNextLevelOnceAfterThePadHasLeft)
{
    levelCompleteSprite.SetType(ballSpriteType);
    levelCompleteTargetX = 200;
    StartLevelComplete();
    EXPECT_EQ(gamePhase, GamePhase::LevelComplete);
    int requests = 0, requestFrame = 0, goneFrame = 0;
    for (int frame = 1; frame <= 200; frame++) {
        levelEnd = LEVEL_END_NONE;
        DoLevelComplete();
        if (levelDoneStep == 3 && !goneFrame)
            goneFrame = frame;
        if (levelEnd == LEVEL_END_NEXT) {
            requests++;
            requestFrame = frame;
        }
        if (frame == 70) {
            EXPECT_NEAR(pads[0].x, FIELD_WIDTH / 2 - 36, 1);
            EXPECT_NEAR(levelCompleteSprite.x, 200, 1);
        }
    }
    EXPECT_EQ(goneFrame, 175);
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(requestFrame, 176);
    EXPECT_EQ(pads[0].y, -pads[0].height);
    EXPECT_EQ(levelCompleteSprite.x, FIELD_WIDTH);
}

TEST_F(LevelEnd, BeatingTheLastLevelLeadsToTheVictory)
{
    numPlayers = playersLeft = 2;
    playerLevel[0] = LAST_LEVEL;
    EXPECT_EQ(SetNextLevel(), 0);
    EXPECT_EQ(playerLevel[0], NUM_LEVELS);
    EXPECT_EQ(lives[0], 0);
    EXPECT_EQ(playersLeft, 1);
    EXPECT_EQ(resumeAfterScreen, 1);
    EXPECT_EQ(subState, OVERLAY_VICTORY);
    EXPECT_EQ(numBalls, 0);
}

}  // namespace
