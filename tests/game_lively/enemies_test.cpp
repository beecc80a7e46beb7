#include "game/enemies.h"

#include <set>

#include "game/blocks.h"
#include "gfx/collide.h"
#include "lively_support.h"

namespace {

class Enemies : public LivelyWorld {
protected:
    void SetUp() override
    {
        LivelyWorld::SetUp();
        MakeBalls(1);
        FlyBall(0, 200, 300, 45, 8);
    }
    // Enemy e active at (x, y) with the given kind and angle.
    static void Active(int e, int kind, int x, int y, int angle)
    {
        Q2SL_sprite& s = enemies[e];
        s.SetAnim(kind * 3 + 1);
        s.state = ENEMY_ACTIVE;
        s.x = s.prevX = x;
        s.y = s.prevY = y;
        enemyFx[e] = x * 65536;
        enemyFy[e] = y * 65536;
        enemyAngle[e] = angle;
        enemySpeed[e] = 2.4;
    }
    static int Alive()
    {
        int n = 0;
        for (const Q2SL_sprite& s : enemies)
            n += s.state != ENEMY_FREE;
        return n;
    }
};

TEST_F(Enemies, TheFifthHitInARowCallsOneInAtTheBall)
{
    blocksLeft[0] = 20;
    for (int c = 0; c < 5; c++) {
        EXPECT_EQ(Alive(), 0) << "before hit " << c + 1;
        PutBlock(0, 5, c, 50);
        BreakBlock(&blocks[0][5 * 12 + c], 0, BREAK_BALL);
    }
    ASSERT_EQ(Alive(), 1);
    EXPECT_EQ(enemies[0].state, ENEMY_APPEARING);
    EXPECT_EQ(enemies[0].x, 200);
    EXPECT_EQ(enemies[0].y, 300);
    EXPECT_EQ(enemyFx[0], 200 * 65536);
    EXPECT_EQ(blockHitRun, 0);
    EXPECT_DOUBLE_EQ(enemySpeed[0], 2.4);
}

TEST_F(Enemies, FivePointsOfTriggerAndASixthIsNotCreated)
{
    for (int e = 0; e < 5; e++)
        Active(e, 0, 40 * e, 100, 0);
    blockHitRun = 7;
    CheckNewEnemy(0, -1, -1);
    EXPECT_EQ(Alive(), 5);
    EXPECT_EQ(blockHitRun, 2) << "the run is used up all the same";
    enemyScore = 1230;
    CheckNewEnemy(0, -1, -1);
    EXPECT_EQ(enemyScore, 230);
    enemies[2].state = ENEMY_FREE;
    EXPECT_EQ(AddEnemy(-1, 50, 60), 1) << "a bullet gives the place";
    EXPECT_EQ(enemies[2].x, 50);
    EXPECT_EQ(AddEnemy(-1, -1, -1), 0) << "no ball and no place";
}

TEST_F(Enemies, TheKindsGrowWithTheLevel)
{
    struct Case {
        int level;
        std::set<int> kinds;
    };
    for (const Case& c : {Case{4, {0}}, Case{19, {0, 1, 2}}, Case{29, {0, 1, 2, 3}}}) {
        playerLevel[0] = c.level;
        std::set<int> seen;
        for (int k = 0; k < 200; k++) {
            ResetEnemySlots();
            ASSERT_EQ(AddEnemy(0, -1, -1), 1);
            seen.insert(enemies[0].anim / 3);
            if (enemies[0].anim / 3 == 1) {
                EXPECT_EQ(enemyAngle[0] % 90, 0);
            }
            EXPECT_LT(enemyAngle[0], 359);
        }
        EXPECT_EQ(seen, c.kinds) << "level index " << c.level;
    }
}

TEST_F(Enemies, AWandererTurnsAwayFromEveryWall)
{
    struct Case {
        int x, y, angle;
        bool (*allowed)(int);
    };
    const Case cases[] = {
        {1, 200, 180, [](int a) { return a <= 90 || (a >= 270 && a <= 355); }},
        {200, 1, 90, [](int a) { return a >= 180; }},
        {FIELD_WIDTH - 17, 200, 0, [](int a) { return a >= 90 && a <= 270; }},
        {200, FIELD_HEIGHT - 17, 270, [](int a) { return a <= 180; }},
    };
    for (const Case& c : cases) {
        for (int k = 0; k < 20; k++) {
            Active(0, 0, c.x, c.y, c.angle);
            MoveEnemies();
            EXPECT_TRUE(c.allowed(enemyAngle[0])) << c.x << "," << c.y << " -> " << enemyAngle[0];
            EXPECT_GE(enemies[0].x, 0);
            EXPECT_LE(enemies[0].x + 16, FIELD_WIDTH);
            EXPECT_GE(enemies[0].y, 0);
            EXPECT_LE(enemies[0].y + 16, FIELD_HEIGHT);
        }
    }
}

TEST_F(Enemies, ATurnerReversesOutsideTheFieldWithoutBeingStopped)
{
    Active(0, 1, 1, 200, 180);
    MoveEnemies();
    EXPECT_LT(enemies[0].x, 0);
    EXPECT_TRUE(enemyAngle[0] == 0 || enemyAngle[0] % 90 == 0);
    EXPECT_NE(enemyAngle[0], 180);
}

TEST_F(Enemies, AHomerClosesInOnTheNearestFlyingBall)
{
    MakeBalls(2);
    FlyBall(0, 400, 400, 45, 8);
    FlyBall(1, 120, 100, 45, 8);
    Active(0, 2, 100, 100, 0);
    MoveEnemies();
    EXPECT_EQ(enemies[0].x, 102);
    EXPECT_EQ(enemies[0].y, 100);
    balls[1].state = BALL_HELD;  // a held ball is no target
    MoveEnemies();
    EXPECT_EQ(enemies[0].x, 102 + (400 - 102) / 10);
}

TEST_F(Enemies, MeetingEnemiesBothReverse)
{
    Active(0, 0, 100, 100, 180);
    Active(1, 0, 108, 100, 90);
    enemies[0].prevX = 96;
    EnemyCollideEnemyAll();
    EXPECT_EQ(enemyAngle[0], 0) << "180 turns to 0, never 360";
    EXPECT_EQ(enemyAngle[1], 270);
    EXPECT_FALSE(CollideBox(enemies[0], enemies[1]));
}

TEST_F(Enemies, ABallKillsAnEnemyForItsPointsAndGlancesOff)
{
    Active(0, 3, 200, 300, 100);
    ballAngle[0] = 40;
    BallCollideEnemyAll();
    EXPECT_EQ(score[0], 50);
    EXPECT_EQ(ballAngle[0], (40 + 100) / 2 + 90);
    EXPECT_EQ(enemies[0].state, ENEMY_DYING);
    EXPECT_EQ(enemies[0].anim, 11);
    BallCollideEnemyAll();
    EXPECT_EQ(score[0], 50) << "a dying enemy is hit once";
    for (int f = 0; f < 3 * 3; f++) {
        frameTick = f % 3;
        AnimateEnemies();
    }
    EXPECT_EQ(enemies[0].state, ENEMY_FREE);
}

TEST_F(Enemies, AnAppearingEnemyBecomesActiveAtTheEndOfItsAnimation)
{
    ASSERT_EQ(AddEnemy(0, -1, -1), 1);
    frameTick = 2;
    for (int k = 0; k < 2; k++)
        AnimateEnemies();
    EXPECT_EQ(enemies[0].state, ENEMY_APPEARING);
    AnimateEnemies();
    EXPECT_EQ(enemies[0].state, ENEMY_ACTIVE);
    EXPECT_EQ(enemies[0].anim, 1);
}

}  // namespace
