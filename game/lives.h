// Lives, turns and messages: extra balls, a lost last ball (a spare ball brought in, the
// turn passed, or the game over), the blinking ready and go messages and the game-over
// message, and the phases of a level.
#pragma once

#include <cstdint>

#include "gfx/sprite.h"

extern Q2SL_sprite messageSprite;   // 0 spare ball on its way, 1 ready, 2 go
extern int32_t messageEnabled;
extern int32_t messageVisible;
extern int32_t blinkCount;
extern int32_t blinkOnFrames;
extern int32_t blinkOffFrames;
extern int32_t readyCount;
extern int32_t goCount;
extern int32_t goActive;
extern Q2SL_sprite gameOverSprite;
extern int32_t gameOverCount;
extern int32_t respawnCount;
extern double respawnVx;     // the spare ball's flight, 16.16 units per frame
extern double respawnVy;
extern double respawnPadX;   // pad 0's glide to its start, 16.16
extern double respawnPadVx;

enum { READY_FRAMES = 50, GO_FRAMES = 35, RESPAWN_FRAMES = 85, GAME_OVER_FRAMES = 140,
       GAME_OVER_SKIP_AFTER = 20, EXTRA_LIFE_POINTS = 1000 };

void CheckExtraLife();
// A ball was lost (flag 0) or the turn passes without costing a life (flag 1).
void NextBall(int flag);
void GameOver();
void StartReadyMessage(int unused);
void ReadyMessageCount();
void GoMessageCount();
void DoMessage();
void GameOverMessageCount();
void BallRespawn();
// Every enemy still about goes to its dying animation.
void EnemiesLeave();
// The game ends: the high-score entry if the score enters the table, else the main menu
// with a fade to black.
void EndGame();
// Back to the main menu, fading the game to black.
void BackToMenu();

// Puts the records of lives, turns and messages back to their start-of-program values.
void ResetLives();
