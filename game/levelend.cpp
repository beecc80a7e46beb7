// The end of a level (the pad glides to the centre and flies off while the banner slides
// in), the move to the next level, and the set-up every level start and turn goes through.
#include "game/levelend.h"

#include "app/state.h"
#include "game/balls.h"
#include "game/blocks.h"
#include "game/enemies.h"
#include "game/lives.h"
#include "game/pads.h"
#include "game/powerups.h"
#include "game/specials.h"
#include "game/taltrix.h"
#include "game/world.h"
#include "gamemode/levels.h"

int32_t levelStartFlash = 0;     // the next frame fades in from white
int32_t levelDoneCount = 0;      // frames into the current step of the sequence
int32_t levelDoneStep = 0;       // step of the level-complete sequence
double levelDonePadX = 0;        // pad 0 during the sequence, pixels
double levelDonePadY = 0;
double levelDonePadVx = 0;       // pixels per frame
double levelDonePadVy = 0;
double levelDoneSpriteX = 0;     // the banner's x, pixels
double levelDoneSpriteVx = 0;
Q2SL_sprite levelCompleteSprite;   // the level-complete banner
int32_t levelCompleteTargetX = 0;  // where the banner comes to rest

enum { GLIDE_FRAMES = 70, WAIT_FRAMES = 70, LEAVE_FRAMES = 35 };

// Extra pads, modes, shooting and the sticky pad end with the level; the balls go back to
// the player's speed.
static void PowersOff()
{
    AllPowersOff();
    for (int i = 0; i < numBalls; i++)
        ballBaseSpeed[i] = startSpeed[currPlayer];
    padTargetWidth[0] = PAD_NORMAL_WIDTH;
}

void StartLevelComplete()
{
    messageEnabled = 0;
    gamePhase = GamePhase::LevelComplete;
    levelDoneCount = 0;
    levelDoneStep = 0;
    levelDonePadX = pads[0].x;
    levelDonePadY = pads[0].y;
    levelDonePadVx = (FIELD_WIDTH / 2 - padWidth[0] / 2 - pads[0].x) / 70.0;
    levelDoneSpriteX = levelCompleteSprite.x;
    levelDoneSpriteVx = (levelCompleteTargetX - levelCompleteSprite.x) / 70.0;
    EnemiesLeave();
    ballsInPlay = 1;
    PowersOff();
}

void DoLevelComplete()
{
    Q2SL_sprite& pad = pads[0];
    Q2SL_sprite& banner = levelCompleteSprite;
    switch (levelDoneStep) {
    case 0:
        levelDonePadX += levelDonePadVx;
        levelDoneSpriteX += levelDoneSpriteVx;
        pad.x = static_cast<int32_t>(levelDonePadX);
        banner.x = static_cast<int32_t>(levelDoneSpriteX);
        if (++levelDoneCount == GLIDE_FRAMES) {
            levelDoneCount = 0;
            levelDoneStep = 1;
        }
        break;
    case 1:
        if (++levelDoneCount == WAIT_FRAMES) {
            levelDoneSpriteVx = (FIELD_WIDTH - banner.x) / 35.0;
            levelDonePadVy = (-pad.height - pad.y) / 35.0;
            levelDonePadY = pad.y;
            levelDoneCount = 0;
            levelDoneStep = 2;
        }
        break;
    case 2:
        levelDonePadY += levelDonePadVy;
        levelDoneSpriteX += levelDoneSpriteVx;
        pad.y = static_cast<int32_t>(levelDonePadY);
        banner.x = static_cast<int32_t>(levelDoneSpriteX);
        if (++levelDoneCount == LEAVE_FRAMES) {
            banner.x = FIELD_WIDTH;
            pad.y = -pad.height;
            levelDoneStep = 3;
        }
        break;
    case 3:
        levelEnd = LEVEL_END_NEXT;
        levelDoneStep = 4;
        break;
    default: break;
    }
}

int SetNextLevel()
{
    int p = currPlayer;
    playerLevel[p] += 1;
    FreeBalls();
    FreePowerUps();
    EffectsOff();
    Pad1Move(-2);
    Pad23Move(-2);
    Taltrix(-2);
    shootPadActive = 0;
    ShootPadReset();
    EndAllBullets();
    stickyOn = 0;
    padTargetWidth[0] = PAD_NORMAL_WIDTH;
    if (playerLevel[p] >= NUM_LEVELS) {
        // The player has beaten the game.
        playersLeft -= 1;
        resumeAfterScreen = playersLeft > 0 ? 1 : 0;
        lives[p] = 0;
        SetSubState(OVERLAY_VICTORY);
        return 0;
    }
    DoNextLevel(playerLevel[p]);
    if (!StartLevel(playerLevel[p], 1)) {
        EndGame();
        return 0;
    }
    return 1;
}

void DoNextLevel(int) {}

// Every ball slot of the level: ball 0 on the pad, two captive balls in each Multi-Ball
// block in cell order, all at the player's speed.
static void SetUpBalls()
{
    GetNumBalls();
    AllocateBalls(numBalls);
    for (int i = 0; i < numBalls; i++) {
        Q2SL_sprite& b = balls[i];
        b.SetType(ballSpriteType);
        b.SetAnim(0);
        b.SetFrame(0);
        b.state = BALL_CAPTIVE;
        ballBaseSpeed[i] = ballSpeed[i] = startSpeed[currPlayer];
        ballAngle[i] = 271;
    }
    balls[0].state = BALL_HELD;
    MoveBall(0);
    ballX[0] = static_cast<double>((pads[0].x + padWidth[0] / 2) << 16);
    ballY[0] = static_cast<double>(balls[0].y << 16);

    // A captive ball sits at (dx, 4) inside its block.
    auto place = [](int k, int cell, int dx, int angle) {
        int x = (cell % GRID_COLUMNS) * CELL_WIDTH + dx;
        int y = (cell / GRID_COLUMNS) * CELL_HEIGHT + 4;
        balls[k].x = balls[k].prevX = x;
        balls[k].y = balls[k].prevY = y;
        ballX[k] = x * 65536.0;
        ballY[k] = y * 65536.0;
        ballAngle[k] = angle;
    };
    int next = 1;
    for (int c = 0; c < NUM_CELLS; c++) {
        Q2SL_sprite& block = blocks[currPlayer][c];
        if (block.anim != 25)
            continue;
        block.state = next;
        place(next, c, 6, 240);
        place(next + 1, c, 22, 300);
        next += 2;
    }
}

void ResetLevel()
{
    levelCompleteSprite.x = FIELD_WIDTH;
    EraseExplodeBlocks();
    levelStartFlash = 1;
    notifyTimer = 0;
    blockHitRun = 0;
    frameTick = 0;
    gamePhase = GamePhase::Play;
    messageVisible = 0;
    blinkCount = 0;
    notifyAnim = -1;
    levelEnd = LEVEL_END_NONE;
    SetUpPads();
    SetUpBalls();
    ResetEnemySlots();
    ballsInPlay = 1;
    RestartExplodeBlocks();
    StopParticles();
    GetNumPowerUps();
    SetUpPowerUps();
    SetupAtoms();
    SetUpArrowBlocks();
    GetNumBlocksLeft(currPlayer);
    BuildShotNum(currPlayer);
}

void ResetLevelEnd()
{
    levelStartFlash = 0;
    levelDoneCount = levelDoneStep = 0;
    levelDonePadX = levelDonePadY = levelDonePadVx = levelDonePadVy = 0;
    levelDoneSpriteX = levelDoneSpriteVx = 0;
    levelCompleteSprite = Q2SL_sprite();
    levelCompleteTargetX = 0;
}
