// Enemies and bullets: creatures called in by runs of block hits and by points, their
// four ways of moving, their deaths to balls and bullets, and the shots of the shooting
// pads that wear blocks down.
#include "game/enemies.h"

#include <algorithm>
#include <cstdlib>

#include "audio/sound.h"
#include "game/blocks.h"
#include "game/specials.h"
#include "game/world.h"
#include "gamemode/sprite_ids.h"
#include "gfx/collide.h"

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

enum {
    HIT_RUN_FOR_ENEMY = 5,     // block hits without a pad touch that call an enemy in
    POINTS_FOR_ENEMY = 500,
    BULLET_STEP = 7,           // pixels a bullet climbs per frame
    SHOOT_READY = 10,          // frames between volleys
    GUN_LEFT = 10,             // where the guns sit on a pad
    GUN_RIGHT = 14,
    BULLET_LAST_ROW = 18,      // bullets never reach the bottom block row
    FLEE_RANGE = 99,           // kind 3 turns to flee this close to its ball
    GIVE_UP_RANGE = 250,       // and comes back when this far away
};
constexpr double ENEMY_SPEED = 2.4;

static int Kind(const Q2SL_sprite& e)
{
    return e.anim / 3;
}

static int32_t Turned(int32_t angle, int32_t by)
{
    angle += by;
    return angle >= 360 ? angle % 360 : angle;
}

// The enemy's points; animations past the table give none.
static int32_t PointsOf(const Q2SL_sprite& e)
{
    return e.anim < 12 ? enemyPoints[e.anim] : 0;
}

// An enemy met by a ball or a bullet plays its die animation and then frees its slot.
static void KillEnemy(int e)
{
    Q2SL_sprite& s = enemies[e];
    if (s.state == ENEMY_APPEARING)
        s.SetAnim(s.anim + 2);
    else if (s.state == ENEMY_ACTIVE)
        s.SetAnim(s.anim + 1);
    s.state = ENEMY_DYING;
    PlayAt(SND_CRLEAVE, s);
}

void CheckNewEnemy(int ball, int x, int y)
{
    // The counters are used up even when every slot is busy.
    if (blockHitRun > HIT_RUN_FOR_ENEMY - 1) {
        AddEnemy(ball, x, y);
        blockHitRun %= HIT_RUN_FOR_ENEMY;
    } else if (enemyScore >= POINTS_FOR_ENEMY) {
        AddEnemy(ball, x, y);
        enemyScore %= POINTS_FOR_ENEMY;
    }
}

int AddEnemy(int ball, int x, int y)
{
    const bool knownBall = ball >= 0 && ball < numBalls;
    // Without a ball to stand in for a missing place there is nowhere to enter.
    if ((x == -1 || y == -1) && !knownBall)
        return 0;
    if (x == -1)
        x = balls[ball].x;
    if (y == -1)
        y = balls[ball].y;
    int e = 0;
    while (e < NUM_ENEMIES && enemies[e].state != ENEMY_FREE)
        e++;
    if (e == NUM_ENEMIES)
        return 0;
    Q2SL_sprite& s = enemies[e];
    s.state = ENEMY_APPEARING;
    // More kinds join every eight levels.
    const int kinds = std::min(playerLevel[currPlayer] / 8, ENEMY_KINDS - 1) + 1;
    const int kind = GameRand() % kinds;
    s.SetAnim(kind * 3 + ENEMY_APPEAR);
    s.x = s.prevX = x;
    s.y = s.prevY = y;
    enemyFx[e] = x * 65536;
    enemyFy[e] = y * 65536;
    enemyAngle[e] = kind == 1 ? (GameRand() % 4) * 90 : GameRand() % 359;
    enemyPhase[e] = 0;
    enemySpeed[e] = ENEMY_SPEED;
    PlayAt(SND_CRCOME, s);
    return 1;
}

