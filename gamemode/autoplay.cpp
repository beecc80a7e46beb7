// The autoplay's choice of where to put the pad, and the controls that take it there.
#include "gamemode/autoplay.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "app/settings.h"
#include "game/world.h"
#include "input/input.h"
#include "platform/keys.h"

int32_t autoplayOn = 0;

// Rebounds the autoplay tries in turn; each pad hit starts the turn one further on, so a
// ball caught in a loop between the pad and the walls soon takes another road.
static const int aimAngles[] = {60, 120, 45, 135, 75, 105, 35, 145};
static const int numAims = sizeof aimAngles / sizeof aimAngles[0];
static int aimTurn = 0;          // where the next search for an aim starts
static bool wasFalling = false;  // the followed ball was falling in the last frame

// Worth of the first block a ball sent off at angle a from (x, y) would meet: 2 a block that
// counts, 1 one that breaks, 0 none or an indestructible one.
static int AimWorth(double x, double y, int a)
{
    const double rad = a * std::numbers::pi / 180.0;
    double dx = std::cos(rad) * 4, dy = -std::sin(rad) * 4;
    for (int step = 0; step < 400; step++) {
        x += dx;
        y += dy;
        if (x < 0 || x >= FIELD_WIDTH) {
            dx = -dx;
            x += 2 * dx;
        }
        if (y < 0) {
            dy = -dy;
            y += 2 * dy;
        }
        if (y >= GRID_ROWS * CELL_HEIGHT)
            continue;
        const int kind = blocks[currPlayer][int(y) / CELL_HEIGHT * GRID_COLUMNS + int(x) / CELL_WIDTH].anim;
        if (kind == 0)
            continue;
        if (kind == 1 || kind == 20)
            return 0;
        return blockFlags[kind] == 1 ? 2 : 1;
    }
    return 0;
}

// The flying ball the pad should go for: the lowest falling one, else the lowest.
static int BallToFollow(bool& falling)
{
    int best = -1;
    falling = false;
    for (int i = 0; i < numBalls; i++) {
        if (balls[i].state != BALL_FLYING)
            continue;
        const bool down = ballAngle[i] > 180;
        if (best < 0 || (down && !falling) || (down == falling && balls[i].y > balls[best].y)) {
            best = i;
            falling = down;
        }
    }
    return best;
}

// Where ball i's left edge will be when it comes down to the pad's row, off the side walls.
static double LandingX(int i)
{
    const Q2SL_sprite& b = balls[i];
    const double speed = ballBaseSpeed[i];
    const double vx = cosTable[ballAngle[i]] / 65536.0 * speed;
    const double vy = -sinTable[ballAngle[i]] / 65536.0 * speed;
    const double frames = vy > 0 ? (pads[0].y - b.height - b.y) / vy : 0;
    const double span = FIELD_WIDTH - b.width;
    double x = std::fmod(b.x + vx * std::max(frames, 0.0), 2 * span);
    if (x < 0)
        x += 2 * span;
    return x > span ? 2 * span - x : x;
}

// Pad x that sends ball i, landing at x, off at the best rebound worth trying.
static int PadTarget(int i, double x)
{
    const int w = padWidth[0];
    int bestAngle = aimAngles[aimTurn % numAims], bestWorth = -1;
    for (int k = 0; k < numAims; k++) {
        const int a = aimAngles[(aimTurn + k) % numAims];
        const int worth = AimWorth(x + balls[i].width / 2.0, pads[0].y - balls[i].height, a);
        if (worth > bestWorth) {
            bestWorth = worth;
            bestAngle = a;
        }
    }
    // The pad's rebound: angle = (w + pad x - ball x - 2) / w x 120 + 30.
    const double offset = w - 2 - (bestAngle - 30) * w / 120.0 + 0.5;
    return int(x - offset);
}

// The controls of the current player's device, steering by `move` pixels and firing.
static void Steer(int move, bool fire)
{
    const int step = padKeyStep[currPlayer];
    const int direction = std::abs(move) * 2 <= step ? 0 : (move < 0 ? -1 : 1);
    switch (inputDevice[currPlayer]) {
    case DEVICE_MOUSE: {
        DIMouseState mouse{};
        mouse.lX = std::clamp(move, -60, 60);
        mouse.rgbButtons[0] = fire ? 0x80 : 0;
        SetSyntheticInput(mouse);
        break;
    }
    case DEVICE_JOYSTICK:
    case DEVICE_GAMEPAD: {
        DIJoyState joy{};
        joy.lX = inputDevice[currPlayer] == DEVICE_JOYSTICK ? std::clamp(move, -30, 30) : direction * 3;
        joy.rgbButtons[0] = fire ? 0x80 : 0;
        SetSyntheticInput(joy);
        break;
    }
    default: {
        uint8_t keys[256] = {};
        keys[DIK_LEFT] = direction < 0 ? 0x80 : 0;
        keys[DIK_RIGHT] = direction > 0 ? 0x80 : 0;
        keys[DIK_SPACE] = fire ? 0x80 : 0;
        SetSyntheticInput(keys);
        break;
    }
    }
}

void AutoplayFrame()
{
    if (!autoplayOn || gamePhase != GamePhase::Play)
        return;
    bool fire = false;
    for (int i = 0; i < numBalls; i++)
        fire = fire || balls[i].state == BALL_HELD;
    bool falling = false;
    const int i = BallToFollow(falling);
    if (wasFalling && !falling)
        aimTurn++;
    wasFalling = falling;
    int target = pads[0].x;
    if (i >= 0)
        target = falling ? PadTarget(i, LandingX(i)) : balls[i].x + balls[i].width / 2 - padWidth[0] / 2;
    Steer(target - pads[0].x, fire);
}
