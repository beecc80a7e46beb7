// The pads: the Auto Pad swaying around the player's pad, the Twin Pads riding at its
// ends, and how either pair comes in and leaves.
#include "game/pads.h"

#include "game/world.h"
#include "gamemode/sprite_ids.h"

Q2SL_sprite pads[NUM_PADS];             // 0 the player's, 1 Auto Pad, 2 and 3 Twin Pads
int32_t padActive[NUM_PADS] = {};       // the slot takes part in play
int32_t padWidth[NUM_PADS] = {};        // current width in pixels
int32_t padTargetWidth[NUM_PADS] = {};  // the width each pad grows or shrinks towards
int32_t padMove = 0;                    // this frame's input movement of pad 0
int32_t padMomentum = 0;                // -10..10, the source of ball spin
Q2SL_sprite padPieces[3][NUM_PADS];     // left ends, right ends, middle pieces of each pad

int32_t autoPadPhase = 0;   // Auto Pad: 1 growing, 0 swaying, -1 shrinking
int32_t autoPadDir = -1;    // Auto Pad: the way it sways
int32_t autoPadOffset = 0;  // Auto Pad: centre offset from pad 0 while it grows or shrinks
int32_t twinPadPhase = 0;   // Twin Pads: 1 growing, 0 following, -1 shrinking

enum { SWAY_REACH = 80, SWAY_STEP = 2, SWAY_STEP_FAST = 6 };

static int32_t Centre(int p)
{
    return pads[p].x + (padWidth[p] >> 1);
}

// The end pieces of pad p carry the guns: raised guns are lowered as the pad leaves.
static void LowerGuns(int p)
{
    Q2SL_sprite& left = padPieces[0][p];
    Q2SL_sprite& right = padPieces[1][p];
    if (left.anim == PIECE_LEFT_RAISED)
        left.SetAnim(PIECE_LEFT_LOWER);
    if (right.anim == PIECE_RIGHT_RAISED)
        right.SetAnim(PIECE_RIGHT_LOWER);
}

// A pad that has shrunk away: inactive, its normal width again, its guns at rest.
static void PadGone(int p)
{
    padActive[p] = 0;
    padTargetWidth[p] = padWidth[p] = PAD_NORMAL_WIDTH;
    padPieces[0][p].SetAnim(PIECE_LEFT_REST);
    padPieces[1][p].SetAnim(PIECE_RIGHT_REST);
}

// An extra pad starts tiny and grows to pad 0's size.
static void PadAppears(int p)
{
    pads[p].frameStep = 1;
    pads[p].SetFrame(0);
    padWidth[p] = PAD_TINY_WIDTH;
    padTargetWidth[p] = padTargetWidth[0];
    padActive[p] = 1;
}

static void KeepInField(int p)
{
    if (pads[p].x < 0)
        pads[p].x = 0;
    if (pads[p].x + padWidth[p] > FIELD_WIDTH)
        pads[p].x = FIELD_WIDTH - padWidth[p];
}

static void AutoPadGrowOrShrink()
{
    if (autoPadPhase == -1 && padWidth[1] == PAD_TINY_WIDTH)
        PadGone(1);
    if (autoPadPhase == 1 && padWidth[1] == padTargetWidth[1]) {
        autoPadPhase = 0;
        autoPadDir = 1;
    }
    // It grows out of pad 0's centre and shrinks towards where it was, moving with pad 0.
    pads[1].prevX = pads[1].x;
    pads[1].x = autoPadOffset + (padWidth[0] >> 1) + pads[0].x - (padWidth[1] >> 1);
    KeepInField(1);
}

static void AutoPadSway()
{
    int32_t padMoved = pads[0].x - pads[0].prevX;
    int32_t ownMove = pads[1].x - pads[1].prevX;
    bool sameWay = (padMoved > 0 && ownMove > 0) || (padMoved < 0 && ownMove < 0);
    bool fast = (padMoved > 2 || padMoved < -2) && sameWay;
    int step = fast ? SWAY_STEP_FAST : SWAY_STEP;
    pads[1].prevX = pads[1].x;
    pads[1].x += autoPadDir * step;
    int32_t offset = Centre(1) - Centre(0);
    if (offset > SWAY_REACH)
        autoPadDir = -1;
    if (offset < -SWAY_REACH)
        autoPadDir = 1;
    if (pads[1].x < 0) {
        pads[1].x = 0;
        autoPadDir = 1;
    }
    if (pads[1].x + padWidth[1] > FIELD_WIDTH) {
        pads[1].x = FIELD_WIDTH - padWidth[1];
        autoPadDir = -1;
    }
}

