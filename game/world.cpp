// The game's counters, its random numbers and the scoring that every event shares.
#include "game/world.h"

#include "audio/sound.h"

#include "game/balls.h"
#include "game/blocks.h"
#include "game/enemies.h"
#include "game/levelend.h"
#include "game/lives.h"
#include "game/pads.h"
#include "game/powerups.h"
#include "game/specials.h"
#include "game/taltrix.h"

uint32_t randState = 1;  // the generator's state; unseeded, so every run starts alike

int32_t* sinTable = nullptr;  // sine by degree x 65536, owned by the game mode
int32_t* cosTable = nullptr;  // cosine by degree x 65536, owned by the game mode

Q2SL_spriteType* padSpriteType = nullptr;      // pads, set by the game mode set-up
Q2SL_spriteType* ballSpriteType = nullptr;     // balls, set by the game mode set-up
Q2SL_spriteType* enemySpriteType = nullptr;    // enemies, set by the game mode set-up
Q2SL_spriteType* capsuleSpriteType = nullptr;  // falling capsules, set by the game mode set-up

uint8_t keyboardState[256] = {};         // the keyboard as this frame read it
Q2SL_buffer* playfieldView = nullptr;  // the playfield part of the back buffer

int32_t currPlayer = 0;            // whose turn it is
int32_t difficulty[2] = {3, 3};    // Normal until a player chooses
int32_t startSpeed[2] = {8, 8};    // ball speed of the difficulty
int32_t padKeyStep[2] = {8, 8};    // keyboard pad step of the difficulty
int32_t playerLevel[2] = {0, 0};   // level index of each player
int32_t score[2] = {0, 0};         // each player's score
int32_t extraLifeScore[2] = {0, 0};  // points towards each player's next extra ball
int32_t enemyScore = 0;            // points since the last enemy appeared
int32_t frameTick = 0;             // 0, 1, 2 by game frame: slow animations step on 2

int32_t noDie = 0;           // development option "No Die"
int32_t devKeys = 0;         // development option "Developer Keys"
int32_t ballDirection = 1;   // development option "Ball Direction": 1 "Spin"
int32_t ballSpinOn = 1;      // development option "Ball Spin"
int32_t readyMessageOn = 1;  // development option "Ready Message"
int32_t acquireBallOn = 1;   // development option "Acquire Ball"

int GameRand()
{
    randState = randState * 1103515245u + 12345u;
    return static_cast<int>((randState >> 16) & 0x7fff);
}

void SetDifficulty(int p, int d)
{
    // Ball speed and keyboard pad step by difficulty 1..5.
    static const int32_t speeds[5] = {3, 5, 8, 11, 14};
    static const int32_t steps[5] = {4, 6, 8, 12, 12};
    difficulty[p] = d;
    if (d < 1 || d > 5)
        return;
    startSpeed[p] = speeds[d - 1];
    padKeyStep[p] = steps[d - 1];
}

void PlayAt(int group, const Q2SL_sprite& sprite)
{
    soundGroups[group].Play(SoundPan(sprite.x, sprite.width));
}

void AwardPoints(int32_t p)
{
    score[currPlayer] += p;
    enemyScore += p;
    extraLifeScore[currPlayer] += p;
}

int FastBallOn()
{
    return effectIcons[0].state == 1 || effectIcons[EFFECTS_PER_PLAYER].state == 1;
}

static void ResetCounters()
{
    randState = 1;
    currPlayer = 0;
    for (int p = 0; p < 2; p++) {
        difficulty[p] = 3;
        startSpeed[p] = 8;
        padKeyStep[p] = 8;
        playerLevel[p] = 0;
        score[p] = 0;
        extraLifeScore[p] = 0;
    }
    enemyScore = 0;
    frameTick = 0;
    noDie = 0;
    devKeys = 0;
    ballDirection = 1;
    ballSpinOn = 1;
    readyMessageOn = 1;
    acquireBallOn = 1;
}

void ResetWorld()
{
    ResetCounters();
    ResetBlocks();
    ResetBalls();
    ResetPads();
    ResetEnemies();
    ResetPowerUps();
    ResetSpecials();
    ResetTaltrix();
    ResetLives();
    ResetLevelEnd();
}
