// Power-ups: the capsules of the power-up blocks, the effect slots and the notification.
// Catching capsules and running the effects come with the power-ups themselves; until
// then the capsules are built and released and the hooks the frame calls do nothing.
#include "game/powerups.h"

#include "game/world.h"

int32_t numPowrUps = 0;                    // power-up blocks on the current field
std::vector<Q2SL_sprite> powerUpCapsules;  // one capsule per power-up block
std::vector<int32_t> powerUpFalling;       // 1 while a capsule falls
Q2SL_sprite effectIcons[NUM_EFFECT_SLOTS]; // the effect slots; state 0 off
int32_t effectTimer[NUM_EFFECT_SLOTS] = {};     // frames each effect has run
int32_t effectDuration[NUM_EFFECT_SLOTS] = {};  // frames each effect lasts
int32_t stickyOn = 0;                      // Sticky Pad in force
const char* notifyText = nullptr;          // the name the status panel shows
int32_t notifyTimer = 0;                   // frames the name stays
Q2SL_sprite notifySprite;                  // the notification banner
int32_t notifyAnim = -1;                   // the banner's animation, -1 none
int32_t notifyHold = 0;                    // ticks the banner has held its middle frame

static bool CarriesPowerUp(int kind)
{
    return (kind >= 26 && kind <= 31) || (kind >= 90 && kind <= 92);
}

// The power-up a block kind carries.
static int PowerUpKind(int kind)
{
    return kind <= 31 ? kind - 26 : kind - 90 + 7;
}

void GetNumPowerUps()
{
    numPowrUps = 0;
    for (const Q2SL_sprite& b : blocks[currPlayer])
        if (CarriesPowerUp(b.anim))
            numPowrUps++;
}

void SetUpPowerUps()
{
    powerUpCapsules.assign(numPowrUps, Q2SL_sprite());
    powerUpFalling.assign(numPowrUps, 0);
    int k = 0;
    for (Q2SL_sprite& b : blocks[currPlayer]) {
        if (!CarriesPowerUp(b.anim) || k >= numPowrUps)
            continue;
        Q2SL_sprite& c = powerUpCapsules[k];
        c.SetType(capsuleSpriteType);
        c.SetAnim(PowerUpKind(b.anim));
        c.SetFrame(0);
        c.x = c.prevX = b.x;
        c.y = c.prevY = b.y;
        b.state = k++;
    }
}

void FreePowerUps()
{
    numPowrUps = 0;
    powerUpCapsules.clear();
    powerUpFalling.clear();
}

void StartNotify(const char* text, int anim)
{
    notifyText = text;
    notifyTimer = NOTIFY_TIME;
    notifyAnim = anim;
    PowerUpStartNotify();
}

void EffectsOff()
{
    for (Q2SL_sprite& icon : effectIcons)
        icon.state = 0;
}

void CollidePowerUp() {}
void MovePowerUps() {}
void DrawPowerUps() {}
void PowerUpStartNotify() {}
void PowerUpNotifyDraw() {}
void ShootPadOn() {}
void ShootPadOff() {}
void ShootPadReset() {}
void SetPowerUps() {}

void ResetPowerUps()
{
    FreePowerUps();
    for (int s = 0; s < NUM_EFFECT_SLOTS; s++) {
        effectIcons[s] = Q2SL_sprite();
        effectTimer[s] = 0;
        effectDuration[s] = 0;
    }
    stickyOn = 0;
    notifyText = nullptr;
    notifyTimer = 0;
    notifySprite = Q2SL_sprite();
    notifyAnim = -1;
    notifyHold = 0;
}
