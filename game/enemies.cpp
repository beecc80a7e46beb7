// Enemies and bullets. The creatures' movement and the shots' flight come with the
// shooting power-up; until then the records are kept and the hooks called by the frame
// and the block rules do nothing.
#include "game/enemies.h"

#include "game/world.h"

Q2SL_sprite enemies[NUM_ENEMIES];      // the creatures
int32_t enemyAngle[NUM_ENEMIES] = {};  // their directions in degrees
double enemySpeed[NUM_ENEMIES] = {};   // their speeds in pixels per step
int32_t enemyFx[NUM_ENEMIES] = {};     // their 16.16 x
int32_t enemyFy[NUM_ENEMIES] = {};     // their 16.16 y
int32_t enemyPhase[NUM_ENEMIES] = {};  // kind 3: approaching or fleeing
const int32_t enemyPoints[12] = {20, 20, 20, 30, 30, 30, 40, 40, 40, 50, 50, 50};  // by animation
_ZQBullet bullets[NUM_BULLETS];        // the shots of the shooting pads
int32_t shootPadActive = 0;            // the shooting power-up is in force
int32_t shootCount = 10;               // frames since the last volley
int32_t shotNum[2][NUM_CELLS] = {};    // bullets still needed by each cell
int32_t shotMax[2] = {2, 2};           // bullets per block by difficulty

void CheckNewEnemy(int, int, int) {}
int AddEnemy(int, int, int) { return 0; }
void AnimateEnemies() {}
void MoveEnemies() {}
void EnemyCollideEnemyAll() {}
void BallCollideEnemyAll() {}
void DrawEnemies() {}
int Shoot() { return 0; }
void MoveBullet() {}
void DrawBullet() {}

void UpdateShootCount()
{
    if (shootCount < 10)
        shootCount += 1;
}

void EndAllBullets()
{
    for (_ZQBullet& b : bullets)
        b.active = 0;
}

void SetShotMax(int p, int d)
{
    shotMax[p] = d <= 2 ? 1 : 2;
}

void BuildShotNum(int p)
{
    for (int c = 0; c < NUM_CELLS; c++) {
        int kind = blocks[p][c].anim;
        shotNum[p][c] = (kind == 0 || kind == 1 || kind == 20) ? 0 : shotMax[p];
    }
}

void ResetEnemySlots()
{
    for (Q2SL_sprite& e : enemies) {
        e.SetType(enemySpriteType);
        e.SetAnim(0);
        e.SetFrame(0);
        e.state = ENEMY_FREE;
    }
}

void ResetEnemies()
{
    for (int e = 0; e < NUM_ENEMIES; e++) {
        enemies[e] = Q2SL_sprite();
        enemyAngle[e] = enemyFx[e] = enemyFy[e] = enemyPhase[e] = 0;
        enemySpeed[e] = 0;
    }
    for (_ZQBullet& b : bullets)
        b = _ZQBullet();
    shootPadActive = 0;
    shootCount = 10;
    for (int p = 0; p < 2; p++) {
        shotMax[p] = 2;
        for (int32_t& n : shotNum[p])
            n = 0;
    }
}
