// What a hit does to each kind of block, the block animations, and counting the blocks a
// level still needs broken.
#include "game/blocks.h"

#include "audio/sound.h"
#include "game/enemies.h"
#include "game/powerups.h"
#include "game/specials.h"
#include "game/taltrix.h"
#include "game/world.h"
#include "gamemode/sprite_ids.h"

Q2SL_sprite blocks[2][NUM_CELLS];  // both players' fields; positions fixed at game set-up
int32_t blocksLeft[2] = {0, 0};    // blocks each player must still break
int32_t blockHitRun = 0;           // block hits since a ball last touched a pad
Q2SL_sprite* lastBlock = nullptr;  // the block most recently hit

static bool InRange(int k, int lo, int hi)
{
    return k >= lo && k <= hi;
}

static constexpr std::array<int32_t, NUM_BLOCK_KINDS> MakeBlockPoints()
{
    std::array<int32_t, NUM_BLOCK_KINDS> t{};
    for (int k = 0; k < NUM_BLOCK_KINDS; k++) {
        if ((k >= 2 && k <= 17) || k == 21)
            t[k] = 5;
        else if ((k >= 26 && k <= 31) || (k >= 90 && k <= 92) || k == 35 || k == 38 || k == 49 ||
                 k == 56 || k == 58 || k == 60 || k == 62 || k == 63 || k == 118 || k == 119)
            t[k] = 10;
        else if (k == 25 || k == 72)
            t[k] = 15;
        else if (k >= 114 && k <= 117)
            t[k] = 20;
        else if ((k >= 95 && k <= 98) || (k >= 100 && k <= 111))
            t[k] = 25;
        else if (k == 113)
            t[k] = 30;
    }
    return t;
}

static constexpr std::array<int32_t, NUM_BLOCK_KINDS> MakeBlockFlags()
{
    std::array<int32_t, NUM_BLOCK_KINDS> t{};
    for (int k = 0; k < NUM_BLOCK_KINDS; k++) {
        if (k == 0 || k == 19 || (k >= 21 && k <= 23) || k == 93 || k == 94 || k == 99 || k >= 120)
            t[k] = 2;
        else if ((k >= 2 && k <= 18) || (k >= 33 && k <= 89) || (k >= 95 && k <= 98) ||
                 (k >= 114 && k <= 119))
            t[k] = 1;
    }
    return t;
}

const std::array<int32_t, NUM_BLOCK_KINDS> blockPoints = MakeBlockPoints();  // points by kind
const std::array<int32_t, NUM_BLOCK_KINDS> blockFlags = MakeBlockFlags();    // counting and arrow stops

void SetBlockKind(Q2SL_sprite& block, int kind)
{
    block.SetAnim(kind);
}

void BlockCounted()
{
    blocksLeft[currPlayer] -= 1;
    if (blocksLeft[currPlayer] == 0)
        levelEnd = LEVEL_END_CLEARED;
}

// One hit being worked out: the block, what hit it, and where an enemy would appear.
struct Hit {
    Q2SL_sprite* block;
    int ball;  // -1 for a bullet
    int x, y;  // the enemy's place, -1 for the ball's
};

static void CallEnemy(const Hit& h)
{
    CheckNewEnemy(h.ball, h.x, h.y);
}

static void Sound(const Hit& h, int group)
{
    PlayAt(group, *h.block);
}

// Bullets may hit while Taltrix mode runs; some blocks then break silently.
static void QuietInTaltrix(const Hit& h, int group)
{
    if (!taltrixOn)
        Sound(h, group);
}

// Sparks of a hit start near it: at the ball, or at the bullet (the place given), or at
// the block itself when neither is known.
static void Sparks(const Hit& h, int anim)
{
    int x = h.block->x + CELL_WIDTH / 2;
    int y = h.block->y + CELL_HEIGHT / 2;
    if (h.ball >= 0 && h.ball < numBalls) {
        x = balls[h.ball].x + 3;
        y = balls[h.ball].y + 3;
    } else if (h.x != -1 && h.y != -1) {
        x = h.x + 3;
        y = h.y + 3;
    }
    StartParticleSource(x, y, anim, 3, 1);
}

