// The help overlay: a box grows out of the main menu's help item, then Space or Enter turns
// the pages (each press needs a release) and Escape shrinks the box back into the menu.
#include "screens/help.h"

#include <cstring>
#include <string>

#include "app/shell.h"
#include "app/state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "gamemode/setup.h"
#include "gfx/bitmap.h"
#include "gfx/gui.h"
#include "gfx/text.h"
#include "input/input.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "screens/hiscore.h"
#include "screens/menu.h"
#include "screens/screen_kit.h"

int32_t helpPage = 0;

namespace {

enum { PICTURES = 3, BOX_GROW_STEPS = 40 };
constexpr int32_t BOX_LARGE[4] = {7, 7, 632, 472};

struct Picture {
    const char* file;
    const char* surfaceError;
};

const Picture pictures[PICTURES] = {
    {"help18.bmp", "Can't make Note1 Surface: 640x480x8"},
    {"help28.bmp", "Can't make Note2 Surface: 640x480x8"},
    {"Comp3R8.bmp", "Can't make Company Surface: 640x480x8"},
};

// A line of a credits page: its text, font and place; a name line (x 0) is centred.
struct CreditLine {
    const char* text;
    int font;
    int x, y;
};

const char* const developers = "The Taltrix developers";

const CreditLine firstCredits[] = {
    {"Credits", FONT_EMPHASIS, 265, 9},
    {"Developed By", FONT_EMPHASIS, 65, 55},
    {developers, FONT_NORMAL, 15, 80},
    {"Published By", FONT_EMPHASIS, 370, 55},
    {developers, FONT_NORMAL, 330, 80},
    {"Programming", FONT_EMPHASIS, 220, 125},
    {developers, FONT_NORMAL, 0, 150},
    {"Art", FONT_EMPHASIS, 290, 195},
    {developers, FONT_NORMAL, 0, 220},
    {"DejaVu fonts (Bitstream Vera licence)", FONT_NORMAL, 0, 245},
    {"Music", FONT_EMPHASIS, 270, 290},
    {developers, FONT_NORMAL, 0, 315},
    {"TimGM6mb sound font (GPL-2), espeak-ng (GPL-3+)", FONT_NORMAL, 0, 340},
    {"Biz", FONT_EMPHASIS, 290, 385},
    {developers, FONT_NORMAL, 0, 410},
};

const CreditLine secondCredits[] = {
    {"Credits", FONT_EMPHASIS, 265, 9},
    {"Beta Testers", FONT_EMPHASIS, 215, 55},
    {developers, FONT_NORMAL, 0, 80},
    {"Special Thanx", FONT_EMPHASIS, 205, 225},
    {"SDL2, SDL2_mixer (zlib licence), FluidSynth (LGPL-2.1+)", FONT_NORMAL, 0, 250},
    {"libpng (libpng licence), FreeType (FreeType licence)", FONT_NORMAL, 0, 275},
    {"And all those in", FONT_NORMAL, 195, 300},
    {"the free software world's", FONT_NORMAL, 0, 325},
    {"Multimedia Class", FONT_NORMAL, 180, 350},
};

BitmapFile bitmaps[PICTURES];         // the pictures as read, until copied into their pages
Q2SL_drawBuffer pages[PICTURES];      // Note1, Note2 and Company
int escapeLatch;                      // Escape is held; the overlay closes on its release
int pageLatch;                        // Space or Enter is held; the page turns on the release
Q2SL_drawBuffer growing;              // the screen under the box while it grows

void UnloadAll()
{
    for (BitmapFile& bitmap : bitmaps)
        Unload_Bitmap_File(&bitmap);
}

// The overlay ends at once and the main menu is set up afresh.
void Failed(const char* text)
{
    UnloadAll();
    for (Q2SL_drawBuffer& page : pages)
        page.ReleaseSurface();
    ErrorBox(text);
    SetSubState(OVERLAY_NONE);
    SetProgramState(MODE_MENU);
}

bool IsScreenPicture(const BitmapFile& bitmap)
{
    const BITMAPINFOHEADER& info = bitmap.infoHeader;
    return bitmap.buffer && info.biBitCount == 8 && info.biWidth == I_SCREEN_WIDTH &&
           info.biHeight == I_SCREEN_HEIGHT;
}

bool LoadPictures()
{
    for (const Picture& picture : pictures) {
        BitmapFile& bitmap = bitmaps[&picture - pictures];
        if (!Load_Bitmap_File(&bitmap, picture.file) || !IsScreenPicture(bitmap)) {
            Failed((std::string("Can't load file ") + picture.file).c_str());
            return false;
        }
    }
    for (const Picture& picture : pictures) {
        if (!MakeScreenBuffer(pages[&picture - pictures])) {
            Failed(picture.surfaceError);
            return false;
        }
    }
    for (int i = 0; i < PICTURES; i++) {
        pages[i].Lock();
        for (int y = 0; y < I_SCREEN_HEIGHT; y++)
            std::memcpy(pages[i].pixels + y * pages[i].pitch, bitmaps[i].buffer + y * I_SCREEN_WIDTH, I_SCREEN_WIDTH);
        pages[i].Unlock();
    }
    UnloadAll();
    return true;
}

void GrowBox(Q2SL_drawBuffer& background, bool opening)
{
    const MenuLine entry = MenuItemLine(MENU_HELP);
    const int32_t small[4] = {entry.x1, entry.y, entry.x2, entry.y};
    const int32_t* from = opening ? small : BOX_LARGE;
    const int32_t* to = opening ? BOX_LARGE : small;
    BoxGrow(&dBuffer, &screen, KeptScreen(background), BOX_GROW_STEPS, from[0], from[1], from[2], from[3], to[0],
            to[1], to[2], to[3]);
}

template <size_t N>
void PrintCredits(const CreditLine (&lines)[N])
{
    for (const CreditLine& line : lines) {
        Q2SL_font* font = gameFonts[line.font];
        const int x = line.x ? line.x : I_SCREEN_WIDTH / 2 - FindWidth(line.text, font) / 2;
        PrintStr(font, &dBuffer, x, line.y, line.text);
    }
}

// Escape pressed and released: the box shrinks back into the help item.
void CloseToMenu()
{
    soundGroups[SND_PASS].Play(0);
    GrowBox(keepSurface, false);
    RestoreKeptScreen(keepSurface);
    SetSubState(OVERLAY_NONE);
}

// True in the frame a latched key comes up again.
bool Released(bool down, int& latch)
{
    if (down) {
        latch = 1;
        return false;
    }
    const bool released = latch != 0;
    latch = 0;
    return released;
}

}  // namespace

