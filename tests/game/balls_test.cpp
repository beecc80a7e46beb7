#include "game/balls.h"

#include "game/blocks.h"
#include "game/pads.h"
#include "world_support.h"

namespace {

class Balls : public GameWorld {
protected:
    void SetUp() override
    {
        GameWorld::SetUp();
        SetUpPads();
        MakeBalls(2);
        ballsInPlay = 2;
    }
    static int Kind(int cell) { return blocks[0][cell].anim; }
};

TEST(BallAngles, ClampTables)
{
    struct { int angle, launch, flight; } cases[] = {
        {-3, 5, 5},     {0, 5, 5},       {4, 5, 5},       {5, 5, 5},       {80, 80, 80},
        {81, 80, 81},   {86, 80, 86},    {87, 80, 86},    {88, 80, 86},    {90, 80, 86},
        {91, 100, 94},  {92, 100, 94},   {93, 100, 94},   {94, 100, 94},   {99, 100, 99},
        {100, 100, 100}, {170, 170, 170}, {171, 170, 170}, {180, 170, 170}, {181, 190, 190},
        {189, 190, 190}, {190, 190, 190}, {261, 260, 261}, {266, 260, 266}, {267, 260, 266},
        {268, 260, 266}, {270, 260, 266}, {271, 280, 274}, {272, 280, 274}, {273, 280, 274},
        {274, 280, 274}, {279, 280, 279}, {280, 280, 280}, {355, 355, 355}, {356, 355, 355},
        {400, 355, 355},
    };
    for (auto c : cases) {
        EXPECT_EQ(ClampBallAngle(c.angle, 1), c.launch) << c.angle;
        EXPECT_EQ(ClampBallAngle(c.angle, 0), c.flight) << c.angle;
    }
}

TEST_F(Balls, ReboundAnglesSpinAndSquash)
{
    enum { X, Y, CORNER };
    struct { int how, angle, spin, look, cell, angleAfter, lookAfter, squashing; } cases[] = {
        {X, 30, 0, 0, REBOUND_EDGE, 150, 2, 1},
        {X, 200, 0, 0, REBOUND_EDGE, 340, 2, 1},
        {X, 30, 8, 0, REBOUND_EDGE, 158, 2, 1},
        {X, 175, -8, 0, REBOUND_EDGE, 357, 2, 1},  // 5 - 8 wraps once
        {X, 90, 8, 0, REBOUND_EDGE, 90, 2, 1},     // along an axis: no spin
        {Y, 30, 0, 0, REBOUND_EDGE, 330, 1, 1},
        {Y, 300, 20, 3, REBOUND_EDGE, 80, 4, 1},   // the Taltrix look squashes as its own
        {Y, 266, 0, 0, REBOUND_PAD, 94, 0, 0},     // pads do not squash the ball
        {CORNER, 180, 0, 0, REBOUND_EDGE, 0, 2, 1},  // 360 becomes 0
        {CORNER, 200, 0, 0, REBOUND_EDGE, 20, 2, 1},
        {CORNER, 45, 4, 0, REBOUND_EDGE, 229, 2, 1},
    };
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.how << " " << c.angle);
        ballAngle[0] = c.angle;
        ballSpin[0] = c.spin;
        ballSquashing[0] = 0;
        balls[0].SetAnim(c.look);
        if (c.how == X)
            BallReboundX(c.cell, 0);
        else if (c.how == Y)
            BallReboundY(c.cell, 0);
        else
            BallReboundCorner(c.cell, 0);
        EXPECT_EQ(ballAngle[0], c.angleAfter);
        EXPECT_EQ(ballSpin[0], 0);
        EXPECT_EQ(balls[0].anim, c.lookAfter);
        EXPECT_EQ(ballSquashing[0], c.squashing);
    }
}

TEST_F(Balls, SquashHoldsASlowBallTwoFramesAndAFastOneOne)
{
    struct { double speed; int stillFrames; } cases[] = {{3.0, 2}, {3.5, 1}};
    for (auto c : cases) {
        SCOPED_TRACE(c.speed);
        FlyBall(0, 200, 300, 30, c.speed);
        BallReboundY(REBOUND_EDGE, 0);
        int still = 0;
        for (int frame = 0; frame < 4; frame++) {
            int y = balls[0].y;
            MoveBall(0);
            still += balls[0].y == y;
        }
        EXPECT_EQ(still, c.stillFrames);
        EXPECT_EQ(ballSquashing[0], 0);
        EXPECT_EQ(balls[0].anim, 0);
    }
}

