// Pieces the menu and its overlays share.
#include "screens/screen_kit.h"

#include "app/shell.h"
#include "app/state.h"

int MakeScreenBuffer(Q2SL_drawBuffer& buffer)
{
    buffer.width = buffer.viewWidth = I_SCREEN_WIDTH;
    buffer.height = buffer.viewHeight = I_SCREEN_HEIGHT;
    buffer.viewX = buffer.viewY = 0;
    return buffer.CreateSurface(8, 0);
}

void KeepBackBuffer(Q2SL_drawBuffer& kept)
{
    if (MakeScreenBuffer(kept))
        dBuffer.Draw(&kept);
}

void RestoreKeptScreen(Q2SL_drawBuffer& kept)
{
    screen.Vsync();
    kept.Draw(&screen);
    kept.Draw(&dBuffer);
    kept.ReleaseSurface();
}

void PresentBackBuffer()
{
    screen.Vsync();
    dBuffer.Draw(&screen);
}

void DeviceReadFailed(const char* text)
{
    ErrorBox(text);
    ReinstallBox();
    SetProgramState(MODE_QUIT);
}

void VsyncFade(const Q2SL_palette& from, const Q2SL_palette& to, int steps)
{
    FadePalStart(from, to, steps);
    do
        screen.Vsync();
    while (!FadePal());
}

void RunOverlayPhase(int phase, void (*setUp)(), void (*frame)(), void (*tearDown)())
{
    switch (phase) {
    case 1:
        setUp();
        break;
    case 0:
        frame();
        break;
    case 2:
        tearDown();
        break;
    }
}
