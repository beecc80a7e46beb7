#include "game/powerups.h"

#include <cstring>

#include "game/balls.h"
#include "game/blocks.h"
#include "game/enemies.h"
#include "game/pads.h"
#include "game/taltrix.h"
#include "gamemode/sprite_ids.h"
#include "lively_support.h"

namespace {

class PowerUps : public LivelyWorld {
protected:
    void SetUp() override
    {
        LivelyWorld::SetUp();
        MakeBalls(1);
        FlyBall(0, 20, 200, 45, 8);
    }
    // One capsule of power-up kind k, falling onto pad 0.
    static void DropOnPad(int k)
    {
        PutBlock(0, 0, 0, k <= 5 ? 26 + k : 90 + k - 7);
        GetNumPowerUps();
        SetUpPowerUps();
        Q2SL_sprite& c = powerUpCapsules[0];
        c.x = PAD_START_X + 10;
        c.y = PAD0_Y - 30;
        powerUpFalling[0] = 1;
    }
    // Lets the capsule fall until it is caught or lost.
    static void Fall()
    {
        for (int f = 0; f < 20 && powerUpFalling[0]; f++)
            Frames(1);
    }
    static int Slot(int position) { return effectIcons[currPlayer * 9 + position].state; }
};

struct CatchCase {
    int kind;
    const char* name;
    int notify;
    int position, state;
};
const CatchCase catches[] = {
    {PU_AUTO_PAD, "Auto Pad", NOTIFY_AUTO_PAD, 1, 1},
    {PU_FAST_BALL, "Fast Ball", NOTIFY_FAST_BALL, 0, 1},
    {PU_SLOW_BALL, "Slow Ball", NOTIFY_SLOW_BALL, 0, 2},
    {PU_SUPER_PAD, "Super Pad", NOTIFY_SUPER_PAD, 3, 1},
    {PU_MINI_PAD, "Mini Pad", NOTIFY_MINI_PAD, 3, 2},
    {PU_TWIN_PADS, "Twin Pads", NOTIFY_TWIN_PADS, 7, 1},
    {PU_TALTRIX, "Taltrix!", NOTIFY_TALTRIX, 8, 1},
    {PU_VEXA_SHOTS, "Vexa Shots", NOTIFY_VEXA_SHOTS, 5, 1},
    {PU_STICKY_PAD, "Sticky Pad", NOTIFY_STICKY_PAD, 2, 1},
};

TEST_F(PowerUps, EveryCapsuleCaughtArmsItsSlotWithItsName)
{
    for (const CatchCase& c : catches) {
        DropOnPad(c.kind);
        Fall();
        EXPECT_EQ(score[0], 50) << c.name;
        EXPECT_EQ(Slot(c.position), c.state) << c.name;
        ASSERT_NE(notifyText, nullptr);
        EXPECT_STREQ(notifyText, c.name);
        EXPECT_EQ(notifyAnim, c.notify) << c.name;
        EXPECT_GT(notifyTimer, 170);
        EXPECT_EQ(notifySprite.anim, c.notify);
        EXPECT_EQ(notifySprite.x, FIELD_WIDTH / 2 - 100);
        TearDown();
        SetUp();
    }
}

TEST_F(PowerUps, EachEffectShows)
{
    DropOnPad(PU_SUPER_PAD);
    Fall();
    int frames = 0;
    while (padWidth[0] < 104 && frames < 40) {
        Frames(1);
        frames++;
    }
    EXPECT_EQ(padWidth[0], 104);
    EXPECT_LE(frames, 16);
    EXPECT_EQ(padTargetWidth[3], 104) << "every pad grows";

    DropOnPad(PU_FAST_BALL);
    Fall();
    EXPECT_DOUBLE_EQ(ballBaseSpeed[0], startSpeed[0] + 3.5);
    EXPECT_EQ(effectIcons[0].anim, PU_FAST_BALL);
    EXPECT_EQ(Slot(1), 0) << "the Auto Pad slot is left alone";

    DropOnPad(PU_VEXA_SHOTS);
    Fall();
    EXPECT_EQ(shootPadActive, 1);
    EXPECT_EQ(padPieces[0][0].anim, PIECE_LEFT_RAISE);
    EXPECT_EQ(padPieces[1][0].anim, PIECE_RIGHT_RAISE);
    EXPECT_EQ(Shoot(), 1) << "the first volley may leave at once";
}

TEST_F(PowerUps, TwinPadsComeInAndFollowPadZero)
{
    DropOnPad(PU_TWIN_PADS);
    Fall();
    ASSERT_TRUE(padActive[2] && padActive[3]);
    Frames(60);
    pads[0].prevX = pads[0].x;
    pads[0].x -= 40;
    Frames(10);
    EXPECT_NEAR(pads[2].x + padWidth[2], pads[0].x, 2) << "pad 2 rides at pad 0's left end";
    EXPECT_NEAR(pads[3].x, pads[0].x + padWidth[0], 2) << "pad 3 at its right end";
    EXPECT_EQ(pads[2].y, PAD_TWIN_Y);
    shootPadActive = 1;
    shootCount = 10;
    int flying = 0;
    Shoot();
    for (const _ZQBullet& b : bullets)
        flying += b.active;
    EXPECT_EQ(flying, 6) << "two bullets for each of three pads";
}

TEST_F(PowerUps, TheStickyPadHoldsTheBall)
{
    DropOnPad(PU_STICKY_PAD);
    Fall();
    ASSERT_EQ(stickyOn, 1);
    FlyBall(0, PAD_START_X + 30, PAD0_Y - 40, 270, 8);
    for (int f = 0; f < 10 && balls[0].state != BALL_HELD; f++)
        Frames(1);
    EXPECT_EQ(balls[0].state, BALL_HELD);
    EXPECT_EQ(ballStuck, 1);
}

TEST_F(PowerUps, EffectsRunOutAfter875FramesOfPlayOnly)
{
    DropOnPad(PU_MINI_PAD);
    Fall();
    gamePhase = GamePhase::Ready;
    Frames(900);
    EXPECT_EQ(Slot(3), 2) << "timers stand still outside play";
    gamePhase = GamePhase::Play;
    Frames(500);
    DropOnPad(PU_SUPER_PAD);
    Fall();
    EXPECT_EQ(Slot(3), 1);
    EXPECT_EQ(padTargetWidth[0], 104);
    const int caught = effectTimer[3];
    Frames(875 - caught - 1);
    EXPECT_EQ(Slot(3), 1) << "a fresh timer after the second catch";
    Frames(1);
    EXPECT_EQ(Slot(3), 0);
    EXPECT_EQ(padTargetWidth[0], PAD_NORMAL_WIDTH);
}

TEST_F(PowerUps, ASecondAutoPadOnlyRestartsTheTimer)
{
    DropOnPad(PU_AUTO_PAD);
    Fall();
    ASSERT_EQ(padActive[1], 1);
    Frames(100);
    const int32_t phase = autoPadPhase, x = pads[1].x;
    DropOnPad(PU_AUTO_PAD);
    Fall();
    EXPECT_LT(effectTimer[1], 20);
    EXPECT_EQ(autoPadPhase, phase);
    EXPECT_NEAR(pads[1].x, x, 30) << "pad 1 is not brought in anew";
    Frames(875);
    EXPECT_EQ(Slot(1), 0);
    EXPECT_EQ(autoPadPhase, -1) << "the Auto Pad shrinks away";
}

TEST_F(PowerUps, CapsulesAreOnlyCaughtInPlay)
{
    DropOnPad(PU_STICKY_PAD);
    gamePhase = GamePhase::Ready;
    Frames(200);
    EXPECT_EQ(powerUpFalling[0], 0);
    EXPECT_GT(powerUpCapsules[0].y, FIELD_HEIGHT);
    EXPECT_EQ(stickyOn, 0);
    EXPECT_EQ(score[0], 0);
}

TEST_F(PowerUps, TheBannerHoldsItsMiddleFrameAndRestartsOnANewName)
{
    StartNotify("Multi-Ball", NOTIFY_MULTI_BALL);
    int ticks = 0, held = 0;
    while (notifyAnim != -1 && ticks < 200) {
        frameTick = 2;
        PowerUpNotifyDraw();
        held += notifySprite.frame == NOTIFY_HOLD_FRAME;
        ticks++;
        if (ticks == 20) {
            EXPECT_EQ(notifySprite.frame, NOTIFY_HOLD_FRAME);
        }
    }
    EXPECT_EQ(held, 35) << "the tick that reached it and 34 more";
    EXPECT_EQ(ticks, 10 + 34);
    StartNotify("Extra Ball", NOTIFY_EXTRA_BALL);
    frameTick = 2;
    PowerUpNotifyDraw();
    PowerUpNotifyDraw();
    StartNotify("Spectral Nuke", NOTIFY_NUKE);
    EXPECT_EQ(notifySprite.frame, 0);
    EXPECT_EQ(notifySprite.anim, NOTIFY_NUKE);
    EXPECT_STREQ(notifyText, "Spectral Nuke");
    notifyHold = NOTIFY_HOLD_LAST;  // a lost ball cuts the hold short
    for (int k = 0; k < 7; k++)
        PowerUpNotifyDraw();
    EXPECT_EQ(notifySprite.frame, NOTIFY_HOLD_FRAME + 1);
}

TEST_F(PowerUps, ASavedGameRebuildsTheRunningEffects)
{
    effectIcons[9 + 3].state = 2;
    effectIcons[5].state = 1;
    effectIcons[0].state = 1;
    SetPowerUps();
    EXPECT_EQ(padTargetWidth[0], PAD_MINI_WIDTH);
    EXPECT_EQ(effectIcons[9 + 3].anim, PU_MINI_PAD);
    EXPECT_EQ(shootPadActive, 1);
    EXPECT_EQ(padPieces[0][0].anim, PIECE_LEFT_RAISED);
    EXPECT_DOUBLE_EQ(ballBaseSpeed[0], 8 + 3.5);
    EXPECT_EQ(score[0], 0);
}

}  // namespace
