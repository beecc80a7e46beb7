#include "game/lives.h"

#include "app/state.h"
#include "game/balls.h"
#include "game/blocks.h"
#include "game/pads.h"
#include "platform/keys.h"
#include "world_support.h"

namespace {

class Lives : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        spareBallIcon.SetType(ballSpriteType);
        spareBallIcon.SetAnim(0);
        messageSprite.SetType(ballSpriteType);
        SetUpPads();
        MakeBalls(1);
        FlyBall(0, 100, 100, 45, 8);
        ballsInPlay = 1;
    }
    static void TwoPlayers()
    {
        numPlayers = playersLeft = 2;
    }
};

TEST_F(Lives, ExtraBallPerThousandPointsUpToTwentyFive)
{
    struct { int gathered, livesBefore, livesAfter, counterAfter; } cases[] = {
        {999, 5, 5, 999}, {1000, 5, 6, 0}, {2500, 5, 6, 500}, {1200, 24, 25, 200}, {1200, 25, 25, 1200},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.gathered);
        extraLifeScore[0] = c.gathered;
        lives[0] = c.livesBefore;
        extraLifeFlash = 0;
        CheckExtraLife();
        EXPECT_EQ(lives[0], c.livesAfter);
        EXPECT_EQ(extraLifeScore[0], c.counterAfter);
        EXPECT_EQ(extraLifeFlash, c.livesAfter > c.livesBefore ? 1 : 0);
    }
    EXPECT_STREQ(notifyText, "Extra Ball");
}

TEST_F(Lives, LostBallRealignsTheCountersWithTheScore)
{
    score[0] = 1730;
    extraLifeScore[0] = 999;
    enemyScore = 499;
    NextBall(0);
    EXPECT_EQ(extraLifeScore[0], 730);
    EXPECT_EQ(enemyScore, 230);
    EXPECT_EQ(lives[0], 4);
}

TEST_F(Lives, LosingTheLastLifeEndsThePlayersGame)
{
    lives[0] = 1;
    NextBall(0);
    EXPECT_EQ(lives[0], 0);
    EXPECT_EQ(inGame[0], 0);
    EXPECT_EQ(gamePhase, GamePhase::GameOver);
    EXPECT_EQ(gameOverCount, 0);
}

TEST_F(Lives, SpareBallFliesFromItsIconToThePad)
{
    lives[0] = 2;
    pads[0].x = pads[0].prevX = 300;
    padWidth[0] = 72;
    NextBall(0);
    EXPECT_EQ(gamePhase, GamePhase::AcquireBall);
    EXPECT_EQ(balls[0].x, 2);  // the first icon's place
    EXPECT_EQ(balls[0].y, FIELD_HEIGHT - 12 - 3);
    EXPECT_EQ(balls[0].state, BALL_HELD);
    EXPECT_EQ(ballAngle[0], 271);
    EXPECT_EQ(ballStuck, 1);
    EXPECT_EQ(messageEnabled, 1);
    EXPECT_EQ(notifyHold, NOTIFY_HOLD_LAST);
    for (int f = 0; f < RESPAWN_FRAMES - 1; f++)
        BallRespawn();
    EXPECT_EQ(gamePhase, GamePhase::AcquireBall);
    BallRespawn();
    EXPECT_EQ(gamePhase, GamePhase::Ready);
    EXPECT_NEAR(balls[0].x, PAD_START_X + 36, 1);
    EXPECT_NEAR(balls[0].y, PAD0_Y - 12, 1);
    EXPECT_NEAR(pads[0].x, PAD_START_X, 1);
}

TEST_F(Lives, WithoutTheAcquireAnimationTheLevelIsSetUpAgain)
{
    acquireBallOn = 0;
    lives[0] = 3;
    NextBall(0);
    EXPECT_EQ(currPlayer, 0);
    EXPECT_EQ(gamePhase, GamePhase::Ready);
    EXPECT_EQ(balls[0].state, BALL_HELD);
    EXPECT_EQ(pads[0].x, PAD_START_X);
}

