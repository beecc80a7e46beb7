// Stand-in screens: intro, main menu and game until each is built.
#include "screens/placeholder.h"

#include <cstring>

#include "app/shell.h"
#include "app/state.h"
#include "platform/keys.h"
#include "platform/platform.h"

static int enterLatch;  // 1 while Enter is held, so one press acts once

void PlaceholderStart(int /*mode*/)
{
    windowPainted = 0;
    screenStarted = 0;
    enterLatch = 1;  // an Enter held from the previous screen does not act again
    I_SetVideoMode(I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 8);
    uint8_t rgb[256 * 3] = {};
    const uint8_t colours[3][3] = {{40, 40, 160}, {40, 140, 40}, {150, 40, 40}};
    for (int i = 0; i < 3; i++)
        std::memcpy(rgb + (i + 1) * 3, colours[i], 3);
    I_SetPalette(rgb);
}

void PlaceholderFrame(int mode)
{
    if (!windowPainted)
        return;
    screenStarted = 1;
    I_WaitVBlank();
    I_FillSurface(I_PrimarySurface(), static_cast<uint8_t>(mode + 1));
    uint8_t keys[256];
    I_GetKeyboardState(keys);
    const bool down = keys[DIK_RETURN] & 0x80;
    if (down && !enterLatch)
        SetProgramState(mode == MODE_MENU ? MODE_GAME : MODE_MENU);
    enterLatch = down;
}
