// The balls: flight, rebounds from the walls, the pads, the blocks and each other, the
// hold on the pad until launch, the sticky catch, the squash after a rebound, and the
// ball lost past the bottom.
#include "game/balls.h"

#include <cstdlib>

#include "audio/sound.h"
#include "game/blocks.h"
#include "game/lives.h"
#include "game/specials.h"
#include "game/world.h"
#include "gfx/collide.h"

int32_t numBalls = 0;                 // ball slots of the level
int32_t ballsInPlay = 0;              // balls in the field; 0 ends the life
std::vector<Q2SL_sprite> balls;       // the ball sprites
std::vector<double> ballBaseSpeed;    // lasting speed per ball
std::vector<double> ballSpeed;        // working speed of the current step
std::vector<int32_t> ballSpin;        // spin given at launch or a pad hit
std::vector<int32_t> ballAngle;       // direction in degrees
std::vector<double> ballX;            // 16.16 fixed-point x
std::vector<double> ballY;            // 16.16 fixed-point y
std::vector<int32_t> ballAhead;       // Taltrix look-ahead flag
std::vector<int32_t> ballSquashStage; // squash animation stage, 0 idle
std::vector<int32_t> ballSquashTick;  // squash animation tick
std::vector<int32_t> ballSquashing;   // 1 while the squash runs
std::vector<int32_t> ballHoldTime;    // frames held on the pad
int32_t ballStuck = 0;                // a ball is held on the pad
int32_t inBlockCollide = 0;           // a flying ball is being tested against the grid

enum {
    MIN_ANGLE = 5,
    MAX_ANGLE = 355,
    HOLD_FRAMES = 139,  // a held ball launches by itself after this many frames
};
constexpr double MIN_SPEED = 1.0;
constexpr double MAX_SPEED = 18.0;
constexpr double SQUASH_FAST = 3.0;  // faster balls play a shortened squash
constexpr double FIXED_ONE = 65536.0;

// A direction range that a ball must not keep, and where it goes instead.
struct AngleClamp {
    int32_t lo, hi, to;
};

// Launches keep further from the axes than flights.
static const AngleClamp launchClamps[] = {
    {81, 90, 80}, {91, 99, 100}, {171, 180, 170}, {181, 189, 190}, {261, 270, 260}, {271, 279, 280},
};
static const AngleClamp flightClamps[] = {
    {87, 90, 86}, {91, 93, 94}, {171, 180, 170}, {181, 189, 190}, {267, 270, 266}, {271, 273, 274},
};

int32_t ClampBallAngle(int32_t angle, int launch)
{
    if (angle > MAX_ANGLE)
        angle = MAX_ANGLE;
    if (angle < MIN_ANGLE)
        angle = MIN_ANGLE;
    for (const AngleClamp& c : launch ? launchClamps : flightClamps)
        if (angle >= c.lo && angle <= c.hi)
            angle = c.to;
    return angle;
}

static double ClampSpeed(double s)
{
    if (s < MIN_SPEED)
        return MIN_SPEED;
    if (s > MAX_SPEED)
        return MAX_SPEED;
    return s;
}

// The sprite follows its fixed-point position.
static void PlaceBall(int i)
{
    Q2SL_sprite& b = balls[i];
    b.prevX = b.x;
    b.prevY = b.y;
    b.x = static_cast<int32_t>(static_cast<int64_t>(ballX[i]) >> 16);
    b.y = static_cast<int32_t>(static_cast<int64_t>(ballY[i]) >> 16);
}

static void StepBall(int i)
{
    ballX[i] += cosTable[ballAngle[i]] * ballSpeed[i];
    ballY[i] += -sinTable[ballAngle[i]] * ballSpeed[i];
    PlaceBall(i);
}

// The aim the pad's motion gives: moving left sends the ball off to the right.
static int32_t MomentumAngle()
{
    return static_cast<int32_t>((padMomentum + 10) / 20.0 * 120 + 30);
}