void AnimateEnemies()
{
    if (frameTick != 2)
        return;
    for (Q2SL_sprite& s : enemies) {
        switch (s.state) {
        case ENEMY_APPEARING:
            if (!s.StepFrame()) {
                s.SetAnim(Kind(s) * 3 + ENEMY_MOVE);
                s.state = ENEMY_ACTIVE;
            }
            break;
        case ENEMY_ACTIVE: s.StepFrame(); break;
        case ENEMY_DYING:
            if (!s.StepFrame())
                s.state = ENEMY_FREE;
            break;
        default: break;
        }
    }
}

// One step along the enemy's angle in fixed point.
static void StepAlongAngle(int e)
{
    Q2SL_sprite& s = enemies[e];
    enemyFx[e] += static_cast<int32_t>(cosTable[enemyAngle[e]] * enemySpeed[e]);
    enemyFy[e] -= static_cast<int32_t>(sinTable[enemyAngle[e]] * enemySpeed[e]);
    s.prevX = s.x;
    s.prevY = s.y;
    s.x = enemyFx[e] >> 16;
    s.y = enemyFy[e] >> 16;
}

// Draws new angles until one is allowed.
template <typename Allowed>
static int32_t DrawAngle(Allowed allowed)
{
    int32_t a;
    do
        a = GameRand() % 356;
    while (!allowed(a));
    return a;
}

// Kind 0: a straight line; at a wall it stops there and heads off at random, away from it.
static void MoveWanderer(int e)
{
    Q2SL_sprite& s = enemies[e];
    StepAlongAngle(e);
    int32_t& angle = enemyAngle[e];
    if (s.x < 0) {
        s.x = 0;
        enemyFx[e] = 0;
        angle = DrawAngle([](int32_t a) { return a <= 90 || a >= 270; });
    }
    if (s.y < 0) {
        s.y = 0;
        enemyFy[e] = 0;
        angle = DrawAngle([](int32_t a) { return a >= 180; });
    }
    if (s.x + s.width > FIELD_WIDTH) {
        s.x = FIELD_WIDTH - s.width;
        enemyFx[e] = s.x * 65536;
        angle = DrawAngle([](int32_t a) { return a >= 90 && a <= 270; });
    }
    if (s.y + s.height > FIELD_HEIGHT) {
        s.y = FIELD_HEIGHT - s.height;
        enemyFy[e] = s.y * 65536;
        angle = DrawAngle([](int32_t a) { return a <= 180; });
    }
}

// Kind 1: along the axes, turning now and then; it reverses when it leaves the field and
// may stay outside a little until it is back.
static void MoveTurner(int e)
{
    Q2SL_sprite& s = enemies[e];
    StepAlongAngle(e);
    if (GameRand() % 80 == 1)
        enemyAngle[e] = Turned(enemyAngle[e], (GameRand() % 3) * 90 + 90);
    if (s.x < 0 || s.y < 0 || s.x + s.width > FIELD_WIDTH || s.y + s.height > FIELD_HEIGHT)
        enemyAngle[e] = Turned(enemyAngle[e], 180);
}

// The nearest ball in the field, or ball 0 when none flies.
static const Q2SL_sprite& TargetBall(const Q2SL_sprite& s)
{
    int best = 9999, target = 0;
    for (int i = 0; i < numBalls; i++) {
        const Q2SL_sprite& b = balls[i];
        if (b.state == BALL_HELD || b.state == BALL_OUT)
            continue;
        const int d = std::abs(s.x - b.x) + std::abs(s.y - b.y);
        if (d < best) {
            best = d;
            target = i;
        }
    }
    return balls[target];
}

// Keeps the enemy inside the field; true when it had to be stopped at a wall.
static bool ClampToField(Q2SL_sprite& s)
{
    bool touched = false;
    auto clamp = [&touched](int32_t& v, int32_t hi) {
        if (v < 0) {
            v = 0;
            touched = true;
        } else if (v > hi) {
            v = hi;
            touched = true;
        }
    };
    clamp(s.x, FIELD_WIDTH - s.width);
    clamp(s.y, FIELD_HEIGHT - s.height);
    return touched;
}

