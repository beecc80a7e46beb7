// The rules every game frame must leave true: ball counts and states, the blocks still to
// break, balls, pads and nukes inside the playfield, and the power-up timers inside their
// durations.
#include "gamemode/invariants.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "app/cmdline.h"
#include "game/specials.h"
#include "game/world.h"

static long checkedFrames = 0;  // game frames checked so far in this run

[[noreturn]] static void Broken(const char* format, ...)
{
    std::fprintf(stderr, "taltrix: invariant broken at game frame %ld: ", checkedFrames);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::abort();
}

static bool Inside(int32_t v, int32_t low, int32_t high)
{
    return v >= low && v <= high;
}

static bool KnownBallState(int32_t state)
{
    return state == BALL_HELD || state == BALL_FLYING || state == BALL_CAPTIVE || state == BALL_LAUNCH ||
           state == BALL_OUT;
}

static void CheckBalls()
{
    const size_t n = balls.size();
    if (numBalls < 1 || static_cast<size_t>(numBalls) != n)
        Broken("numBalls %d with %zu ball slots", numBalls, n);
    const size_t sizes[] = {ballBaseSpeed.size(), ballSpeed.size(), ballSpin.size(), ballAngle.size(),
                            ballX.size(), ballY.size(), ballAhead.size(), ballSquashStage.size(),
                            ballSquashTick.size(), ballSquashing.size(), ballHoldTime.size()};
    for (size_t size : sizes)
        if (size != n)
            Broken("a per-ball array holds %zu entries for %zu balls", size, n);
    if (!Inside(ballsInPlay, 0, numBalls))
        Broken("ballsInPlay %d of %d balls", ballsInPlay, numBalls);
    for (size_t i = 0; i < n; i++) {
        const Q2SL_sprite& b = balls[i];
        if (!KnownBallState(b.state))
            Broken("ball %zu in state %d", i, b.state);
        if (b.state == BALL_OUT)
            continue;
        if (!Inside(b.x, -b.width, FIELD_WIDTH) || !Inside(b.y, -b.height, FIELD_HEIGHT))
            Broken("ball %zu in state %d at (%d, %d)", i, b.state, b.x, b.y);
        // A rebound between two balls may leave an angle up to a turn out: the next step
        // brings it back before it is used.
        if (!Inside(ballAngle[i], -360, 719))
            Broken("ball %zu flies at %d degrees", i, ballAngle[i]);
    }
}

static void CheckField()
{
    if (!Inside(currPlayer, 0, 1))
        Broken("currPlayer %d", currPlayer);
    for (int p = 0; p < 2; p++)
        if (!Inside(blocksLeft[p], 0, NUM_CELLS))
            Broken("player %d has %d blocks left", p, blocksLeft[p]);
    for (int i = 0; i < NUM_PADS; i++)
        if (padActive[i] && !Inside(pads[i].x, -PAD_SUPER_WIDTH, FIELD_WIDTH))
            Broken("pad %d at x %d", i, pads[i].x);
    if (!Inside(padMomentum, -10, 10))
        Broken("pad momentum %d", padMomentum);
    for (size_t i = 0; i < atoms.size(); i++) {
        const Q2SL_sprite& a = atoms[i].sprite;
        if (!Inside(a.x, -a.width, FIELD_WIDTH) || !Inside(a.y, -a.height, FIELD_HEIGHT))
            Broken("nuke %zu in state %d at (%d, %d)", i, atoms[i].state, a.x, a.y);
    }
}

static void CheckEffects()
{
    for (int s = 0; s < NUM_EFFECT_SLOTS; s++)
        if (effectIcons[s].state != 0 && !Inside(effectTimer[s], 0, effectDuration[s]))
            Broken("effect slot %d at frame %d of %d", s, effectTimer[s], effectDuration[s]);
}

void CheckInvariants()
{
    if (!commandLine.checkInvariants)
        return;
    checkedFrames++;
    CheckBalls();
    CheckField();
    CheckEffects();
}