// The kinds that step to another kind, or only make a sound, when a ball or a bullet hits
// them. Returns false for the kinds that break outright.
static bool StepKind(const Hit& h, int kind)
{
    Q2SL_sprite& b = *h.block;
    // A block that turns into another kind, calls an enemy nearer and sounds.
    auto turn = [&](int next, int group) {
        SetBlockKind(b, next);
        CallEnemy(h);
        Sound(h, group);
    };
    auto turnQuiet = [&](int next, int group) {
        SetBlockKind(b, next);
        CallEnemy(h);
        QuietInTaltrix(h, group);
    };
    if (InRange(kind, 13, 16)) {
        turn(kind + 1, SND_IMPENDIN);
    } else if (InRange(kind, 3, 12)) {
        turn(kind + 117, SND_PING_PON);
    } else if (InRange(kind, 118, 119)) {
        turn(kind + 20, SND_23_5);
    } else if (InRange(kind, 114, 117)) {
        turn(kind + 26, SND_PING_PON_PAD);
    } else {
        switch (kind) {
        case 35: turn(130, SND_WOOD_DRO); break;
        case 38: turn(131, SND_23_5); break;
        case 56: turn(132, SND_SOFT_MET); break;
        case 58: turn(133, SND_23_5); break;
        case 60: turn(134, SND_IMPENDIN); break;
        case 63: turn(135, SND_WOOD_DRO); break;
        case 62: turn(136, SND_23_5); break;
        case 72: turn(137, SND_65_2F); break;
        case 1:
            // Indestructible blocks do not bring an enemy nearer.
            blockHitRun -= 1;
            turn(20, SND_METALWOR);
            break;
        case 18:
            SetBlockKind(b, 19);
            BlockCounted();
            CallEnemy(h);
            QuietInTaltrix(h, SND_PING_PON);
            break;
        case 17:
        case 21: turnQuiet(23, SND_IMPENDIN); break;
        case 2: turnQuiet(24, SND_PING_PON); break;
        case 34: turnQuiet(94, SND_PING_PON); break;
        case 49: turnQuiet(93, SND_WOOD_DRO); break;
        case 19:
        case 22:
        case 23:
        case 24:
        case 93:
        case 94: QuietInTaltrix(h, SND_PING_PON); break;
        case 20: blockHitRun -= 1; break;
        default: return false;
        }
    }
    return true;
}

// The two captive balls fly off from their places inside the block, fanned about the
// hitting ball's direction (straight up for a bullet).
static void ReleaseCaptiveBalls(const Hit& h)
{
    StartNotify("Multi-Ball", NOTIFY_MULTI_BALL);
    int k = h.block->state;
    if (k < 1 || k + 1 >= numBalls)
        return;
    int a = (h.ball >= 0 && h.ball < numBalls) ? ballAngle[h.ball] : 90;
    if (a < 180) {
        ballAngle[k] = a + 10;
        ballAngle[k + 1] = a - 10;
    } else {
        ballAngle[k] = a - 10;
        ballAngle[k + 1] = a + 10;
    }
    balls[k].state = BALL_FLYING;
    balls[k + 1].state = BALL_FLYING;
    ballsInPlay += 2;
}

static void ReleaseCapsule(const Hit& h)
{
    int k = h.block->state;
    if (k >= 0 && k < numPowrUps) {
        powerUpFalling[k] = 1;
        powerUpCapsules[k].SetFrame(h.block->frame);
    }
}

static bool Uncounted(int kind);

