// Enemies and bullets: creatures called in by block hits and points, their movement and
// deaths, and the shots of the shooting pads.
#pragma once

// After a block hit: an enemy enters at every fifth hit without a pad touch, or at every
// 500 points. (x, y) is where it enters, -1 for the ball's place.
void CheckNewEnemy(int ball, int x, int y);
// 1 if an enemy entered; none does while all five slots are busy.
int AddEnemy(int ball, int x, int y);
void AnimateEnemies();
void MoveEnemies();
void EnemyCollideEnemyAll();
void EnemyCollideEnemy(int i, int j);
void BallCollideEnemyAll();
void BallCollideEnemy(int ball, int e);
void DrawEnemies();
// Fires two bullets from every active pad; 1 if the whole volley left.
int Shoot();
int CanShoot();
void UpdateShootCount();
// The first free bullet, -1 when all are flying.
int FindFreeBullet();
void MoveBullet();
void BulletCollideAll();
void BulletCollideEnemy(int bullet, int e);
void DrawBullet();
void EndAllBullets();
void SetShotMax(int p, int d);
void BuildShotNum(int p);
// The five enemy slots free, with the enemy type, animation 0, frame 0.
void ResetEnemySlots();

// Puts the enemy and bullet records back to their start-of-program values.
void ResetEnemies();
