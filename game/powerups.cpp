// Power-ups: the capsules that fall from power-up blocks, catching them, the effects they
// switch on for a while, the notification banner, and the guns on the pads' ends.
#include "game/powerups.h"

#include "audio/sound.h"
#include "game/enemies.h"
#include "game/pads.h"
#include "game/taltrix.h"
#include "game/world.h"
#include "gamemode/sprite_ids.h"

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

void AllPowersOff()
{
    EffectsOff();
    Pad1Move(-1);
    Pad23Move(-1);
    Taltrix(-2);
    shootPadActive = 0;
    ShootPadOff();
    EndAllBullets();
    stickyOn = 0;
}

void EffectsOff()
{
    for (Q2SL_sprite& icon : effectIcons)
        icon.state = 0;
}


// The positions of a player's effect slots.
enum {
    SLOT_SPEED = 0,
    SLOT_AUTO_PAD = 1,
    SLOT_STICKY = 2,
    SLOT_SIZE = 3,
    SLOT_TURN_MARKER = 4,  // an icon only
    SLOT_VEXA = 5,
    SLOT_MULTI_BALL = 6,   // an icon only
    SLOT_TWIN = 7,
    SLOT_TALTRIX = 8,
    CATCH_POINTS = 50,
};
constexpr double SPEED_CHANGE = 3.5;

// What catching each capsule shows.
struct PowerUpName {
    const char* text;  // null: the capsule has no effect
    int notify;
};
static const PowerUpName powerUpNames[PU_ANIMS] = {
    {"Auto Pad", NOTIFY_AUTO_PAD},     {"Fast Ball", NOTIFY_FAST_BALL}, {"Slow Ball", NOTIFY_SLOW_BALL},
    {"Super Pad", NOTIFY_SUPER_PAD},   {"Mini Pad", NOTIFY_MINI_PAD},   {"Twin Pads", NOTIFY_TWIN_PADS},
    {nullptr, -1},                     {"Taltrix!", NOTIFY_TALTRIX},    {"Vexa Shots", NOTIFY_VEXA_SHOTS},
    {"Sticky Pad", NOTIFY_STICKY_PAD}, {nullptr, -1},
};

static Q2SL_sprite& Slot(int p, int position)
{
    return effectIcons[p * EFFECTS_PER_PLAYER + position];
}

// The current player's slot starts its time anew in the given state.
static void Arm(int position, int state)
{
    const int s = currPlayer * EFFECTS_PER_PLAYER + position;
    effectIcons[s].state = state;
    effectTimer[s] = 0;
}

static bool EitherPlayerOn(int position)
{
    return Slot(0, position).state != 0 || Slot(1, position).state != 0;
}

// Pad sounds sound where the pad is.
static void PadSound(int group, int p = 0)
{
    soundGroups[group].Play(SoundPan(pads[p].x, padWidth[p]));
}

static void SetBallSpeeds(double speed)
{
    for (int i = 0; i < numBalls; i++)
        ballBaseSpeed[i] = speed;
}

static void SetPadTargets(int width)
{
    for (int32_t& w : padTargetWidth)
        w = width;
}

// The end pieces carry the guns; each of the four pads has a left and a right one.
template <typename Change>
static void ForEachEnd(Change change)
{
    for (int p = 0; p < NUM_PADS; p++) {
        change(padPieces[0][p], PIECE_LEFT_REST, PIECE_LEFT_RAISE, PIECE_LEFT_LOWER, PIECE_LEFT_RAISED);
        change(padPieces[1][p], PIECE_RIGHT_REST, PIECE_RIGHT_RAISE, PIECE_RIGHT_LOWER, PIECE_RIGHT_RAISED);
    }
}

void ShootPadOn()
{
    ForEachEnd([](Q2SL_sprite& end, int rest, int raise, int, int) {
        if (end.anim == rest)
            end.SetAnim(raise);
    });
}

void ShootPadOff()
{
    ForEachEnd([](Q2SL_sprite& end, int rest, int, int lower, int) {
        if (end.anim != rest && end.anim != lower)
            end.SetAnim(lower);
    });
}

void ShootPadReset()
{
    ForEachEnd([](Q2SL_sprite& end, int rest, int, int, int) { end.SetAnim(rest); });
}

