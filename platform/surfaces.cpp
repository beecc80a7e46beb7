// Surfaces: 8-bit pixel rectangles in plain memory, with clipped keyed and unkeyed blits.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/display.h"
#include "platform/platform.h"

struct I_Surface {
    int width, height;
    int pitch;                   // bytes per row: the width rounded up to 8, as display memory is
    std::vector<uint8_t> pixels;
};

namespace {

// Keeps surfaces far below anything that could exhaust memory by a bad size.
constexpr int maxSurfaceSide = 8192;

// 0xFF in every byte of the word that is not 0, without a carry from one byte to the next.
uint64_t NonZeroBytes(uint64_t v)
{
    constexpr uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
    const uint64_t high = (((v & low7) + low7) | v) & ~low7;
    return (high >> 7) * 0xFF;
}

// Copies one row but its colour-0 pixels, eight at a time: a keyed row has no branch a
// pixel, where the field's big keyed blits spend their time.
void CopyKeyedRow(uint8_t* dst, const uint8_t* src, int w)
{
    int x = 0;
    for (; x + 8 <= w; x += 8) {
        uint64_t from, to;
        std::memcpy(&from, src + x, 8);
        std::memcpy(&to, dst + x, 8);
        const uint64_t take = NonZeroBytes(from);
        to = (to & ~take) | (from & take);
        std::memcpy(dst + x, &to, 8);
    }
    for (; x < w; x++)
        if (src[x] != 0)
            dst[x] = src[x];
}

// Copies a w x h area; the rows must not overlap.
void CopyRows(uint8_t* dst, int dstPitch, const uint8_t* src, int srcPitch, int w, int h, bool keyed)
{
    for (int y = 0; y < h; y++, dst += dstPitch, src += srcPitch) {
        if (keyed)
            CopyKeyedRow(dst, src, w);
        else
            std::memcpy(dst, src, size_t(w));
    }
}

} // namespace

I_Surface* I_CreateSurface(int width, int height)
{
    if (width <= 0 || height <= 0 || width > maxSurfaceSide || height > maxSurfaceSide)
        return nullptr;
    const int pitch = (width + 7) & ~7;
    return new I_Surface{width, height, pitch, std::vector<uint8_t>(size_t(pitch) * height)};
}

void I_ReleaseSurface(I_Surface* s)
{
    delete s;
}

int I_SurfaceWidth(const I_Surface* s)
{
    return s ? s->width : 0;
}

int I_SurfaceHeight(const I_Surface* s)
{
    return s ? s->height : 0;
}

uint8_t* I_LockSurface(I_Surface* s, int* pitch)
{
    if (!s)
        return nullptr;
    if (pitch)
        *pitch = s->pitch;
    return s->pixels.data();
}

void I_UnlockSurface(I_Surface* s)
{
    // Software drawing on the display shows at the next wait.
    I_NoteSurfaceChanged(s);
}

void I_Blt(I_Surface* dst, int dx, int dy, I_Surface* src, const I_Rect& srcArea, bool keyed)
{
    if (!dst || !src)
        return;
    // Clip the source area to the source, moving the destination point along with it.
    int sx = srcArea.x, sy = srcArea.y, w = srcArea.w, h = srcArea.h;
    if (sx < 0) { w += sx; dx -= sx; sx = 0; }
    if (sy < 0) { h += sy; dy -= sy; sy = 0; }
    w = std::min(w, src->width - sx);
    h = std::min(h, src->height - sy);
    // Then to the destination.
    if (dx < 0) { w += dx; sx -= dx; dx = 0; }
    if (dy < 0) { h += dy; sy -= dy; dy = 0; }
    w = std::min(w, dst->width - dx);
    h = std::min(h, dst->height - dy);
    if (w <= 0 || h <= 0)
        return;

    const uint8_t* from = src->pixels.data() + size_t(sy) * src->pitch + sx;
    uint8_t* to = dst->pixels.data() + size_t(dy) * dst->pitch + dx;
    if (src == dst) {
        // A blit within one surface may overlap itself: copy the area out first, into a
        // buffer kept for the next such blit (the game makes several a frame).
        static std::vector<uint8_t> area;
        area.resize(size_t(w) * h);
        CopyRows(area.data(), w, from, src->pitch, w, h, false);
        CopyRows(to, dst->pitch, area.data(), w, w, h, keyed);
    } else {
        CopyRows(to, dst->pitch, from, src->pitch, w, h, keyed);
    }
    I_NoteSurfaceChanged(dst);
}

void I_FillSurface(I_Surface* s, uint8_t colour)
{
    if (!s)
        return;
    std::fill(s->pixels.begin(), s->pixels.end(), colour);
    I_NoteSurfaceChanged(s);
}