TEST_F(Balls, OverlappingBallsLeaveAtRightAnglesToTheirMeanDirection)
{
    FlyBall(0, 100, 100, 30, 5);
    FlyBall(1, 105, 104, 150, 8);
    BallCollideBallAll();
    EXPECT_EQ(ballAngle[0], 0);
    EXPECT_EQ(ballAngle[1], 180);
    EXPECT_EQ(ballSpeed[0], 6.0);
    EXPECT_EQ(ballSpeed[1], 6.0);
    MoveBall(0);
    MoveBall(1);
    EXPECT_EQ(ballAngle[0], 5);
    EXPECT_EQ(ballAngle[1], 170);
}

TEST_F(Balls, HeldAndCaptiveBallsInTheBallTest)
{
    FlyBall(0, 100, 100, 30, 5);
    FlyBall(1, 105, 104, 150, 5);
    balls[1].state = BALL_CAPTIVE;  // takes part, though it does not move
    BallCollideBallAll();
    EXPECT_EQ(ballAngle[1], 180);
    ballAngle[0] = 30;
    balls[1].state = BALL_HELD;  // held balls do not
    BallCollideBallAll();
    EXPECT_EQ(ballAngle[0], 30);
}

TEST_F(Balls, WallsTurnTheBallBack)
{
    struct { int x, y, angle, xAfter, yAfter, angleAfter; } cases[] = {
        {1, 200, 150, 0, -1, 30},      // left wall
        {467, 200, 30, 468, -1, 150},  // right wall: 480 - 12
        {200, 2, 60, -1, 0, 300},      // top
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.angle);
        FlyBall(0, c.x, c.y, c.angle, 4);
        MoveBall(0);
        if (c.xAfter >= 0) {
            EXPECT_EQ(balls[0].x, c.xAfter);
        }
        if (c.yAfter >= 0) {
            EXPECT_EQ(balls[0].y, c.yAfter);
        }
        EXPECT_EQ(ballAngle[0], c.angleAfter);
    }
}

TEST_F(Balls, BallPastTheBottomIsLostUnlessNoDie)
{
    FlyBall(0, 100, 450, 300, 8);
    MoveBall(0);
    EXPECT_EQ(balls[0].state, BALL_OUT);
    EXPECT_EQ(ballsInPlay, 1);
    noDie = 1;
    FlyBall(1, 100, 450, 300, 8);
    MoveBall(1);
    EXPECT_EQ(balls[1].state, BALL_FLYING);
    EXPECT_EQ(balls[1].y, FIELD_HEIGHT - 12);
    EXPECT_EQ(ballAngle[1], 60);
    EXPECT_EQ(ballsInPlay, 1);
}

TEST_F(Balls, HeldBallFollowsThePadAndLaunchesItselfAfter140Frames)
{
    balls[0].state = BALL_HELD;
    ballStuck = 1;
    for (int frame = 0; frame < 139; frame++)
        MoveBall(0);
    EXPECT_EQ(balls[0].state, BALL_HELD);
    EXPECT_EQ(balls[0].x, PAD_START_X + 36 - 2);  // a third of the gap closed each frame
    EXPECT_EQ(balls[0].y, PAD0_Y - 12);
    MoveBall(0);
    EXPECT_EQ(balls[0].state, BALL_FLYING);
    EXPECT_EQ(ballStuck, 0);
    EXPECT_EQ(ballAngle[0], 80);  // straight up is not allowed
}

TEST_F(Balls, LaunchAimsByMomentumOrByThePlaceOnThePad)
{
    struct { int direction, momentum, x, angle, spin; double speed; } cases[] = {
        {1, 0, 254, 80, 0, 8},
        {1, -10, 254, 30, -40, 10},
        {1, 10, 254, 150, 40, 10},
        {1, 4, 254, 114, 16, 9},
        {0, 0, 290, 30, 0, 8},    // at the right end
        {0, 0, 222, 143, 0, 8},   // near the left end
    };
    for (auto c : cases) {
        SCOPED_TRACE(testing::Message() << c.direction << " " << c.momentum);
        ballDirection = c.direction;
        padMomentum = c.momentum;
        FlyBall(0, c.x, 400, 0, 8);
        balls[0].state = BALL_LAUNCH;
        MoveBall(0);
        EXPECT_EQ(ballAngle[0], c.angle);
        EXPECT_EQ(ballSpin[0], c.spin);
        EXPECT_EQ(ballSpeed[0], c.speed);
        EXPECT_EQ(balls[0].state, BALL_FLYING);
    }
}

TEST_F(Balls, PadTopAimsTheBallByWhereItLands)
{
    FlyBall(0, 250, 402, 270, 8);
    ballSpin[0] = 12;
    MoveBall(0);
    // 266 after the flight clamp; lands at x 249 on the pad at 220..292.
    EXPECT_EQ(ballAngle[0], static_cast<int>((72 + 220 - 249 - 2) / 72.0 * 120 + 30));
    EXPECT_EQ(ballSpin[0], 0);
    EXPECT_EQ(balls[0].y, PAD0_Y - 12 - 4);
    EXPECT_EQ(blockHitRun, 0);
}