// The aim by where the ball sits on pad p: near its right end about 30, its left end 150.
static int32_t PlaceAngle(int p, const Q2SL_sprite& b)
{
    return static_cast<int32_t>(static_cast<double>(padWidth[p] + pads[p].x - b.x - 2) /
                                padWidth[p] * 120 + 30);
}

static double MomentumSpeed(int i)
{
    return ballBaseSpeed[i] + std::abs(padMomentum) / 4;
}

// Sparks of a rebound show only in Taltrix mode and with Fast Ball.
static void BallSparks(int i, int spray)
{
    int anim;
    if (taltrixOn)
        anim = 0;
    else if (FastBallOn())
        anim = 1;
    else
        return;
    StartParticleSource(balls[i].x + 3, balls[i].y + 3, anim, spray, 0);
}

static void WallRebound(int i, int spray)
{
    BallSparks(i, spray);
    PlayAt(FastBallOn() ? SND_RICOCHET : SND_POP2, balls[i]);
}

// Runs the squash after a rebound; returns false when the ball does not move this frame.
static bool Squash(int i)
{
    Q2SL_sprite& b = balls[i];
    int stage = ++ballSquashStage[i];
    if (stage == 1) {
        b.SetFrame(1);
        return false;
    }
    if (stage == 2) {
        if (ballSpeed[i] <= SQUASH_FAST) {
            b.SetFrame(2);
            return false;
        }
        stage = ballSquashStage[i] = 4;
    }
    if (stage == 3) {
        b.SetAnim(b.anim > 2 ? 4 : 1);
    } else if (stage == 4) {
        b.SetAnim(b.anim > 2 ? 3 : 0);
        ballSquashStage[i] = 0;
        ballSquashing[i] = 0;
    }
    return true;
}

// A held ball sits on pad 0 and closes a third of its distance to the pad's centre.
static void HoldBall(int i)
{
    Q2SL_sprite& b = balls[i];
    ballX[i] += ((pads[0].x + padWidth[0] / 2 - b.x) / 3) * FIXED_ONE;
    ballY[i] = (pads[0].y - b.height) * FIXED_ONE;
    PlaceBall(i);
    ballHoldTime[i] += 1;
    if (ballHoldTime[i] > HOLD_FRAMES) {
        ballStuck = 0;
        b.state = BALL_LAUNCH;
    }
}

static void LaunchBall(int i)
{
    Q2SL_sprite& b = balls[i];
    b.y = pads[0].y - b.height - 4;
    if (ballSpinOn)
        ballSpin[i] = padMomentum * 4;
    ballAngle[i] = ballDirection ? MomentumAngle() : PlaceAngle(0, b);
    ballSpeed[i] = ClampSpeed(MomentumSpeed(i));
    ballAngle[i] = ClampBallAngle(ballAngle[i], 1);
    StepBall(i);
    b.state = BALL_FLYING;
}

// Keeps the ball inside the walls; returns false when it fell past the bottom and its
// loss ended the life (the ball arrays may then have been set up anew).
static bool Walls(int i)
{
    Q2SL_sprite& b = balls[i];
    if (b.x < 0) {
        b.x = 0;
        ballX[i] = 0;
        if (ballAngle[i] > 90 && ballAngle[i] < 270)
            BallReboundX(REBOUND_EDGE, i);
        WallRebound(i, 3);
    }
    if (b.x + b.width > FIELD_WIDTH) {
        b.x = FIELD_WIDTH - b.width;
        ballX[i] = b.x * FIXED_ONE;
        if (ballAngle[i] < 90 || ballAngle[i] > 270)
            BallReboundX(REBOUND_EDGE, i);
        WallRebound(i, 2);
    }
    if (b.y < 0) {
        b.y = 0;
        ballY[i] = 0;
        if (ballAngle[i] < 180)
            BallReboundY(REBOUND_EDGE, i);
        WallRebound(i, 1);
    }
    if (b.y + b.height > FIELD_HEIGHT) {
        if (noDie) {
            b.y = FIELD_HEIGHT - b.height;
            ballY[i] = b.y * FIXED_ONE;
            if (ballAngle[i] > 180)
                BallReboundY(REBOUND_EDGE, i);
            WallRebound(i, 0);
        } else {
            PlayAt(SND_UNDRFALL, b);
            b.state = BALL_OUT;
            ballsInPlay -= 1;
            if (ballsInPlay == 0) {
                NextBall(0);
                return false;
            }
        }
    }
    return true;
}

