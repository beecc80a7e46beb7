// The victory screen: a key closes it, then the name entry, the other player's turn or
// the main menu follows.
#include "screens/victory.h"

#include <cstdint>

#include "app/state.h"
#include "audio/sound.h"
#include "game/lives.h"
#include "game/world.h"
#include "gamemode/frame.h"
#include "gamemode/setup.h"
#include "gfx/gui.h"
#include "input/input.h"
#include "platform/keys.h"
#include "screens/hiscore.h"
#include "screens/screen_kit.h"

namespace {

enum { BOX_GROW_STEPS = 40, CENTRE_X = 320, CENTRE_Y = 240, BOX_MARGIN = 5, FADE_STEPS = 10 };
enum { FLASH_SHOWN = 2, FLASH_HIDDEN = 5 };

// The last line, by the winner's difficulty 1 to 5.
const char* const challenges[5] = {
    "Why not try the Easy setting?", "Why not try the Normal setting?", "Why not try the Hard setting?",
    "I dare you to attempt Skarvo!", "You are a Taltrix Wizard!",
};

Q2SL_label lines[3];   // the congratulation, top to bottom
int32_t boxRect[4];    // the box the lines stand in
int keyLatch;          // a closing key is held; the screen closes when it is released

const char* Challenge(int d)
{
    return challenges[d >= 1 && d <= 5 ? d - 1 : 2];
}

void PlaceLines()
{
    const int h = gameFonts[FONT_EMPHASIS]->lineHeight;
    const char* texts[3] = {"Congratulations!", "You Have Beaten Taltrix!", Challenge(difficulty[currPlayer])};
    const int fonts[3] = {FONT_EMPHASIS, FONT_NORMAL, FONT_NORMAL};
    const int ys[3] = {CENTRE_Y - 3 * h / 2, CENTRE_Y - h / 2, CENTRE_Y + h / 2};
    for (int i = 0; i < 3; i++) {
        Q2SL_label& line = lines[i];
        line.SetFont(gameFonts[fonts[i]]);
        line.SetString(texts[i]);
        line.SetBuffer(&dBuffer);
        line.x = int16_t(CENTRE_X - line.width / 2);
        line.y = int16_t(ys[i]);
        line.SetFlash(1, FLASH_HIDDEN, FLASH_SHOWN);
    }
    const int halfWidth = lines[2].width / 2;
    const int32_t box[4] = {CENTRE_X - halfWidth - BOX_MARGIN, CENTRE_Y - 3 * h / 2 - BOX_MARGIN,
                            CENTRE_X + halfWidth + BOX_MARGIN, CENTRE_Y + 3 * h / 2 + BOX_MARGIN};
    for (int i = 0; i < 4; i++)
        boxRect[i] = box[i];
}

void GrowBox(bool opening)
{
    const int32_t centre[4] = {CENTRE_X, CENTRE_Y, CENTRE_X, CENTRE_Y};
    const int32_t* from = opening ? centre : boxRect;
    const int32_t* to = opening ? boxRect : centre;
    BoxGrow(&dBuffer, &screen, KeptScreen(keepSurface), BOX_GROW_STEPS, from[0], from[1],
            from[2], from[3], to[0], to[1], to[2], to[3]);
}

// After the key: the name entry when the score earns a place, else the other player's
// turn or the main menu.
void Leave()
{
    if (CheckHiScore()) {
        SetSubState(OVERLAY_SCORE_ENTER);
        return;
    }
    SetSubState(OVERLAY_NONE);
    if (resumeAfterScreen) {
        NextBall(1);
        return;
    }
    SetProgramState(MODE_MENU);
    StandardFade(GamePalette(), blackPalette, FADE_STEPS);
}

}  // namespace

void StartWinGame()
{
    keyLatch = 0;
    if (MakeScreenBuffer(keepSurface))
        screen.Draw(&keepSurface);
    PlaceLines();
    soundGroups[SND_PASS2].Play(0);
    GrowBox(true);
    for (Q2SL_label& line : lines)
        line.Flash();
    PresentBackBuffer();
}

void WinGame()
{
    uint8_t keys[256];
    if (!ReadKeyboard(keys)) {
        DeviceReadFailed("Can't read keyboard");
        return;
    }
    if (KeyDown(keys, DIK_RETURN) || KeyDown(keys, DIK_SPACE) || KeyDown(keys, DIK_ESCAPE)) {
        keyLatch = 1;
        return;
    }
    if (keyLatch)
        Leave();
    keyLatch = 0;
}

void EndWinGame()
{
    soundGroups[SND_PASS].Play(0);
    GrowBox(false);
    PresentBackBuffer();
    RestoreKeptScreen(keepSurface);
    for (Q2SL_label& line : lines)
        line.Delete();
}
