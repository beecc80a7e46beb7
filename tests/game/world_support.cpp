#include "world_support.h"

#include <cmath>

#include "game/balls.h"
#include "game/blocks.h"
#include "game/levelend.h"
#include "gfx/alloc.h"

namespace {

std::vector<int32_t> sines(360), cosines(360);
Q2SL_spriteType types[5];  // ball, pad, block, enemy, capsule

// A type of `anims` animations of `frames` frames each, every frame w x h, its box the same.
void MakeType(Q2SL_spriteType& t, int anims, int frames, int w, int h)
{
    t.SetAnimCount(static_cast<uint16_t>(anims));
    for (int a = 0; a < anims; a++)
        for (int f = 0; f < frames; f++) {
            auto* b = Q2SL_New<Q2SL_buffer>("frame");
            b->width = static_cast<uint16_t>(w);
            b->height = static_cast<uint16_t>(h);
            t.AddFrame(static_cast<uint16_t>(a), b);
        }
    t.boxWidth = static_cast<uint16_t>(w);
    t.boxHeight = static_cast<uint16_t>(h);
}

}  // namespace

void GameWorld::SetUp()
{
    ResetWorld();
    for (int a = 0; a < 360; a++) {
        sines[a] = static_cast<int32_t>(std::lround(std::sin(a * M_PI / 180) * 65536));
        cosines[a] = static_cast<int32_t>(std::lround(std::cos(a * M_PI / 180) * 65536));
    }
    sinTable = sines.data();
    cosTable = cosines.data();
    MakeType(types[0], 6, 3, 12, 12);
    MakeType(types[1], 1, 13, 72, 13);
    MakeType(types[2], NUM_BLOCK_KINDS, 4, 40, 20);
    MakeType(types[3], 12, 3, 16, 16);
    MakeType(types[4], 10, 4, 40, 20);
    ballSpriteType = &types[0];
    padSpriteType = &types[1];
    enemySpriteType = &types[3];
    capsuleSpriteType = &types[4];
    for (int p = 0; p < 2; p++)
        for (int c = 0; c < NUM_CELLS; c++) {
            Q2SL_sprite& b = blocks[p][c];
            b.SetType(&types[2]);
            b.x = b.prevX = (c % GRID_COLUMNS) * CELL_WIDTH;
            b.y = b.prevY = (c / GRID_COLUMNS) * CELL_HEIGHT;
            b.SetAnim(0);
        }
    lives[0] = lives[1] = START_LIVES;
    inGame[0] = inGame[1] = 1;
}

void GameWorld::TearDown()
{
    ResetWorld();
    for (auto& t : types)
        t.Delete();
    ballSpriteType = padSpriteType = enemySpriteType = capsuleSpriteType = nullptr;
    sinTable = cosTable = nullptr;
}

void GameWorld::PutBlock(int p, int row, int column, int kind)
{
    blocks[p][row * GRID_COLUMNS + column].SetAnim(kind);
}

void MakeBalls(int n)
{
    AllocateBalls(n);
    for (int i = 0; i < n; i++) {
        balls[i].SetType(ballSpriteType);
        balls[i].SetAnim(0);
        balls[i].state = BALL_CAPTIVE;
        ballBaseSpeed[i] = ballSpeed[i] = startSpeed[currPlayer];
    }
}

void GameWorld::FlyBall(int i, int x, int y, int angle, double speed)
{
    Q2SL_sprite& b = balls[i];
    b.x = b.prevX = x;
    b.y = b.prevY = y;
    ballX[i] = x * 65536.0;
    ballY[i] = y * 65536.0;
    ballAngle[i] = angle;
    ballBaseSpeed[i] = ballSpeed[i] = speed;
    ballSquashing[i] = ballSquashStage[i] = 0;
    b.state = BALL_FLYING;
}

void GameWorld::StepPadWidths()
{
    for (int p = 0; p < NUM_PADS; p++) {
        if (padTargetWidth[p] < padWidth[p]) {
            padWidth[p] -= 2;
            pads[p].x += 1;
        } else if (padTargetWidth[p] > padWidth[p]) {
            padWidth[p] += 2;
            pads[p].x -= 1;
        }
    }
}