static void PadEndSound(int i)
{
    PlayAt(SND_PING_PON_PAD, balls[i]);
}

// The ball met pad p on top: caught by the sticky pad, or sent back up aimed anew.
// Returns false when the sticky pad caught it.
static bool PadTop(int i, int p)
{
    Q2SL_sprite& b = balls[i];
    BallSparks(i, 0);
    if (stickyOn && !ballStuck) {
        b.state = BALL_HELD;
        ballStuck = 1;
        ballHoldTime[i] = 0;
        b.SetFrame(0);
        PlayAt(SND_SQUISH, b);
        return false;
    }
    soundGroups[SND_TWINGY].Play(0);
    blockHitRun = 0;
    b.y = pads[p].y - b.height - 4;
    if (ballAngle[i] < 181)
        return true;
    if (ballSpinOn)
        ballSpin[i] = padMomentum * 4;
    if (ballDirection == 1 && padMomentum != 0) {
        ballAngle[i] = MomentumAngle();
    } else {
        // The rebound only uses up the spin; the place on the pad sets the aim.
        BallReboundY(REBOUND_PAD, i);
        ballAngle[i] = PlaceAngle(p, b);
    }
    ballSpeed[i] = MomentumSpeed(i);
    return true;
}

// The ball met an end of pad p; right is 1 for the pad's right end.
static void PadEnd(int i, int p, int right)
{
    Q2SL_sprite& b = balls[i];
    int a = ballAngle[i];
    PadEndSound(i);
    blockHitRun = 0;
    b.x = right ? pads[p].x + padWidth[p] + 2 : pads[p].x - 15;
    b.y = a < 181 ? pads[p].y - b.height - 2 : pads[p].y + 16;
    bool towards = right ? (a >= 91 && a <= 269) : (a < 90 || a > 270);
    if (towards) {
        BallReboundX(REBOUND_PAD, i);
        ballSpeed[i] += 2.0;
    }
}

// Returns false when the sticky pad caught the ball.
static bool Pads(int i)
{
    Q2SL_sprite& b = balls[i];
    for (int p = 0; p < NUM_PADS; p++) {
        if (!padActive[p])
            continue;
        // The pads share one sprite type: each is tested with its own width.
        if (pads[p].type)
            pads[p].type->boxWidth = static_cast<uint16_t>(padWidth[p]);
        switch (CollideSide(b, pads[p])) {
        case SIDE_TOP:
        case SIDE_TOP_LEFT:
        case SIDE_TOP_RIGHT:
            PadEndSound(i);
            blockHitRun = 0;
            b.y = pads[p].y + 16;
            if (ballAngle[i] < 180)
                BallReboundY(REBOUND_PAD, i);
            break;
        case SIDE_BOTTOM:
        case SIDE_BOTTOM_LEFT:
        case SIDE_BOTTOM_RIGHT:
            if (!PadTop(i, p))
                return false;
            break;
        case SIDE_LEFT: PadEnd(i, p, 1); break;
        case SIDE_RIGHT: PadEnd(i, p, 0); break;
        default: break;
        }
    }
    return true;
}

static void FlyBall(int i)
{
    ballSpeed[i] = ClampSpeed(ballSpeed[i]);
    ballAngle[i] = ClampBallAngle(ballAngle[i], 0);
    StepBall(i);
    inBlockCollide = 1;
    CollideBallBlock(i);
    inBlockCollide = 0;
    // The pad tests still run for a ball just lost, unless its loss ended the life.
    if (Walls(i))
        Pads(i);
}

