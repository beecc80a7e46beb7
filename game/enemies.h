// Enemies and bullets: creatures called in by block hits and points, their movement and
// deaths, and the shots of the shooting pads.
#pragma once

void CheckNewEnemy(int ball, int x, int y);
int AddEnemy(int ball, int x, int y);
void AnimateEnemies();
void MoveEnemies();
void EnemyCollideEnemyAll();
void BallCollideEnemyAll();
void DrawEnemies();
int Shoot();
void UpdateShootCount();
void MoveBullet();
void DrawBullet();
void EndAllBullets();
void SetShotMax(int p, int d);
void BuildShotNum(int p);
// The five enemy slots free, with the enemy type, animation 0, frame 0.
void ResetEnemySlots();

// Puts the enemy and bullet records back to their start-of-program values.
void ResetEnemies();