TEST_F(Lives, TwoPlayersAlternateAtEveryLostBall)
{
    TwoPlayers();
    PutBlock(0, 0, 0, 20);  // flashing on the field of the player who loses the ball
    PutBlock(1, 3, 4, 25);  // the other field holds a Multi-Ball block
    score[1] = 1234;
    NextBall(0);
    EXPECT_EQ(currPlayer, 1);
    EXPECT_EQ(lives[0], 4);
    EXPECT_EQ(lives[1], START_LIVES);
    EXPECT_EQ(score[1], 1234);
    EXPECT_EQ(blocks[0][0].anim, 1);
    EXPECT_EQ(numBalls, 3);
    EXPECT_EQ(blocks[1][3 * 12 + 4].state, 1);
    EXPECT_EQ(gamePhase, GamePhase::Ready);
    NextBall(0);
    EXPECT_EQ(currPlayer, 0);
    EXPECT_EQ(lives[1], 4);
    EXPECT_EQ(numBalls, 1);
}

TEST_F(Lives, AfterOnePlayersGameOverTheOtherPlaysAlone)
{
    TwoPlayers();
    lives[0] = 1;
    NextBall(0);
    ASSERT_EQ(gamePhase, GamePhase::GameOver);
    for (int f = 0; f < GAME_OVER_FRAMES; f++)
        GameOverMessageCount();
    EXPECT_EQ(playersLeft, 1);
    EXPECT_EQ(currPlayer, 1);
    EXPECT_EQ(gamePhase, GamePhase::Ready);
    EXPECT_EQ(lives[1], START_LIVES);
    NextBall(0);
    EXPECT_EQ(currPlayer, 1);
    EXPECT_EQ(gamePhase, GamePhase::AcquireBall);
}

TEST_F(Lives, GameOverMessageCanBeSkippedOnlyAfterTwentyFrames)
{
    TwoPlayers();
    GameOver();
    keyboardState[DIK_SPACE] = 0x80;
    for (int f = 0; f < GAME_OVER_SKIP_AFTER; f++)
        GameOverMessageCount();
    EXPECT_EQ(playersLeft, 2);
    GameOverMessageCount();
    EXPECT_EQ(playersLeft, 1);
    EXPECT_EQ(gameOverCount, GAME_OVER_SKIP_AFTER + 1);
}

TEST_F(Lives, ReadyThenGoThenPlay)
{
    StartReadyMessage(0);
    EXPECT_EQ(gamePhase, GamePhase::Ready);
    EXPECT_EQ(messageSprite.anim, 1);
    for (int f = 0; f < READY_FRAMES - 1; f++) {
        DoMessage();
        ReadyMessageCount();
    }
    EXPECT_EQ(gamePhase, GamePhase::Ready);
    EXPECT_EQ(messageVisible, 1);  // the ready message does not blink
    ReadyMessageCount();
    EXPECT_EQ(gamePhase, GamePhase::Play);
    EXPECT_EQ(goActive, 1);
    EXPECT_EQ(messageSprite.anim, 2);
    for (int f = 0; f < GO_FRAMES - 1; f++)
        GoMessageCount();
    EXPECT_EQ(messageEnabled, 1);
    GoMessageCount();
    EXPECT_EQ(messageEnabled, 0);
    EXPECT_EQ(goActive, 0);
}

TEST_F(Lives, WithoutTheReadyMessagePlayStartsAtOnce)
{
    readyMessageOn = 0;
    StartReadyMessage(0);
    EXPECT_EQ(gamePhase, GamePhase::Play);
    EXPECT_EQ(messageEnabled, 0);
}

TEST_F(Lives, MessageBlinksByItsOnAndOffLengths)
{
    lives[0] = 2;
    NextBall(0);  // the spare-ball message: 10 frames on, 5 off
    int shown = 0;
    for (int f = 0; f < 30; f++) {
        DoMessage();
        shown += messageVisible;
    }
    EXPECT_EQ(shown, 20);
}

}  // namespace