TEST_F(Balls, PadTopWithMomentumAimsByItAndKeepsTheSpin)
{
    padMomentum = 5;
    FlyBall(0, 250, 402, 270, 8);
    MoveBall(0);
    EXPECT_EQ(ballAngle[0], 120);
    EXPECT_EQ(ballSpin[0], 20);
    EXPECT_EQ(ballSpeed[0], 9.0);
}

TEST_F(Balls, PadEndSendsTheBallBackFaster)
{
    FlyBall(0, 297, 420, 180, 8);  // moving left into pad 0's right end
    MoveBall(0);
    EXPECT_EQ(ballAngle[0], 10);   // 170 after the flight clamp, mirrored
    EXPECT_EQ(ballSpeed[0], 10.0);
    EXPECT_EQ(balls[0].x, PAD_START_X + 72 + 2);
    EXPECT_EQ(balls[0].y, PAD0_Y - 12 - 2);
    EXPECT_EQ(ballSquashing[0], 0);
}

TEST_F(Balls, StickyPadCatchesOneBallOnAnyPadAndHoldsItOnPadZero)
{
    stickyOn = 1;
    Pad1Move(1);
    padWidth[1] = 72;
    pads[1].x = 40;
    FlyBall(0, 60, 423, 270, 8);  // lands on the Auto Pad at y 439
    MoveBall(0);
    EXPECT_EQ(balls[0].state, BALL_HELD);
    EXPECT_EQ(ballStuck, 1);
    int gap = PAD_START_X + 36 - balls[0].x;
    MoveBall(0);
    EXPECT_EQ(balls[0].y, PAD0_Y - 12);
    EXPECT_EQ(balls[0].x, PAD_START_X + 36 - (gap - gap / 3));
    FlyBall(1, 250, 402, 270, 8);  // a second ball is not caught while one is held
    MoveBall(1);
    EXPECT_EQ(balls[1].state, BALL_FLYING);
}

TEST_F(Balls, EachPadIsTestedWithItsOwnWidth)
{
    Pad1Move(1);
    padWidth[1] = 20;
    pads[1].x = 40;
    padSpriteType->boxWidth = 72;  // as the frame left it for another pad
    FlyBall(0, 90, 423, 270, 8);   // over where a 72-wide pad would reach, not this one
    MoveBall(0);
    EXPECT_EQ(ballAngle[0], 266);
}

TEST_F(Balls, GridCornerCases)
{
    // The ball at (35, 15) heading up and right: leading cell 1, side cell 13, vertical cell 0.
    struct { std::vector<int> cells; std::vector<int> broken; int angleAfter; } cases[] = {
        {{13}, {13}, 135},        // side only: a sideways rebound
        {{0}, {0}, 315},          // vertical only: an up-down rebound
        {{1}, {1}, -1},           // diagonal only: broken whatever the side test says
        {{13, 0, 1}, {13, 0}, 225},  // three: the two beside break, the corner turns the ball
        {{13, 1}, {13}, 135},     // side and diagonal
    };
    for (auto& c : cases) {
        for (int cell : {0, 1, 13})
            blocks[0][cell].SetAnim(0);
        for (int cell : c.cells)
            blocks[0][cell].SetAnim(50);
        FlyBall(0, 35, 15, 45, 8);
        balls[0].prevX = 30;
        balls[0].prevY = 20;
        EXPECT_EQ(CollideBallBlock(0), 1);
        for (int cell : c.broken)
            EXPECT_EQ(Kind(cell), 0) << cell;
        if (c.cells.size() == 3) {
            EXPECT_EQ(Kind(1), 50);
        }
        if (c.angleAfter >= 0) {
            EXPECT_EQ(ballAngle[0], c.angleAfter);
        }
        EXPECT_EQ(ballX[0], balls[0].x * 65536.0);
    }
}

TEST_F(Balls, GridIgnoresABallBelowTheField)
{
    for (int c = 0; c < GRID_COLUMNS; c++)
        PutBlock(0, 19, c, 50);
    FlyBall(0, 100, 388, 300, 8);
    EXPECT_EQ(CollideBallBlock(0), 0);
    FlyBall(0, 100, 387, 300, 8);
    EXPECT_EQ(CollideBallBlock(0), 1);
}

TEST_F(Balls, FreedSlotsMoveNothing)
{
    FreeBalls();
    EXPECT_EQ(numBalls, 0);
    MoveBall(0);  // a frame between two levels
}

}  // namespace
