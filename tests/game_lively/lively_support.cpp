// The rules' fixture is shared, not copied: its source is built into this program too.
#include "../game/world_support.cpp"

#include "lively_support.h"

#include "game/balls.h"
#include "game/enemies.h"
#include "game/pads.h"
#include "game/powerups.h"
#include "game/specials.h"
#include "game/taltrix.h"
#include "gamemode/sprite_ids.h"
#include "gfx/palette.h"

namespace {

Q2SL_spriteType bullet, overlay, atom, spark, notify, pieces, icons;
Q2SL_buffer field;  // a playfield the size of the real one, with no pixels to draw into

}  // namespace

void LivelyWorld::SetUp()
{
    GameWorld::SetUp();
    MakeType(bullet, 2, 3, 4, 10);
    MakeType(overlay, BLOCK_EXPLOSION + 1, 14, 40, 20);
    MakeType(atom, 1, 4, 20, 20);
    MakeType(spark, PARTICLE_ANIMS, 3, 3, 3);
    MakeType(notify, NOTIFY_ANIMS, 10, 200, 24);
    MakeType(pieces, PIECE_ANIMS, 4, 14, 13);
    MakeType(icons, PU_ANIMS, 2, 30, 24);
    atomSpriteType = &atom;
    particleSpriteType = &spark;
    field.viewWidth = FIELD_WIDTH;
    field.viewHeight = 0;  // nothing is drawn, but every drawing routine runs
    playfieldView = &field;
    for (_ZQBullet& b : bullets) {
        b.sprite.SetType(&bullet);
        b.sprite.SetAnim(BULLET_FLYING);
    }
    for (int c = 0; c < NUM_CELLS; c++) {
        explodeBlocks[c].SetType(&overlay);
        explodeBlocks[c].SetAnim(BLOCK_EXPLOSION);
    }
    notifySprite.SetType(&notify);
    for (int s = 0; s < NUM_EFFECT_SLOTS; s++) {
        effectIcons[s].SetType(&icons);
        effectDuration[s] = 875;
    }
    for (int p = 0; p < NUM_PADS; p++)
        for (int k = 0; k < 3; k++) {
            padPieces[k][p].SetType(&pieces);
            padPieces[k][p].SetAnim(k == 0 ? PIECE_LEFT_REST : k == 1 ? PIECE_RIGHT_REST : PIECE_MIDDLE);
        }
    SetUpPads();
    ResetEnemySlots();
    SetupPalettes();
}

void LivelyWorld::TearDown()
{
    ResetWorld();
    for (Q2SL_spriteType* t : {&bullet, &overlay, &atom, &spark, &notify, &pieces, &icons})
        t->Delete();
    atomSpriteType = particleSpriteType = nullptr;
    playfieldView = nullptr;
    GameWorld::TearDown();
}

void LivelyWorld::Frames(int n)
{
    for (int k = 0; k < n; k++) {
        frameTick = frameTick == 2 ? 0 : frameTick + 1;
        StepPadWidths();
        if (padActive[1])
            Pad1Move(0);
        if (padActive[2])
            Pad23Move(0);
        Taltrix(0);
        if (gamePhase == GamePhase::Play && !flashOn) {
            for (int i = 0; i < numBalls; i++)
                if (balls[i].state != BALL_OUT)
                    MoveBall(i);
            CollidePowerUp();
            BallCollideEnemyAll();
        }
        MoveBullet();
        if (!flashOn)
            MovePowerUps();
        if (notifyTimer > 0)
            notifyTimer--;
        UpdateShootCount();
        UpdateExplodeBlocks();
        ArrowRun();
        MoveAtoms();
        PowerUpNotifyDraw();
        DrawParticles();
    }
}