int UpdateHelpScreen()
{
    if (helpPage >= HELP_PAGES)
        return 0;
    dBuffer.Lock();
    DrawBox(&dBuffer, BOX_LARGE[0], BOX_LARGE[1], BOX_LARGE[2], BOX_LARGE[3], boxEdgeColor, boxFaceColor, boxShadeColor);
    dBuffer.Unlock();
    DrawFilledRect(&dBuffer, BOX_LARGE[0], BOX_LARGE[1], BOX_LARGE[2], BOX_LARGE[3], 0);
    if (helpPage < PICTURES)
        pages[helpPage].Draw(&dBuffer);
    else if (helpPage == PICTURES)
        PrintCredits(firstCredits);
    else
        PrintCredits(secondCredits);
    PrintStr(gameFonts[FONT_EMPHASIS], &dBuffer, 135, 450, "Press Space to Continue");
    PresentBackBuffer();
    return 1;
}

void HelpInfoStart()
{
    escapeLatch = pageLatch = 0;
    if (!LoadPictures())
        return;
    helpPage = 0;
    if (MakeScreenBuffer(keepSurface))
        screen.Draw(&keepSurface);
    if (MakeScreenBuffer(growing))
        screen.Draw(&growing);
    soundGroups[SND_PASS2].Play(0);
    GrowBox(growing, true);
    GamePalette().Set();
    growing.ReleaseSurface();
    MIDI_PlayFile("midi\\Beat2.mid");
    UpdateHelpScreen();
}

void HelpInfo()
{
    uint8_t keys[256];
    if (!ReadKeyboard(keys)) {
        SetProgramState(MODE_QUIT);
        return;
    }
    if (Released(KeyDown(keys, DIK_ESCAPE), escapeLatch)) {
        CloseToMenu();
        return;
    }
    if (!Released(KeyDown(keys, DIK_SPACE) || KeyDown(keys, DIK_RETURN), pageLatch))
        return;
    helpPage++;
    if (!UpdateHelpScreen())
        SetSubState(OVERLAY_HISCORE);
}

void HelpInfoEnd()
{
    for (Q2SL_drawBuffer& page : pages)
        page.ReleaseSurface();
}
