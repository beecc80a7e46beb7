// The intro: the publisher's picture faded in with its sound, then the developer's logo as
// a three-picture animation with its sound, each faded out to black at its end. Space,
// Enter or Escape cut a splash short when released.
#include "screens/intro.h"

#include <cstdlib>
#include <string>
#include <cstring>

#include "app/settings.h"
#include "app/shell.h"
#include "app/state.h"
#include "audio/sound.h"
#include "gamemode/frame.h"
#include "gfx/bitmap.h"
#include "gfx/buffer.h"
#include "platform/keys.h"
#include "platform/platform.h"

namespace {

enum { PUBLISHER = 3, PICTURES = 4 };
enum { FADE_STEPS = 25, SPLASH_FRAME_LIMIT = 270, DEVELOPER_PICTURE_FRAMES = 20 };

struct Picture {
    const char* file;
    const char* surfaceError;
};

// The developer's three pictures, then the publisher's, in the order they are loaded.
const Picture pictures[PICTURES] = {
    {"Mrv64_48.bmp", "Can't make Morvane Surface 1: 640x480x8"},
    {"Mrv64_58.bmp", "Can't make Morvane Surface 2: 640x480x8"},
    {"Mrv64_68.bmp", "Can't make Morvane Surface 3: 640x480x8"},
    {"Skarvo8.bmp", "Can't make Skarvo Surface: 640x480x8"},
};

BitmapFile introBitmaps[PICTURES];       // the pictures as read, until copied into their buffers
Q2SL_drawBuffer introBuffers[PICTURES];  // each picture on a surface of its own
Q2SL_palette introPalettes[PICTURES];    // each picture's colour table as 6-bit colours

int phase;                  // 0 publisher splash; 1, 2, 3 developer pictures 1, 2, 3
int shown;                  // 1 once the phase's picture is on the display
int phaseFrames;            // refreshes spent in the current phase
int developerFrames;        // refreshes spent in the developer splash as a whole
int skipPending;            // 1 after a skip key was seen down
int firstDeveloperShowing;  // 1 until the developer splash has faded in

void FailToMenu(const char* text)
{
    ErrorBox(text);
    SetProgramState(MODE_MENU);
}

bool SkipKeyDown()
{
    uint8_t keys[256];
    I_GetKeyboardState(keys);
    return (keys[DIK_SPACE] | keys[DIK_RETURN] | keys[DIK_ESCAPE]) & 0x80;
}

bool SoundStillPlaying(const SoundGroup& group)
{
    for (int id : group.ids)
        if (id >= 0 && Status_Sound(id) > 0)
            return true;
    return false;
}

// A splash ends when its sound has finished (or, without sound, at its frame limit), or
// when a skip key that was seen down is released.
bool SplashEnds(const SoundGroup& group, bool limitReached)
{
    const bool keyDown = SkipKeyDown();
    if (skipPending) {
        if (keyDown)
            return false;
        skipPending = 0;
        return true;
    }
    const bool running = soundVolume != 0 ? SoundStillPlaying(group) : !limitReached;
    if (!running)
        return true;
    if (keyDown)
        skipPending = 1;
    return false;
}

void StopGroup(const SoundGroup& group)
{
    if (soundVolume == 0)
        return;
    for (int id : group.ids)
        if (id >= 0)
            Stop_Sound(id);
}

void ClearDisplay()
{
    DD_Fill_Surface(screen.primary, 0);
}

// Copies a picture into its buffer; a picture that is not 8-bit 640 x 480 is refused.
bool CopyPicture(const BitmapFile& bitmap, Q2SL_drawBuffer& buffer)
{
    const BITMAPINFOHEADER& info = bitmap.infoHeader;
    if (info.biBitCount != 8 || info.biWidth != I_SCREEN_WIDTH || std::abs(info.biHeight) != I_SCREEN_HEIGHT)
        return false;
    buffer.Lock();
    for (int y = 0; y < I_SCREEN_HEIGHT; y++)
        std::memcpy(buffer.pixels + y * buffer.pitch, bitmap.buffer + y * I_SCREEN_WIDTH, I_SCREEN_WIDTH);
    buffer.Unlock();
    return true;
}

void PaletteFromBitmap(const BitmapFile& bitmap, Q2SL_palette& palette)
{
    for (int i = 0; i < Q2SL_PALETTE_SIZE; i++) {
        palette.colors[i].red = bitmap.palette[i].peRed >> 2;
        palette.colors[i].green = bitmap.palette[i].peGreen >> 2;
        palette.colors[i].blue = bitmap.palette[i].peBlue >> 2;
    }
}

void UnloadAll()
{
    for (BitmapFile& bitmap : introBitmaps)
        Unload_Bitmap_File(&bitmap);
}

void PublisherPhase()
{
    screen.Vsync();
    if (!shown) {
        if (!screen.AttachPalette(blackPalette)) {
            ErrorBox("Attach Palette Failed");
            ReinstallBox();
            ExitWindowsLoop();
            return;
        }
        blackPalette.Set();
        introBuffers[PUBLISHER].Draw(&screen);
        StandardFade(blackPalette, introPalettes[PUBLISHER], FADE_STEPS);
        soundGroups[SND_SKARVO].Play(0);
        shown = 1;
    }
    phaseFrames++;
    if (!SplashEnds(soundGroups[SND_SKARVO], phaseFrames >= SPLASH_FRAME_LIMIT))
        return;
    StandardFade(introPalettes[PUBLISHER], blackPalette, FADE_STEPS);
    phase = 1;
    shown = 0;
    phaseFrames = 0;
    developerFrames = 0;
    skipPending = 0;
    StopGroup(soundGroups[SND_SKARVO]);
    ClearDisplay();
}

// One developer picture's refresh; the three pictures take turns every 20 refreshes, all
// shown with the first picture's palette.
void DeveloperPhase(int picture)
{
    screen.Vsync();
    if (!shown) {
        introBuffers[picture - 1].Draw(&screen);
        if (firstDeveloperShowing) {
            if (soundVolume != 0)
                soundGroups[SND_MRVN3].Play(0);
            StandardFade(blackPalette, introPalettes[0], FADE_STEPS);
            firstDeveloperShowing = 0;
        }
        shown = 1;
    }
    phaseFrames++;
    developerFrames++;
    if (phaseFrames == DEVELOPER_PICTURE_FRAMES) {
        phase = picture % 3 + 1;
        shown = 0;
        phaseFrames = 0;
    }
}

}  // namespace