// Moves the enemy 1/divisor of the way towards (divisor > 0) or away from its ball.
static void Approach(Q2SL_sprite& s, const Q2SL_sprite& ball, int divisor)
{
    s.prevX = s.x;
    s.prevY = s.y;
    if (divisor > 0) {
        s.x += (ball.x - s.x) / divisor;
        s.y += (ball.y - s.y) / divisor;
    } else {
        s.x += (s.x - ball.x) / -divisor;
        s.y += (s.y - ball.y) / -divisor;
    }
}

// Kind 2: homes in on the nearest ball.
static void MoveHoming(int e)
{
    Q2SL_sprite& s = enemies[e];
    Approach(s, TargetBall(s), 10);
    ClampToField(s);
}

// Kind 3: creeps up on the nearest ball, then flees until it is far away or cornered.
static void MoveTeaser(int e)
{
    Q2SL_sprite& s = enemies[e];
    const Q2SL_sprite& ball = TargetBall(s);
    if (enemyPhase[e] == 0) {
        Approach(s, ball, 30);
        ClampToField(s);
        if (std::abs(s.x - ball.x) <= FLEE_RANGE && std::abs(s.y - ball.y) <= FLEE_RANGE)
            enemyPhase[e] = 1;
        return;
    }
    Approach(s, ball, -15);
    if (ClampToField(s))
        enemyPhase[e] = 0;
    if (std::abs(s.x - ball.x) > GIVE_UP_RANGE || std::abs(s.y - ball.y) > GIVE_UP_RANGE)
        enemyPhase[e] = 0;
}

void MoveEnemies()
{
    for (int e = 0; e < NUM_ENEMIES; e++) {
        if (enemies[e].state != ENEMY_ACTIVE)
            continue;
        switch (Kind(enemies[e])) {
        case 0: MoveWanderer(e); break;
        case 1: MoveTurner(e); break;
        case 2:
            if (numBalls > 0)
                MoveHoming(e);
            break;
        case 3:
            if (numBalls > 0)
                MoveTeaser(e);
            break;
        default: break;
        }
    }
}

void EnemyCollideEnemy(int i, int j)
{
    CollideSolid(enemies[i], enemies[j]);
    enemyAngle[i] = Turned(enemyAngle[i], 180);
    enemyAngle[j] = Turned(enemyAngle[j], 180);
}

void EnemyCollideEnemyAll()
{
    for (int i = 0; i < NUM_ENEMIES; i++) {
        for (int j = i + 1; j < NUM_ENEMIES; j++) {
            if (enemies[i].state == ENEMY_FREE || enemies[j].state == ENEMY_FREE)
                continue;
            if (!CollideBox(enemies[i], enemies[j]))
                continue;
            EnemyCollideEnemy(i, j);
            CollideSolidBox(enemies[i], enemies[j]);
        }
    }
}

void BallCollideEnemy(int ball, int e)
{
    AwardPoints(PointsOf(enemies[e]));
    // A fire ball ploughs on; any other ball glances off the creature.
    if (!taltrixOn) {
        const int32_t b = ballAngle[ball], a = enemyAngle[e];
        const int32_t m = (b + a) >> 1;
        ballAngle[ball] = b < a ? m + 90 : m - 90;
    }
    KillEnemy(e);
}

void BallCollideEnemyAll()
{
    for (int i = 0; i < numBalls; i++) {
        if (balls[i].state == BALL_OUT)
            continue;
        for (int e = 0; e < NUM_ENEMIES; e++)
            if (enemies[e].state == ENEMY_ACTIVE && CollideBox(balls[i], enemies[e]))
                BallCollideEnemy(i, e);
    }
}

void DrawEnemies()
{
    for (Q2SL_sprite& s : enemies)
        if (s.state != ENEMY_FREE)
            s.DrawNoHSR(playfieldView, 0, 0, -1);
}

int CanShoot()
{
    return shootPadActive == 1 && shootCount > SHOOT_READY - 1;
}

int FindFreeBullet()
{
    for (int b = 0; b < NUM_BULLETS; b++)
        if (!bullets[b].active)
            return b;
    return -1;
}