static void GunsRaised()
{
    ForEachEnd([](Q2SL_sprite& end, int, int, int, int raised) { end.SetAnim(raised); });
}

// What a caught capsule of kind k switches on for the current player.
static void ApplyPowerUp(int k)
{
    const double base = startSpeed[currPlayer];
    switch (k) {
    case PU_AUTO_PAD:
        if (!EitherPlayerOn(SLOT_AUTO_PAD))
            Pad1Move(1);
        Arm(SLOT_AUTO_PAD, 1);
        PadSound(SND_PASS2);
        break;
    // The speed power-ups leave the other slots alone.
    case PU_FAST_BALL:
    case PU_SLOW_BALL: {
        const bool fast = k == PU_FAST_BALL;
        SetBallSpeeds(fast ? base + SPEED_CHANGE : base - SPEED_CHANGE);
        Arm(SLOT_SPEED, fast ? 1 : 2);
        Slot(currPlayer, SLOT_SPEED).SetAnim(k);
        PadSound(fast ? SND_PASS2_CAPSULE : SND_PASS_CAPSULE);
        break;
    }
    case PU_SUPER_PAD:
    case PU_MINI_PAD: {
        const bool super = k == PU_SUPER_PAD;
        SetPadTargets(super ? PAD_SUPER_WIDTH : PAD_MINI_WIDTH);
        Arm(SLOT_SIZE, super ? 1 : 2);
        Slot(currPlayer, SLOT_SIZE).SetAnim(k);
        PadSound(super ? SND_PASS2 : SND_PASS);
        break;
    }
    case PU_TWIN_PADS:
        if (!EitherPlayerOn(SLOT_TWIN))
            Pad23Move(1);
        Arm(SLOT_TWIN, 1);
        PadSound(SND_PASS2);
        break;
    case PU_TALTRIX:
        Taltrix(1);
        Arm(SLOT_TALTRIX, 1);
        break;
    case PU_VEXA_SHOTS:
        shootPadActive = 1;
        ShootPadOn();
        // The first volley may leave at once.
        shootCount = 10;
        Arm(SLOT_VEXA, 1);
        PadSound(SND_SPIRALIN);
        break;
    case PU_STICKY_PAD:
        stickyOn = 1;
        Arm(SLOT_STICKY, 1);
        PadSound(SND_SQUISH);
        break;
    default: break;
    }
}

static void Catch(int c)
{
    const int k = powerUpCapsules[c].anim;
    powerUpFalling[c] = 0;
    AwardPoints(CATCH_POINTS);
    if (k < PU_ANIMS && powerUpNames[k].text)
        StartNotify(powerUpNames[k].text, powerUpNames[k].notify);
    ApplyPowerUp(k);
}

static bool Touches(const Q2SL_sprite& c, int p)
{
    const Q2SL_sprite& pad = pads[p];
    return c.y + c.height >= pad.y && pad.y + pad.height >= c.y && c.x + c.width >= pad.x &&
           pad.x + padWidth[p] >= c.x;
}

void CollidePowerUp()
{
    for (int c = 0; c < numPowrUps; c++) {
        // Read once: a capsule over two pads at once is caught by both.
        if (!powerUpFalling[c])
            continue;
        for (int p = 0; p < NUM_PADS; p++)
            if (padActive[p] && Touches(powerUpCapsules[c], p))
                Catch(c);
    }
}

static void FallCapsules()
{
    for (int c = 0; c < numPowrUps; c++) {
        if (!powerUpFalling[c])
            continue;
        Q2SL_sprite& s = powerUpCapsules[c];
        s.prevY = s.y;
        s.y += 4;
        if (frameTick == 2)
            s.StepFrame();
        if (s.y > FIELD_HEIGHT)
            powerUpFalling[c] = 0;
    }
}

// An effect of player p whose time ran out: undo it.
static void EndEffect(int p, int position)
{
    Q2SL_sprite& slot = Slot(p, position);
    const int variant = slot.state;
    slot.state = 0;
    switch (position) {
    case SLOT_SPEED:
        SetBallSpeeds(startSpeed[currPlayer]);
        PadSound(variant == 1 ? SND_PASS_CAPSULE : SND_PASS2_CAPSULE);
        break;
    case SLOT_AUTO_PAD:
        Pad1Move(-1);
        PadSound(SND_PASS, 1);
        break;
    case SLOT_STICKY: stickyOn = 0; break;
    case SLOT_SIZE:
        SetPadTargets(PAD_NORMAL_WIDTH);
        PadSound(variant == 1 ? SND_PASS : SND_PASS2);
        break;
    case SLOT_VEXA:
        shootPadActive = 0;
        ShootPadOff();
        PadSound(SND_GOING_DO);
        break;
    case SLOT_TWIN:
        Pad23Move(-1);
        PadSound(SND_PASS);
        break;
    case SLOT_TALTRIX: Taltrix(-1); break;
    default: break;
    }
}

