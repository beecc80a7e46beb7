// The 640 x 480 8-bit display: the primary surface, the palette and the frame that is due.
#include "platform/display.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/backend.h"
#include "platform/note.h"

namespace {

I_Surface* primary;               // the display's pixels; null until the mode is set
uint8_t palette[256 * 3];         // the display palette, 0..255 per component
bool frameDue;                    // the picture or palette changed since it was last shown
bool noteShown;                   // the last frame shown carried the platform's note
std::vector<uint8_t> notedFrame;  // the picture with the note drawn over it

} // namespace

namespace {

// One row, each pixel made Scale pixels wide; a scale known here unrolls to plain stores.
template <int Scale>
void ConvertRow(const uint8_t* src, const uint32_t lookup[256], uint32_t* dst, int scale = Scale)
{
    for (int x = 0; x < I_SCREEN_WIDTH; x++, dst += scale)
        for (int k = 0; k < (Scale ? Scale : scale); k++)
            dst[k] = lookup[src[x]];
}

} // namespace

void I_ConvertFrame(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3], uint32_t* out,
                    int outPitch, int scale)
{
    uint32_t lookup[256];
    for (int i = 0; i < 256; i++)
        lookup[i] = 0xFF000000u | uint32_t(rgb[i * 3]) << 16 | uint32_t(rgb[i * 3 + 1]) << 8 |
                    rgb[i * 3 + 2];
    for (int y = 0; y < I_SCREEN_HEIGHT; y++) {
        const uint8_t* src = pixels + y * pitch;
        uint32_t* dst = out + size_t(y) * scale * outPitch;
        switch (scale) {
        case 1: ConvertRow<1>(src, lookup, dst); break;
        case 2: ConvertRow<2>(src, lookup, dst); break;
        case 3: ConvertRow<3>(src, lookup, dst); break;
        default: ConvertRow<0>(src, lookup, dst, scale); break;
        }
        for (int copy = 1; copy < scale; copy++)
            std::memcpy(dst + size_t(copy) * outPitch, dst, size_t(I_SCREEN_WIDTH) * scale * 4);
    }
}

std::vector<uint8_t> I_FrameRgb(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    std::vector<uint8_t> out(size_t(I_SCREEN_WIDTH) * I_SCREEN_HEIGHT * 3);
    uint8_t* dst = out.data();
    for (int y = 0; y < I_SCREEN_HEIGHT; y++)
        for (int x = 0; x < I_SCREEN_WIDTH; x++, dst += 3)
            std::memcpy(dst, &rgb[pixels[y * pitch + x] * 3], 3);
    return out;
}

bool I_DisplayedFrame(std::vector<uint8_t>& rgb)
{
    if (!primary)
        return false;
    int pitch = 0;
    const uint8_t* pixels = I_LockSurface(primary, &pitch);
    rgb = I_FrameRgb(pixels, pitch, palette);
    return true;
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
    // The note comes and goes on its own clock: either is a change of the picture.
    const bool note = I_NoteShowing();
    if (note != noteShown)
        frameDue = primary != nullptr;
    if (!frameDue)
        return;
    frameDue = false;
    noteShown = note;
    int pitch = 0;
    const uint8_t* pixels = I_LockSurface(primary, &pitch);
    if (note) {
        notedFrame.resize(size_t(I_SCREEN_WIDTH) * I_SCREEN_HEIGHT);
        for (int y = 0; y < I_SCREEN_HEIGHT; y++)
            std::memcpy(&notedFrame[size_t(y) * I_SCREEN_WIDTH], pixels + y * pitch, I_SCREEN_WIDTH);
        I_DrawNote(notedFrame.data(), I_SCREEN_WIDTH, palette);
        pixels = notedFrame.data();
        pitch = I_SCREEN_WIDTH;
    }
    backend->video->Present(pixels, pitch, palette);
    I_LogFrame(pixels, pitch, palette);
}

void I_ResetDisplay()
{
    I_ReleaseSurface(primary);
    primary = nullptr;
    std::memset(palette, 0, sizeof palette);
    frameDue = false;
    noteShown = false;
    I_ClearNote();
}
