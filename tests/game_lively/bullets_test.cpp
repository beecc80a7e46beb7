#include "game/blocks.h"
#include "game/enemies.h"
#include "game/pads.h"
#include "lively_support.h"

namespace {

class Bullets : public LivelyWorld {
protected:
    void SetUp() override
    {
        LivelyWorld::SetUp();
        MakeBalls(1);
        shootPadActive = 1;
        shootCount = 10;
    }
    static int Flying()
    {
        int n = 0;
        for (const _ZQBullet& b : bullets)
            n += b.active;
        return n;
    }
};

TEST_F(Bullets, AVolleyLeavesTheGunsOfEveryActivePad)
{
    padActive[2] = padActive[3] = 1;
    pads[2].x = 100;
    pads[2].y = PAD_TWIN_Y;
    padWidth[2] = 72;
    EXPECT_EQ(Shoot(), 1);
    EXPECT_EQ(Flying(), 6);
    EXPECT_EQ(bullets[0].sprite.x, PAD_START_X + 10);
    EXPECT_EQ(bullets[1].sprite.x, PAD_START_X + 72 - 14);
    EXPECT_EQ(bullets[0].sprite.y, PAD0_Y - 10);
    EXPECT_EQ(bullets[2].sprite.x, 110);
    EXPECT_EQ(bullets[2].sprite.y, PAD_TWIN_Y - 10);
    EXPECT_EQ(shootCount, 0);
    EXPECT_EQ(Shoot(), 0) << "the guns reload for ten frames";
    for (int f = 0; f < 9; f++)
        UpdateShootCount();
    EXPECT_EQ(Shoot(), 0);
    UpdateShootCount();
    EXPECT_EQ(Shoot(), 1);
    shootPadActive = 0;
    shootCount = 10;
    EXPECT_EQ(Shoot(), 0);
}

TEST_F(Bullets, AFullMagazineFiresWhatIsFreeAndStops)
{
    padActive[2] = padActive[3] = 1;
    for (int b = 0; b < NUM_BULLETS; b++)
        bullets[b].active = b != 10 && b != 20 && b != 30;
    EXPECT_EQ(Shoot(), 0);
    EXPECT_EQ(Flying(), NUM_BULLETS);
    EXPECT_EQ(FindFreeBullet(), -1);
}

TEST_F(Bullets, ABulletReachesTheTopOfAnEmptyFieldAfterAboutFiftyEightFrames)
{
    ASSERT_EQ(Shoot(), 1);
    EXPECT_EQ(bullets[0].sprite.y, 408);
    int frames = 0;
    while (bullets[0].sprite.anim == 0 && frames < 100) {
        MoveBullet();
        frames++;
    }
    EXPECT_EQ(frames, 58);
    for (int f = 0; f < 3; f++)
        MoveBullet();
    EXPECT_EQ(bullets[0].active, 0) << "the impact plays once";
}

TEST_F(Bullets, BlocksTakeShotMaxBulletsAndTheBottomRowIsOutOfReach)
{
    shotMax[0] = 2;
    blocksLeft[0] = 5;
    PutBlock(0, 10, 5, 50);
    PutBlock(0, 19, 6, 50);
    BuildShotNum(0);
    for (int shot = 1; shot <= 2; shot++) {
        _ZQBullet& b = bullets[0];
        b.active = 1;
        b.sprite.SetAnim(0);
        b.sprite.x = 5 * 40 + 10;
        b.sprite.y = 10 * 20 + 10;
        MoveBullet();
        EXPECT_EQ(b.sprite.anim, 1) << "shot " << shot;
        EXPECT_EQ(b.sprite.y, 200);
        EXPECT_EQ(blocks[0][10 * 12 + 5].anim, shot == 1 ? 50 : 0) << "shot " << shot;
    }
    EXPECT_EQ(blocksLeft[0], 4);
    _ZQBullet& low = bullets[1];
    low.active = 1;
    low.sprite.SetAnim(0);
    low.sprite.x = 6 * 40 + 10;
    low.sprite.y = 19 * 20 + 12;
    MoveBullet();
    EXPECT_EQ(low.sprite.anim, 0);
    EXPECT_EQ(blocks[0][19 * 12 + 6].anim, 50);
}

TEST_F(Bullets, ABulletKillsAnEnemyAndGoesOnToTheBlocks)
{
    Q2SL_sprite& e = enemies[0];
    e.SetAnim(0);
    e.state = ENEMY_APPEARING;
    e.x = 200;
    e.y = 300;
    _ZQBullet& b = bullets[0];
    b.active = 1;
    b.sprite.x = 205;
    b.sprite.y = 310;
    MoveBullet();
    EXPECT_EQ(score[0], 20);
    EXPECT_EQ(e.state, ENEMY_DYING);
    EXPECT_EQ(e.anim, 2) << "an appearing enemy skips to its die animation";
    EXPECT_EQ(b.sprite.anim, 1);
}

}  // namespace