static bool Timed(int position)
{
    return position != SLOT_TURN_MARKER && position != SLOT_MULTI_BALL;
}

static void RunEffectTimers()
{
    for (int s = 0; s < NUM_EFFECT_SLOTS; s++) {
        const int position = s % EFFECTS_PER_PLAYER;
        if (effectIcons[s].state == 0 || !Timed(position))
            continue;
        if (++effectTimer[s] >= effectDuration[s])
            EndEffect(s / EFFECTS_PER_PLAYER, position);
    }
}

void MovePowerUps()
{
    FallCapsules();
    if (gamePhase == GamePhase::Play)
        RunEffectTimers();
}

void DrawPowerUps()
{
    for (int c = 0; c < numPowrUps; c++)
        if (powerUpFalling[c])
            powerUpCapsules[c].DrawNoHSR(playfieldView, 0, 0, -1);
}

void PowerUpStartNotify()
{
    Q2SL_sprite& s = notifySprite;
    if (notifyAnim < 0 || notifyAnim >= s.numAnims) {
        notifyAnim = -1;
        return;
    }
    s.SetAnim(notifyAnim);
    s.SetFrame(0);
    s.x = FIELD_WIDTH / 2 - s.width / 2;
    notifyHold = 0;
}

// The banner unrolls, holds its middle frame while the name shows, and rolls away.
static void AdvanceNotify()
{
    Q2SL_sprite& s = notifySprite;
    if (s.frame == NOTIFY_HOLD_FRAME && notifyHold < NOTIFY_HOLD_LAST) {
        notifyHold++;
        return;
    }
    if (!s.StepFrame())
        notifyAnim = -1;
}

void PowerUpNotifyDraw()
{
    if (notifyAnim == -1)
        return;
    if (frameTick == 2)
        AdvanceNotify();
    if (notifyAnim != -1)
        notifySprite.DrawNoHSR(playfieldView, 0, 0, -1);
}

void SetPowerUps()
{
    Pad1Move(-2);
    Pad23Move(-2);
    padTargetWidth[0] = PAD_NORMAL_WIDTH;
    shootPadActive = 0;
    ShootPadReset();
    for (int p = 0; p < NUM_PADS; p++)
        padPieces[2][p].SetAnim(PIECE_MIDDLE);
    EndAllBullets();
    stickyOn = 0;
    Taltrix(-2);
    for (int p = 0; p < 2; p++) {
        for (int position : {SLOT_SPEED, SLOT_SIZE}) {
            Q2SL_sprite& slot = Slot(p, position);
            if (slot.state == 1 || slot.state == 2)
                slot.SetAnim(position == SLOT_SPEED ? slot.state : PU_SUPER_PAD + slot.state - 1);
        }
    }
    if (EitherPlayerOn(SLOT_AUTO_PAD))
        Pad1Move(1);
    for (int p = 0; p < 2; p++) {
        const int speed = Slot(p, SLOT_SPEED).state;
        if (speed == 1 || speed == 2)
            for (int i = 0; i < numBalls; i++)
                ballBaseSpeed[i] += speed == 1 ? SPEED_CHANGE : -SPEED_CHANGE;
        const int size = Slot(p, SLOT_SIZE).state;
        if (size == 1 || size == 2)
            SetPadTargets(size == 1 ? PAD_SUPER_WIDTH : PAD_MINI_WIDTH);
    }
    if (EitherPlayerOn(SLOT_TWIN))
        Pad23Move(1);
    if (EitherPlayerOn(SLOT_TALTRIX))
        Taltrix(1);
    if (EitherPlayerOn(SLOT_VEXA)) {
        shootPadActive = 1;
        GunsRaised();
    }
    if (EitherPlayerOn(SLOT_STICKY))
        stickyOn = 1;
}

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