void MoveBall(int i)
{
    if (i < 0 || i >= numBalls)
        return;
    if (ballSquashing[i] == 1 && !Squash(i))
        return;
    ballSpeed[i] = ballBaseSpeed[i];
    if (balls[i].state == BALL_HELD)
        HoldBall(i);
    if (balls[i].state == BALL_LAUNCH)
        LaunchBall(i);
    if (balls[i].state == BALL_FLYING)
        FlyBall(i);
}

int CountBlocks(int a, int b, int c)
{
    const Q2SL_sprite* field = blocks[currPlayer];
    return (field[a].anim != 0) + (field[b].anim != 0) + (field[c].anim != 0);
}

static void Break(int cell, int i)
{
    BreakBlock(&blocks[currPlayer][cell], i, BREAK_BALL);
}

// A ball that runs into a block only at the corner it is heading for rebounds by the face
// it met, and breaks the block whatever the face.
static void CornerBlock(int d, int i, int quadrant)
{
    switch (CollideSide(balls[i], blocks[currPlayer][d], quadrant)) {
    case SIDE_TOP:
    case SIDE_BOTTOM: BallReboundY(d, i); break;
    case SIDE_LEFT:
    case SIDE_RIGHT: BallReboundX(d, i); break;
    case SIDE_TOP_LEFT:
    case SIDE_BOTTOM_LEFT:
    case SIDE_TOP_RIGHT:
    case SIDE_BOTTOM_RIGHT: BallReboundCorner(d, i); break;
    default: break;
    }
    Break(d, i);
}

int CollideBallBlock(int i)
{
    Q2SL_sprite& b = balls[i];
    auto column = [](int x) { return x < 0 ? 0 : (x / CELL_WIDTH > 11 ? 11 : x / CELL_WIDTH); };
    int left = column(b.x), right = column(b.x + 12);
    int top = b.y < 0 ? 0 : b.y / CELL_HEIGHT;
    int bottom = (b.y + 12) / CELL_HEIGHT;
    if (bottom >= GRID_ROWS)
        return 0;
    if (bottom < 0)
        bottom = 0;
    int tl = top * GRID_COLUMNS + left, tr = top * GRID_COLUMNS + right;
    int bl = bottom * GRID_COLUMNS + left, br = bottom * GRID_COLUMNS + right;

    // The leading cell d the ball heads for, the side cell s beside it and the vertical
    // cell v above or below it, by the ball's quadrant.
    int a = ((ballAngle[i] % 360) + 360) % 360;
    int d, s, v;
    bool upward = a <= 180;
    bool upRight = a <= 90, upLeft = a >= 91 && a <= 180;
    if (a >= 271) {
        d = br, s = tr, v = bl;
    } else if (upRight) {
        d = tr, s = br, v = tl;
    } else if (upLeft) {
        d = tl, s = bl, v = tr;
    } else {
        d = bl, s = tl, v = br;
    }
    const Q2SL_sprite* field = blocks[currPlayer];
    bool hs = field[s].anim != 0, hv = field[v].anim != 0, hd = field[d].anim != 0;
    int n = CountBlocks(s, v, d);
    if (n == 0)
        return 0;
    // Both side blocks break, the vertical one first when heading up and right.
    auto breakBoth = [&] {
        if (upRight) {
            Break(v, i);
            Break(s, i);
        } else {
            Break(s, i);
            Break(v, i);
        }
        BallReboundCorner(d, i);
    };
    if (n == 1) {
        if (hs) {
            Break(s, i);
            BallReboundX(s, i);
        } else if (hv) {
            Break(v, i);
            BallReboundY(v, i);
        } else {
            CornerBlock(d, i, ballAngle[i] / 90 + 1);
        }
    } else if (n == 2) {
        if (hs && hd) {
            Break(s, i);
            BallReboundX(upward ? s : d, i);
        } else if (hv && hd) {
            Break(v, i);
            BallReboundY(upLeft ? v : d, i);
        } else {
            breakBoth();
        }
    } else {
        breakBoth();
    }
    ballX[i] = b.x * FIXED_ONE;
    ballY[i] = b.y * FIXED_ONE;
    return 1;
}

