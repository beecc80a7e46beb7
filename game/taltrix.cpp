// Taltrix mode: fire balls that plough through blocks. Every block a fire ball touches is
// put on the hit list and the game freezes for a flash of the palette; when the flash is
// over the listed blocks break, and each ball looks a little way ahead for the next block
// to set the chain going again.
#include "game/taltrix.h"

#include <cmath>

#include "audio/sound.h"
#include "game/balls.h"
#include "game/blocks.h"
#include "game/world.h"
#include "gamemode/setup.h"
#include "gamemode/sprite_ids.h"
#include "gfx/palette.h"

int32_t taltrixOn = 0;      // Taltrix mode in force
int32_t flashLevel = 0;     // the flash's level, 0..7
int32_t flashStep = 0;      // +1 rising, -1 falling
int32_t flashOn = 0;        // the flash runs and freezes most of the game
hitNode* hitList = nullptr; // queued Taltrix hits, newest first
int32_t fadeState = 2;      // 0 fading to the flash colour, 1 fading back, 2 done

// The colour the screen is flashing to.
static const Q2SL_palette* fadeTarget = &whitePalette;

enum {
    FLASH_FADE_STEPS = 5,
    FLASH_TOP = 7,
    CHAIN_POINTS = 5,
    LOOK_AHEAD_X = 40,   // how far across a ball looks for the next block
    LOOK_AHEAD_Y = 20,   // and how far up or down
    LOOK_AHEAD_STEPS = 64,  // more than either distance takes, whatever the angle
    MULTI_BALL_POSITION = 6,
};

// The screen fades to the colour and, in later calls, back to the game palette.
static void Flash(const Q2SL_palette& to, int pan)
{
    fadeState = 0;
    fadeTarget = &to;
    soundGroups[SND_FLASH].Play(pan);
    FadePalStart(GamePalette(), to, FLASH_FADE_STEPS);
}

static void AdvanceFade()
{
    if (fadeState == 2 || !FadePal())
        return;
    if (fadeState == 0) {
        FadePalStart(*fadeTarget, GamePalette(), FLASH_FADE_STEPS);
        fadeState = 1;
    } else {
        fadeState = 2;
    }
}

// Shifts an animation by `by`, keeping the frame when the new animation has it.
static void ShiftAnim(Q2SL_sprite& s, int by)
{
    const int frame = s.frame;
    s.SetAnim(s.anim + by);
    s.SetFrame(frame);
}

// The fire-ball look on (+3) or off (-3) for the balls, the spare balls and the markers.
static void FireLook(bool on)
{
    for (int i = 0; i < numBalls; i++) {
        Q2SL_sprite& b = balls[i];
        if (b.state == BALL_OUT)
            continue;
        if (on && b.anim <= BALL_SQUASH_X)
            ShiftAnim(b, BALL_TALTRIX);
        else if (!on && b.anim >= BALL_TALTRIX)
            ShiftAnim(b, -BALL_TALTRIX);
    }
    if (on && spareBallIcon.anim <= BALL_SQUASH_X)
        ShiftAnim(spareBallIcon, BALL_TALTRIX);
    else if (!on && spareBallIcon.anim >= BALL_TALTRIX)
        ShiftAnim(spareBallIcon, -BALL_TALTRIX);
    for (int p = 0; p < 2; p++)
        effectIcons[p * EFFECTS_PER_PLAYER + MULTI_BALL_POSITION].SetFrame(on ? 1 : 0);
}

static void Unlink(hitNode* n)
{
    if (n->previous)
        n->previous->next = n->next;
    else
        hitList = n->next;
    if (n->next)
        n->next->previous = n->previous;
    delete n;
}

// Every queued block breaks at once, by the rules of normal play.
static void BreakQueued()
{
    hitNode* n = hitList;
    hitList = nullptr;
    while (n) {
        hitNode* next = n->next;
        if (n->block)
            BreakBlock(n->block, n->ball, BREAK_TALTRIX);
        delete n;
        n = next;
    }
}