void Pad1Move(int mode)
{
    switch (mode) {
    case 1:
        autoPadOffset = 0;
        autoPadPhase = 1;
        autoPadDir = -1;
        pads[1].x = pads[0].x + pads[0].width / 2 - 1;
        // It rides its row: no upward motion may be read into its first contacts.
        pads[1].y = pads[1].prevY = PAD1_Y;
        PadAppears(1);
        break;
    case -1:
        if (autoPadPhase == -1)
            return;
        autoPadPhase = -1;
        autoPadDir = 1;
        autoPadOffset = pads[1].x - pads[0].x;
        padTargetWidth[1] = PAD_TINY_WIDTH;
        LowerGuns(1);
        Pad1Move(0);
        break;
    case -2:
        padTargetWidth[1] = PAD_NORMAL_WIDTH;
        padActive[1] = 0;
        break;
    case 0:
        if (autoPadPhase != 0)
            AutoPadGrowOrShrink();
        else
            AutoPadSway();
        break;
    default: break;
    }
}

// Twin pad p takes one step of d; the quotient truncates towards zero.
static void Follow(int p, int32_t target)
{
    pads[p].prevX = pads[p].x;
    pads[p].x += static_cast<int32_t>((target - pads[p].x) / 2.5);
}

void Pad23Move(int mode)
{
    switch (mode) {
    case 1:
        twinPadPhase = 1;
        PadAppears(2);
        PadAppears(3);
        pads[2].x = pads[0].x - padWidth[2];
        pads[3].x = pads[0].x + padWidth[0];
        pads[2].y = pads[3].y = PAD_TWIN_Y;
        pads[2].prevY = pads[3].prevY = PAD_TWIN_Y;
        break;
    case -1:
        if (twinPadPhase == -1)
            return;
        twinPadPhase = -1;
        padTargetWidth[2] = padTargetWidth[3] = PAD_TINY_WIDTH;
        LowerGuns(2);
        LowerGuns(3);
        Pad23Move(0);
        break;
    case -2:
        padTargetWidth[2] = padTargetWidth[3] = PAD_NORMAL_WIDTH;
        padActive[2] = padActive[3] = 0;
        break;
    case 0:
        if (twinPadPhase != 0) {
            if (twinPadPhase == -1 && padWidth[2] == PAD_TINY_WIDTH) {
                PadGone(2);
                PadGone(3);
            }
            if (twinPadPhase == 1 && padWidth[2] == padTargetWidth[2])
                twinPadPhase = 0;
            // With the frame's centring of the width change this keeps pad 2's right end
            // at pad 0's left end.
            pads[2].prevX = pads[2].x;
            pads[2].x += (pads[0].x - pads[0].prevX) + (twinPadPhase == -1 ? 1 : -1);
            pads[3].prevX = pads[3].x;
            pads[3].x = pads[0].x + padWidth[0];
        } else {
            Follow(2, pads[0].x - padWidth[2]);
            Follow(3, pads[0].x + padWidth[0]);
        }
        if (pads[2].x < 0)
            pads[2].x = 0;
        if (pads[3].x + padWidth[3] > FIELD_WIDTH)
            pads[3].x = FIELD_WIDTH - padWidth[3];
        break;
    default: break;
    }
}

void SetUpPads()
{
    for (int p = 0; p < NUM_PADS; p++) {
        Q2SL_sprite& pad = pads[p];
        padActive[p] = 0;
        pad.SetType(padSpriteType);
        pad.SetAnim(0);
        pad.SetFrame(0);
        padWidth[p] = padTargetWidth[p] = PAD_NORMAL_WIDTH;
    }
    if (padSpriteType) {
        padSpriteType->boxWidth = PAD_NORMAL_WIDTH;
        padSpriteType->boxHeight = PAD_BOX_HEIGHT;
        padSpriteType->boxX = padSpriteType->boxY = 0;
    }
    pads[0].x = pads[0].prevX = PAD_START_X;
    pads[0].y = pads[0].prevY = PAD0_Y;
    padActive[0] = 1;
}

void ResetPads()
{
    for (int p = 0; p < NUM_PADS; p++) {
        pads[p] = Q2SL_sprite();
        padActive[p] = 0;
        padWidth[p] = padTargetWidth[p] = PAD_NORMAL_WIDTH;
        for (auto& pieces : padPieces)
            pieces[p] = Q2SL_sprite();
    }
    pads[0].x = pads[0].prevX = PAD_START_X;
    pads[0].y = pads[0].prevY = PAD0_Y;
    padMove = 0;
    padMomentum = 0;
    autoPadPhase = 0;
    autoPadDir = -1;
    autoPadOffset = 0;
    twinPadPhase = 0;
}