// After a rebound: the spin is spent (unless the ball now runs along an axis), the angle
// brought into 0..359, and off anything but a pad the ball squashes.
static void AfterRebound(int c, int i, int look)
{
    int32_t& angle = ballAngle[i];
    int d = std::abs((angle % 90) - 45);
    if (d < 45)
        angle += ballSpin[i];
    if (angle < 0)
        angle += 360;
    else if (angle > 359)
        angle -= 360;
    ballSpin[i] = 0;
    if (c == REBOUND_PAD)
        return;
    ballSquashTick[i] = 0;
    ballSquashStage[i] = 0;
    ballSquashing[i] = 1;
    balls[i].SetAnim(balls[i].anim > 2 ? look + 3 : look);
}

// Taltrix balls pass through blocks.
static bool PassesThrough()
{
    return taltrixOn && inBlockCollide;
}

void BallReboundX(int c, int i)
{
    if (PassesThrough())
        return;
    if (c >= 0)
        CollideSolidX(balls[i], blocks[currPlayer][c]);
    int32_t& angle = ballAngle[i];
    angle = angle >= 180 ? 540 - angle : 180 - angle;
    AfterRebound(c, i, 2);
}

void BallReboundY(int c, int i)
{
    if (PassesThrough())
        return;
    if (c >= 0)
        CollideSolidY(balls[i], blocks[currPlayer][c]);
    ballAngle[i] = 360 - ballAngle[i];
    AfterRebound(c, i, 1);
}

void BallReboundCorner(int c, int i)
{
    if (PassesThrough())
        return;
    int32_t& angle = ballAngle[i];
    angle += 180;
    if (angle > 360)
        angle -= 360;
    if (c >= 0)
        CollideSolid(balls[i], blocks[currPlayer][c]);
    AfterRebound(c, i, 2);
}

void BallCollideBallAll()
{
    auto takesPart = [](int k) { return balls[k].state != BALL_HELD && balls[k].state != BALL_OUT; };
    for (int i = 0; i < numBalls; i++) {
        if (!takesPart(i))
            continue;
        for (int j = i + 1; j < numBalls; j++)
            if (takesPart(j) && CollideBox(balls[i], balls[j]))
                BallCollideBall(i, j);
    }
}

void BallCollideBall(int i, int j)
{
    int32_t a = ballAngle[i], b = ballAngle[j];
    int32_t m = (a + b) >> 1;
    if (a < b) {
        ballAngle[i] = m - 90;
        ballAngle[j] = m + 90;
    } else {
        ballAngle[i] = m + 90;
        ballAngle[j] = m - 90;
    }
    double s = static_cast<double>(static_cast<int64_t>((ballSpeed[i] + ballSpeed[j]) * 0.5));
    ballSpeed[i] = ballSpeed[j] = s;
}

void AllocateBalls(int n)
{
    FreeBalls();
    numBalls = n;
    balls.assign(n, Q2SL_sprite());
    ballBaseSpeed.assign(n, 0.0);
    ballSpeed.assign(n, 0.0);
    ballSpin.assign(n, 0);
    ballAngle.assign(n, 0);
    ballX.assign(n, 0.0);
    ballY.assign(n, 0.0);
    ballAhead.assign(n, 0);
    ballSquashStage.assign(n, 0);
    ballSquashTick.assign(n, 0);
    ballSquashing.assign(n, 0);
    ballHoldTime.assign(n, 0);
}

void FreeBalls()
{
    // No slot outlives its arrays: a frame run between two levels moves nothing.
    numBalls = 0;
    balls.clear();
    ballBaseSpeed.clear();
    ballSpeed.clear();
    ballSpin.clear();
    ballAngle.clear();
    ballX.clear();
    ballY.clear();
    ballAhead.clear();
    ballSquashStage.clear();
    ballSquashTick.clear();
    ballSquashing.clear();
    ballHoldTime.clear();
}

void ResetBalls()
{
    FreeBalls();
    ballsInPlay = 0;
    ballStuck = 0;
    inBlockCollide = 0;
}
