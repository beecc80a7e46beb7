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

// Copies a w x h area; the rows must not overlap.
void CopyRows(uint8_t* dst, int dstPitch, const uint8_t* src, int srcPitch, int w, int h, bool keyed)
{
    for (int y = 0; y < h; y++, dst += dstPitch, src += srcPitch) {
        if (!keyed) {
            std::memcpy(dst, src, size_t(w));
            continue;
        }
        for (int x = 0; x < w; x++)
            if (src[x] != 0)
                dst[x] = src[x];
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
        // A blit within one surface may overlap itself: copy the area out first.
        std::vector<uint8_t> area(size_t(w) * h);
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
