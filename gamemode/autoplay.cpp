// The autoplay's choice of where to put the pad, and the controls that take it there.
#include "gamemode/autoplay.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "app/settings.h"
#include "game/balls.h"
#include "game/world.h"
#include "input/input.h"
#include "platform/keys.h"

int32_t autoplayOn = 0;

static int aimTurn = 0;          // rotates the choice among equally good aims, so that a ball
                                 // caught in a loop between the pad and the walls soon takes
                                 // another road
static bool wasFalling = false;  // the followed ball was falling in the last frame

// The kind of block under a point of the field, 0 outside the block grid.
static int KindAt(double x, double y)
{
    if (x < 0 || x >= double(FIELD_WIDTH) || y < 0 || y >= double(GRID_ROWS * CELL_HEIGHT))
        return 0;
    return blocks[currPlayer][int(y) / CELL_HEIGHT * GRID_COLUMNS + int(x) / CELL_WIDTH].anim;
}

static bool Indestructible(int kind)
{
    return kind == 1 || kind == 20;
}

// Worth of sending a ball off at angle a from (x, y), its centre followed off the walls and
// the indestructible blocks until it meets a block or comes back down: 2 for a block that
// counts, 1 for one that only breaks, 0 for none.
static int AimWorth(double x, double y, int a)
{
    const double rad = a * std::numbers::pi / 180.0;
    double dx = std::cos(rad) * 2, dy = -std::sin(rad) * 2;
    x += 6;
    y += 6;
    for (int step = 0; step < 1500 && y <= pads[0].y; step++) {
        const double nx = x + dx, ny = y + dy;
        if (nx < 6 || nx > FIELD_WIDTH - 6) {
            dx = -dx;
            continue;
        }
        if (ny < 6) {
            dy = -dy;
            continue;
        }
        const int kind = KindAt(nx, ny);
        if (kind != 0 && !Indestructible(kind))
            return blockFlags[kind] == 1 ? 2 : 1;
        if (kind != 0) {
            // Off an indestructible block: the side it was entered by turns the ball.
            if (KindAt(nx, y) != 0)
                dx = -dx;
            if (KindAt(x, ny) != 0 || KindAt(nx, y) == 0)
                dy = -dy;
            continue;
        }
        x = nx;
        y = ny;
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

// Frames until falling ball i comes down to the pad's row, and where its left edge is then.
static double LandingX(int i, int& frames)
{
    const Q2SL_sprite& b = balls[i];
    const double speed = ballBaseSpeed[i];
    // A rebound between two balls may leave an angle out of 0..359 until the ball's next step.
    const int angle = (ballAngle[i] % 360 + 360) % 360;
    const double vx = cosTable[angle] / 65536.0 * speed;
    const double vy = -sinTable[angle] / 65536.0 * speed;
    const double t = vy > 0 ? std::max((pads[0].y - b.height - b.y) / vy, 0.0) : 0;
    frames = int(t);
    const double span = FIELD_WIDTH - b.width;
    double x = std::fmod(b.x + vx * t, 2 * span);
    if (x < 0)
        x += 2 * span;
    return x > span ? 2 * span - x : x;
}

// How far the pad can go in one frame with the current player's device.
static int PadStep()
{
    switch (inputDevice[currPlayer]) {
    case DEVICE_MOUSE:
    case DEVICE_JOYSTICK:
        return 1;
    default:
        return padKeyStep[currPlayer];
    }
}

// Pad x that sends falling ball i, landing at x in `frames` frames, off towards a block that
// counts, among the places the pad can reach a frame early. The ball must land on the top of
// the pad: a pad end moved into it would knock it under the pad.
static int PadTarget(int i, double x, int frames)
{
    const int w = padWidth[0], step = PadStep();
    const int reach = std::max(frames - 2, 0) * (step == 1 ? 30 : step);
    int best = pads[0].x, bestScore = -1;
    for (int k = -reach / step; k <= reach / step; k++) {
        const int padX = std::clamp(pads[0].x + k * step, 0, FIELD_WIDTH - w);
        const double rel = x - padX;
        if (rel < 0 || rel > w - balls[i].width)
            continue;
        // The pad's rebound: (w + pad x - ball x - 2) / w x 120 + 30.
        const int a = ClampBallAngle(int((w - rel - 2) / w * 120.0 + 30), 0);
        const int worth = AimWorth(x, pads[0].y - balls[i].height - 4, a);
        // Steep rebounds cover the field slowly; among equals the turn decides.
        const int steep = std::abs(a - 90) < 15 ? 0 : 1;
        const int score = (worth * 2 + steep) * 64 + ((padX / step * 7 + aimTurn * 13) & 63);
        if (score > bestScore) {
            best = padX;
            bestScore = score;
        }
    }
    return best;
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
    if (i >= 0 && balls[i].y > pads[0].y) {
        // A ball that got under the pad (it bounces off the bottom in the No Die mode) would
        // be kept there by the pad's underside: make way for it.
        target = balls[i].x * 2 > FIELD_WIDTH ? 0 : FIELD_WIDTH;
    } else if (i >= 0 && falling) {
        int frames = 0;
        const double x = LandingX(i, frames);
        target = PadTarget(i, x, frames);
    } else if (i >= 0) {
        target = balls[i].x + balls[i].width / 2 - padWidth[0] / 2;
    }
    Steer(target - pads[0].x, fire);
}
