// The status panel, the spare-ball row and the pads.
#include "gamemode/hud.h"

#include "game/world.h"
#include "gamemode/setup.h"
#include "gfx/text.h"

Q2SL_sprite playerPanels[2];
Q2SL_sprite panelLifeIcons[2];
Q2SL_sprite extraLifeSparkle;

enum {
    NARROW_PAD_WIDTH = 28,  // narrower pads are single pictures, wider ones three pieces
    PAD_END_WIDTH = 14,
    SPARKLE_TURN_FRAME = 8,
    MULTI_BALL_POSITION = 6,
    TURN_MARKER_POSITION = 4,
};

// Sprites animate once a frame: in the normal pass, not again in the shadow pass.
static bool Animating()
{
    return frameTick == 2 && shadowMode == 0;
}

static void DrawPlayerBlock(int p)
{
    const Q2SL_font* font = gameFonts[FONT_PANEL];
    const Q2SL_sprite& panel = playerPanels[p];
    const int px = panel.x, py = panel.y;
    playerPanels[p].DrawNoHSR(&statusBuffer);
    PrintStr(font, &statusBuffer, 4, py + 20, "Level: %i10\n", playerLevel[p] + 1);
    PrintStr(font, &statusBuffer, 24, py + 2, p == 0 ? "Player 1" : "Player 2");
    PrintStr(font, &statusBuffer, 4, py + 38, "Score: %i10\n", score[p]);
    panelLifeIcons[p].DrawNoHSR(&statusBuffer);
    PrintStr(font, &statusBuffer, px + 118, py + 54, "x\n");
    PrintStr(font, &statusBuffer, px + 106, py + 68, "%i10 \n", lives[p]);
}

void DrawStatus()
{
    const Q2SL_font* font = gameFonts[FONT_PANEL];
    PrintStr(font, &statusBuffer, 2, statusBuffer.viewHeight - 16, "Ver: %s", font, TALTRIX_VERSION);
    DrawPlayerBlock(0);
    if (numPlayers > 1 || currPlayer == 1)
        DrawPlayerBlock(1);
    if (notifyTimer > 0 && notifyText)
        PrintStr(font, &statusBuffer, 4, playerPanels[currPlayer].y + 140, "%s", font, notifyText);
    for (Q2SL_sprite& icon : effectIcons)
        if (icon.state != 0)
            icon.DrawNoHSR(&statusBuffer);
    const int first = currPlayer * EFFECTS_PER_PLAYER;
    if (ballsInPlay > 1)
        effectIcons[first + MULTI_BALL_POSITION].DrawNoHSR(&statusBuffer);
    if (numPlayers > 1)
        effectIcons[first + TURN_MARKER_POSITION].DrawNoHSR(&statusBuffer);
}

// The sparkle plays forward to its turning frame, then back to its first, then stops.
static void AnimateSparkle()
{
    Q2SL_sprite& s = extraLifeSparkle;
    if (extraLifeFlash == 1) {
        if (s.frame == SPARKLE_TURN_FRAME) {
            if (s.numFrames > SPARKLE_TURN_FRAME - 1)
                s.SetFrame(SPARKLE_TURN_FRAME - 1);
            extraLifeFlash = -1;
        } else if (s.frame + 1 < s.numFrames) {
            s.SetFrame(s.frame + 1);
        }
    } else if (s.frame == 0) {
        extraLifeFlash = 0;
    } else {
        s.SetFrame(s.frame - 1);
    }
}

void DrawLives()
{
    Q2SL_sprite& icon = spareBallIcon;
    int x = 2;
    const int y = FIELD_HEIGHT - icon.height - 3;
    for (int k = 1; k < lives[currPlayer]; k++) {
        icon.x = x;
        icon.y = y;
        icon.DrawNoHSR(playfieldView);
        x += icon.width + 4;
    }
    if (extraLifeFlash == 0)
        return;
    extraLifeSparkle.x = x - icon.width - 12;
    extraLifeSparkle.y = y - 8;
    extraLifeSparkle.DrawNoHSR(playfieldView);
    if (Animating())
        AnimateSparkle();
}

// An end piece's animation: a finished raise holds the raised pose, a finished lowering
// goes back to rest; the other poses loop.
static void AnimateEnd(Q2SL_sprite& end, int raise, int raised, int lower, int rest)
{
    if (end.StepFrame())
        return;
    if (end.anim == raise && end.numAnims > raised)
        end.SetAnim(raised);
    else if (end.anim == lower)
        end.SetAnim(rest);
}

static void DrawPiece(Q2SL_sprite& piece, int x, int y, int width)
{
    piece.x = x;
    piece.y = y;
    piece.DrawNoHSR(playfieldView, 0, 0, width);
}

void DrawPad(int p)
{
    Q2SL_sprite& pad = pads[p];
    const int w = padWidth[p];
    if (w < NARROW_PAD_WIDTH) {
        pad.SetFrame(w / 2 - 1);
        pad.DrawNoHSR(playfieldView);
        return;
    }
    Q2SL_sprite& left = padPieces[0][p];
    Q2SL_sprite& right = padPieces[1][p];
    if (Animating()) {
        AnimateEnd(left, PIECE_LEFT_RAISE, PIECE_LEFT_RAISED, PIECE_LEFT_LOWER, PIECE_LEFT_REST);
        AnimateEnd(right, PIECE_RIGHT_RAISE, PIECE_RIGHT_RAISED, PIECE_RIGHT_LOWER, PIECE_RIGHT_REST);
    }
    DrawPiece(left, pad.x, pad.y, PAD_END_WIDTH);
    DrawPiece(padPieces[2][p], pad.x + PAD_END_WIDTH, pad.y, w - 2 * PAD_END_WIDTH);
    DrawPiece(right, pad.x + w - PAD_END_WIDTH, pad.y, PAD_END_WIDTH);
}