static void SwitchOn()
{
    if (taltrixOn)
        return;
    taltrixOn = 1;
    FireLook(true);
    Flash(bluePalette, 0);
}

static void SwitchOff(int mode)
{
    if (taltrixOn) {
        taltrixOn = 0;
        FireLook(false);
        BreakQueued();
    }
    if (mode == -1)
        Flash(blackPalette, 0);
}

// The flash is over: the listed blocks break, and each ball looks ahead for its next one.
static void WorkThroughList()
{
    hitNode* n = hitList;
    while (n) {
        hitNode* next = n->next;
        if (n->block)
            BreakBlock(n->block, n->ball, BREAK_TALTRIX);
        if (!TaltrixNextBlock(n->ball)) {
            n->block = nullptr;
            Unlink(n);
        } else {
            AwardPoints(CHAIN_POINTS);
            Flash(yellowPalette, 0);
            n->block = lastBlock;
        }
        n = next;
    }
}

static void RunFlash()
{
    if (!flashOn)
        return;
    flashLevel += flashStep;
    if (flashStep == 1 && flashLevel >= FLASH_TOP)
        flashStep = -1;
    if (flashStep == -1 && flashLevel <= 0) {
        flashOn = 0;
        WorkThroughList();
    }
}

void Taltrix(int mode)
{
    AdvanceFade();
    switch (mode) {
    case 1: SwitchOn(); break;
    case -1:
    case -2: SwitchOff(mode); break;
    case 0: RunFlash(); break;
    default: break;
    }
}

void TaltrixQueueHit(int ball, Q2SL_sprite* block)
{
    flashLevel = 0;
    flashStep = 1;
    flashOn = 1;
    hitNode* n = new hitNode{nullptr, hitList, ball, block};
    if (hitList)
        hitList->previous = n;
    hitList = n;
    const bool known = ball >= 0 && ball < numBalls;
    Flash(whitePalette, known ? SoundPan(balls[ball].x, balls[ball].width) : 0);
}

// Steps one pixel along the ball's angle.
static void StepPixel(int i)
{
    const int a = ((ballAngle[i] % 360) + 360) % 360;
    Q2SL_sprite& b = balls[i];
    ballX[i] += cosTable[a];
    ballY[i] -= sinTable[a];
    b.prevX = b.x;
    b.prevY = b.y;
    b.x = static_cast<int32_t>(static_cast<int64_t>(ballX[i]) >> 16);
    b.y = static_cast<int32_t>(static_cast<int64_t>(ballY[i]) >> 16);
}

int TaltrixNextBlock(int i)
{
    if (i < 0 || i >= numBalls)
        return 0;
    if (ballAhead[i] == 1) {
        ballAhead[i] = 0;
        return 0;
    }
    Q2SL_sprite& b = balls[i];
    const double fx = ballX[i], fy = ballY[i];
    const int32_t x = b.x, y = b.y, px = b.prevX, py = b.prevY;
    for (int step = 0; step < LOOK_AHEAD_STEPS; step++) {
        StepPixel(i);
        if (CollideBallBlock(i)) {
            ballAhead[i] = 1;
            return 1;
        }
        if (std::abs(b.x - x) >= LOOK_AHEAD_X || std::abs(b.y - y) >= LOOK_AHEAD_Y || b.x < 0 ||
            b.y < 0 || b.x + b.width >= FIELD_WIDTH || b.y + b.height >= FIELD_HEIGHT)
            break;
    }
    ballX[i] = std::trunc(fx);
    ballY[i] = std::trunc(fy);
    b.x = x;
    b.y = y;
    b.prevX = px;
    b.prevY = py;
    return 0;
}

void ResetTaltrix()
{
    while (hitList)
        Unlink(hitList);
    taltrixOn = 0;
    flashLevel = flashStep = flashOn = 0;
    fadeState = 2;
    fadeTarget = &whitePalette;
}