// Fires one bullet from pad p, `gun` pixels in from its left; false when none is free.
static bool FireFrom(int p, int gun)
{
    const int b = FindFreeBullet();
    if (b < 0)
        return false;
    Q2SL_sprite& s = bullets[b].sprite;
    bullets[b].active = 1;
    s.x = s.prevX = pads[p].x + gun;
    s.y = s.prevY = pads[p].y - 10;
    s.SetAnim(BULLET_FLYING);
    s.SetFrame(0);
    return true;
}

int Shoot()
{
    if (!CanShoot())
        return 0;
    for (int p = 0; p < NUM_PADS; p++) {
        if (p > 0 && !padActive[p])
            continue;
        if (!FireFrom(p, GUN_LEFT))
            return 0;
        if (p == 0) {
            shootCount = 0;
            soundGroups[SND_SHOOT].Play(SoundPan(pads[0].x, padWidth[0]));
        }
        if (!FireFrom(p, padWidth[p] - GUN_RIGHT))
            return 0;
    }
    return 1;
}

void UpdateShootCount()
{
    if (shootCount < SHOOT_READY)
        shootCount += 1;
}

// Sparks and a click where a bullet struck.
static void BulletSparks(const Q2SL_sprite& s)
{
    StartParticleSource(s.x + 3, s.y + 3, PARTICLE_IMPACT, 1, 0);
    PlayAt(SND_CLICK, s);
}

// A bullet that struck something plays its impact, when its type has one.
static void BulletImpact(Q2SL_sprite& s)
{
    if (s.numAnims > BULLET_IMPACT)
        s.SetAnim(BULLET_IMPACT);
}

void BulletCollideEnemy(int b, int e)
{
    AwardPoints(PointsOf(enemies[e]));
    KillEnemy(e);
    BulletImpact(bullets[b].sprite);
}

// A flying bullet against the block grid: it wears the block down and stops at its row.
static void BulletCollideBlock(Q2SL_sprite& s)
{
    const int column = std::min(std::max(s.x + 3, 0) / CELL_WIDTH, GRID_COLUMNS - 1);
    const int row = (s.y + 3) / CELL_HEIGHT;
    if (s.y + 3 < 0 || row > BULLET_LAST_ROW)
        return;
    const int cell = row * GRID_COLUMNS + column;
    Q2SL_sprite& block = blocks[currPlayer][cell];
    if (block.anim == 0)
        return;
    BulletSparks(s);
    int32_t& left = shotNum[currPlayer][cell];
    if (--left <= 0) {
        left = 0;
        BreakBlock(&block, -1, BREAK_BULLET, s.x, s.y);
    }
    s.y = ((s.y - 1) / CELL_HEIGHT) * CELL_HEIGHT;
    BulletImpact(s);
}

void BulletCollideAll()
{
    for (int b = 0; b < NUM_BULLETS; b++) {
        Q2SL_sprite& s = bullets[b].sprite;
        if (!bullets[b].active || s.anim != BULLET_FLYING)
            continue;
        for (int e = 0; e < NUM_ENEMIES; e++) {
            const int state = enemies[e].state;
            if ((state == ENEMY_APPEARING || state == ENEMY_ACTIVE) && CollideBox(s, enemies[e])) {
                BulletCollideEnemy(b, e);
                BulletSparks(s);
            }
        }
        BulletCollideBlock(s);
    }
}

void MoveBullet()
{
    for (_ZQBullet& bullet : bullets) {
        if (!bullet.active)
            continue;
        Q2SL_sprite& s = bullet.sprite;
        if (s.anim == BULLET_IMPACT) {
            if (!s.StepFrame())
                bullet.active = 0;
            continue;
        }
        s.StepFrame();
        s.prevY = s.y;
        s.y -= BULLET_STEP;
        if (s.y - BULLET_STEP < 0) {
            BulletSparks(s);
            // A bullet without an impact picture ends at the top all the same.
            if (s.numAnims > BULLET_IMPACT)
                s.SetAnim(BULLET_IMPACT);
            else
                bullet.active = 0;
        }
    }
    BulletCollideAll();
}

void DrawBullet()
{
    for (_ZQBullet& b : bullets)
        if (b.active)
            b.sprite.DrawNoHSR(playfieldView, 0, 0, -1);
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