void CompanySplashStart()
{
    windowPainted = 0;
    screenStarted = 0;
    if (!screen.SetVideoMode(I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 8)) {
        FailToMenu("Mode 640x480 not Supported");
        return;
    }
    for (int i = 0; i < PICTURES; i++) {
        if (!Load_Bitmap_File(&introBitmaps[i], pictures[i].file)) {
            const std::string text = std::string("Can't load file ") + pictures[i].file;
            UnloadAll();
            FailToMenu(text.c_str());
            return;
        }
    }
    for (int i = 0; i < PICTURES; i++) {
        Q2SL_drawBuffer& buffer = introBuffers[i];
        buffer.width = buffer.viewWidth = I_SCREEN_WIDTH;
        buffer.height = buffer.viewHeight = I_SCREEN_HEIGHT;
        buffer.viewX = buffer.viewY = 0;
        if (!buffer.CreateSurface(8, 0)) {
            UnloadAll();
            FailToMenu(pictures[i].surfaceError);
            return;
        }
    }
    for (int i = 0; i < PICTURES; i++) {
        if (!CopyPicture(introBitmaps[i], introBuffers[i])) {
            const std::string text = std::string("Can't load file ") + pictures[i].file;
            UnloadAll();
            FailToMenu(text.c_str());
            return;
        }
        PaletteFromBitmap(introBitmaps[i], introPalettes[i]);
    }
    UnloadAll();
}

void CompanySplash()
{
    if (!screenStarted) {
        if (!windowPainted)
            return;
        screenStarted = 1;
        phase = 0;
        shown = 0;
        phaseFrames = 0;
        skipPending = 0;
        firstDeveloperShowing = 1;
    }
    if (phase == 0)
        PublisherPhase();
    if (programState == MODE_NONE)
        return;
    for (int picture = 1; picture <= 3; picture++)
        if (phase == picture)
            DeveloperPhase(picture);
    if (phase < 1)
        return;
    if (!SplashEnds(soundGroups[SND_MRVN3], developerFrames >= SPLASH_FRAME_LIMIT))
        return;
    StandardFade(introPalettes[0], blackPalette, FADE_STEPS);
    StopGroup(soundGroups[SND_MRVN3]);
    SetProgramState(MODE_MENU);
    ClearDisplay();
}

void CompanySplashEnd()
{
    for (Q2SL_drawBuffer& buffer : introBuffers)
        buffer.ReleaseSurface();
}
