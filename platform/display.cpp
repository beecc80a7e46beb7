// The 640 x 480 8-bit display: the primary surface, the palette and the frame that is due.
#include "platform/display.h"

#include <algorithm>
#include <cstring>

#include "platform/backend.h"

namespace {

I_Surface* primary;               // the display's pixels; null until the mode is set
uint8_t palette[256 * 3];         // the display palette, 0..255 per component
bool frameDue;                    // the picture or palette changed since it was last shown

} // namespace

void I_ConvertFrame(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3], uint32_t* out,
                    int outPitch)
{
    uint32_t lookup[256];
    for (int i = 0; i < 256; i++)
        lookup[i] = 0xFF000000u | uint32_t(rgb[i * 3]) << 16 | uint32_t(rgb[i * 3 + 1]) << 8 |
                    rgb[i * 3 + 2];
    for (int y = 0; y < I_SCREEN_HEIGHT; y++) {
        const uint8_t* src = pixels + y * pitch;
        uint32_t* dst = out + y * outPitch;
        for (int x = 0; x < I_SCREEN_WIDTH; x++)
            dst[x] = lookup[src[x]];
    }
}

I_Rect I_FitDisplay(int outWidth, int outHeight)
{
    int w = I_SCREEN_WIDTH, h = I_SCREEN_HEIGHT;
    const int scale = std::min(outWidth / w, outHeight / h);
    if (scale >= 1) {
        w *= scale;
        h *= scale;
    } else if (outWidth * 3 > outHeight * 4) {
        h = std::max(outHeight, 0);
        w = h * 4 / 3;
    } else {
        w = std::max(outWidth, 0);
        h = w * 3 / 4;
    }
    return I_Rect{(outWidth - w) / 2, (outHeight - h) / 2, w, h};
}

bool I_SetVideoMode(int width, int height, int bpp)
{
    if (width != I_SCREEN_WIDTH || height != I_SCREEN_HEIGHT || bpp != 8)
        return false;
    if (!primary)
        primary = I_CreateSurface(I_SCREEN_WIDTH, I_SCREEN_HEIGHT);
    I_FillSurface(primary, 0);
    // A mode switch repaints the window: that is what lets a screen's first frame start.
    I_PostMessage(I_MSG_PAINT);
    return true;
}

I_Surface* I_PrimarySurface()
{
    return primary;
}

void I_SetPalette(const uint8_t rgb[256 * 3])
{
    std::memcpy(palette, rgb, sizeof palette);
    frameDue = primary != nullptr;
}

void I_GetPalette(uint8_t rgb[256 * 3])
{
    std::memcpy(rgb, palette, sizeof palette);
}

void I_NoteSurfaceChanged(const I_Surface* s)
{
    if (s && s == primary)
        frameDue = true;
}

void I_MarkFrameDue()
{
    frameDue = primary != nullptr;
}

void I_PresentIfDue()
{
    if (!frameDue)
        return;
    frameDue = false;
    int pitch = 0;
    const uint8_t* pixels = I_LockSurface(primary, &pitch);
    backend->video->Present(pixels, pitch, palette);
}

void I_ResetDisplay()
{
    I_ReleaseSurface(primary);
    primary = nullptr;
    std::memset(palette, 0, sizeof palette);
    frameDue = false;
}