// The kinds that break outright, and every kind a Taltrix break reaches.
static void BreakKind(const Hit& h, int kind)
{
    Q2SL_sprite& b = *h.block;
    if (kind == 25) {
        ReleaseCaptiveBalls(h);
        SetBlockKind(b, 0);
        Sound(h, SND_21_1);
        CallEnemy(h);
    } else if (InRange(kind, 26, 31) || InRange(kind, 90, 92)) {
        ReleaseCapsule(h);
        SetBlockKind(b, 0);
        Sound(h, SND_21_1);
        CallEnemy(h);
    } else if (InRange(kind, 95, 98)) {
        IgniteArrow(b.state);
        CallEnemy(h);
    } else if (InRange(kind, 100, 111)) {
        StartAtom(b.state);
        SetBlockKind(b, 0);
        BlockCounted();
        if (!taltrixOn)
            Sound(h, SND_PING_PON);
    } else if (kind == 113) {
        // A hidden block shows itself as a last-stage block and counts from now on.
        SetBlockKind(b, 17);
        blocksLeft[currPlayer] += 1;
        CallEnemy(h);
        Sparks(h, 0);
        Sound(h, SND_IMPENDIN);
        CallEnemy(h);
    } else if (kind == 0) {
        CallEnemy(h);
    } else {
        if (!taltrixOn) {
            Sound(h, SND_PING_PON);
            // Queued fire-ball hits break here after the mode ends: a hard block is no
            // block of the level's count.
            if (!Uncounted(kind))
                BlockCounted();
        } else if (blockFlags[kind] != 0) {
            BlockCounted();
        }
        SetBlockKind(b, 0);
        CallEnemy(h);
    }
}

// The cell of a block of the current player's field, or -1 for any other sprite.
static int CellOf(const Q2SL_sprite* block)
{
    const Q2SL_sprite* field = blocks[currPlayer];
    if (block < field || block >= field + NUM_CELLS)
        return -1;
    return static_cast<int>(block - field);
}

void BreakBlock(Q2SL_sprite* block, int ball, int mode, int x, int y)
{
    int kind = block->anim;
    if (kind >= NUM_BLOCK_KINDS)
        return;
    AwardPoints(blockPoints[kind]);
    lastBlock = block;
    Hit h{block, ball, x, y};
    if (taltrixOn)
        Sparks(h, 0);
    else if (FastBallOn())
        Sparks(h, 1);
    if (taltrixOn && mode == BREAK_BALL) {
        TaltrixQueueHit(ball, block);
        return;
    }
    int cell = CellOf(block);
    if (cell >= 0 && explodeBlocks[cell].state == 1)
        return;
    blockHitRun += 1;
    if (mode != BREAK_TALTRIX && StepKind(h, kind))
        return;
    BreakKind(h, kind);
}

void BlockAnimate()
{
    for (Q2SL_sprite& b : blocks[currPlayer]) {
        int kind = b.anim;
        if (kind == 20) {
            if (!b.StepFrame())
                SetBlockKind(b, 1);
        } else if (kind == 19 || kind == 22 || kind == 23 || kind == 24 || kind == 93 ||
                   kind == 94 || InRange(kind, 120, 143)) {
            if (!b.StepFrame()) {
                SetBlockKind(b, 0);
                BlockCounted();
            }
        } else if (kind == 26 || kind == 27 || kind == 28 || kind == 91) {
            if (frameTick == 2)
                b.StepFrame();
        }
    }
}

// The kinds that never have to be broken to clear a level.
static bool Uncounted(int kind)
{
    return kind == 0 || kind == 1 || kind == 19 || kind == 20 || kind == 22 || kind == 23 ||
           InRange(kind, 25, 31) || InRange(kind, 90, 92) || kind == 113;
}

void GetNumBlocksLeft(int p)
{
    int n = 0;
    for (const Q2SL_sprite& b : blocks[p])
        if (!Uncounted(b.anim))
            n++;
    blocksLeft[p] = n;
}

void GetNumBalls()
{
    int multi = 0;
    for (const Q2SL_sprite& b : blocks[currPlayer])
        if (b.anim == 25)
            multi++;
    numBalls = 1 + 2 * multi;
}

void DrawBlocks()
{
    for (Q2SL_sprite& b : blocks[currPlayer])
        if (b.anim != 0)
            b.DrawNoHSR(playfieldView, 0, 0, -1);
}

void ResetBlocks()
{
    for (auto& field : blocks)
        for (Q2SL_sprite& b : field)
            b = Q2SL_sprite();
    blocksLeft[0] = blocksLeft[1] = 0;
    blockHitRun = 0;
    lastBlock = nullptr;
}
