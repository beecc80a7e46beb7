// Pictures over platform surfaces: surfaces, locking, and the run-length and solid
// descriptions built from pixels.
#include <cstring>

#include "app/shell.h"
#include "gfx/alloc.h"
#include "gfx/buffer.h"
#include "gfx/spritefile.h"

void Q2SL_bitmap::Delete()
{
    if (rows) {
        for (uint16_t r = 0; r < height; ++r)
            my_delete(rows[r].runs, "runs");
    }
    my_delete(rows, "rows");
    my_delete(pixelBlock, "pixels");
    opaqueBytes = 0;
    height = width = 0;
}

void Q2SL_solidMap::Delete()
{
    if (rows) {
        for (uint16_t r = 0; r < numRows; ++r)
            my_delete(rows[r].runs, "solidRuns");
    }
    my_delete(rows, "solidRows");
    numRows = 0;
}

int Q2SL_buffer::CreateSurface(int /*bitsPerPixel*/, int /*preferVideoMemory*/)
{
    ReleaseSurface();
    if (width == 0 || height == 0)
        return 0;
    surface = I_CreateSurface(width, height);
    ShareSurface();
    return surface != nullptr;
}

void Q2SL_buffer::ReleaseSurface()
{
    if (surface && OwnsMemory())
        I_ReleaseSurface(surface);
    surface = nullptr;
    pixels = nullptr;
    ShareSurface();
}

void Q2SL_buffer::ShareSurface()
{
    // Views onto this buffer never keep a surface it has let go of.
    if (!hasSharers || !OwnsMemory())
        return;
    for (uint16_t i = 0; i < *sharerCount; ++i) {
        sharers[i]->surface = surface;
        sharers[i]->pixels = nullptr;
    }
}

void Q2SL_buffer::Delete()
{
    ReleaseSurface();
    bitmap.Delete();
    solidMap.Delete();
    my_delete(rawPixels, "rawPixels");
    my_delete(sharerNames, "sharerNames");
    numSharerNames = 0;
}

int Q2SL_buffer::Lock()
{
    if (!surface)
        return 0;
    pixels = I_LockSurface(surface, &pitch);
    if (hasSharers) {
        for (uint16_t i = 0; i < *sharerCount; ++i) {
            sharers[i]->pixels = pixels;
            sharers[i]->pitch = pitch;
        }
    }
    return pixels != nullptr;
}

int Q2SL_buffer::Unlock()
{
    if (!surface)
        return 0;
    I_UnlockSurface(surface);
    pixels = nullptr;
    // No member of the group keeps a pointer into the unlocked memory.
    if (hasSharers) {
        for (uint16_t i = 0; i < *sharerCount; ++i)
            sharers[i]->pixels = nullptr;
    }
    return 1;
}

int Q2SL_buffer::InitBuffer(const uint8_t* source, const uint8_t* mask)
{
    return GetDrawRuns(source, mask, width, height);
}

int Q2SL_buffer::InitBuffer(const uint8_t* source)
{
    if (!CreateSurface(8, 0) || !Lock())
        return 0;
    for (uint16_t r = 0; r < height; ++r)
        std::memcpy(pixels + r * pitch, source + r * width, width);
    Unlock();
    rawWidth = width;
    if (!GetDrawRuns(source, width, height))
        return 0;
    opaque = bitmap.opaqueBytes == uint32_t(width) * height;
    return 1;
}

namespace {

// Allocates the rows of a bitmap of the given size (runs still empty).
int StartBitmap(Q2SL_bitmap& b, uint16_t w, uint16_t h, uint32_t blockBytes)
{
    b.Delete();
    if (w == 0 || h == 0)
        return 0;
    b.width = w;
    b.height = h;
    b.rows = static_cast<Q2SL_bitmapRow*>(my_new(sizeof(Q2SL_bitmapRow) * h, "rows"));
    b.pixelBlock = static_cast<uint8_t*>(my_new(blockBytes, "pixels"));
    return 1;
}

// The runs of one row: maximal stretches where opaque(column) holds.
template <typename Opaque>
void RowRuns(Q2SL_bitmapRow& row, uint16_t w, Opaque opaque)
{
    uint16_t n = 0;
    for (uint16_t c = 0; c < w; ++c) {
        if (opaque(c) && (c == 0 || !opaque(c - 1)))
            ++n;
    }
    row.numRuns = n;
    row.runs = n ? static_cast<Q2SL_drawRun*>(my_new(sizeof(Q2SL_drawRun) * n, "runs")) : nullptr;
    uint16_t i = 0;
    for (uint16_t c = 0; c < w;) {
        if (!opaque(c)) {
            ++c;
            continue;
        }
        const uint16_t start = c;
        while (c < w && opaque(c))
            ++c;
        row.runs[i].start = start;
        row.runs[i].end = c;
        ++i;
    }
}

}  // namespace

int Q2SL_buffer::GetDrawRuns(const uint8_t* source, uint16_t w, uint16_t h)
{
    if (!StartBitmap(bitmap, w, h, uint32_t(w) * h))
        return 0;
    std::memcpy(bitmap.pixelBlock, source, size_t(w) * h);
    for (uint16_t r = 0; r < h; ++r) {
        Q2SL_bitmapRow& row = bitmap.rows[r];
        row.pixels = bitmap.pixelBlock + size_t(r) * w;
        RowRuns(row, w, [&](int c) { return row.pixels[c] != 0; });
        for (uint16_t i = 0; i < row.numRuns; ++i) {
            row.runs[i].pixels = row.pixels + row.runs[i].start;
            bitmap.opaqueBytes += row.runs[i].end - row.runs[i].start;
        }
    }
    return 1;
}

int Q2SL_buffer::GetDrawRuns(const uint8_t* source, const uint8_t* mask, uint16_t w, uint16_t h)
{
    uint32_t count = 0;
    for (size_t i = 0; i < size_t(w) * h; ++i)
        count += mask[i] & 1;
    if (!StartBitmap(bitmap, w, h, count))
        return 0;
    uint8_t* packed = bitmap.pixelBlock;
    for (uint16_t r = 0; r < h; ++r) {
        Q2SL_bitmapRow& row = bitmap.rows[r];
        const uint8_t* src = source + size_t(r) * w;
        const uint8_t* m = mask + size_t(r) * w;
        row.pixels = packed;
        RowRuns(row, w, [&](int c) { return (m[c] & 1) != 0; });
        for (uint16_t i = 0; i < row.numRuns; ++i) {
            Q2SL_drawRun& run = row.runs[i];
            const uint16_t len = run.end - run.start;
            std::memcpy(packed, src + run.start, len);
            run.pixels = packed;
            packed += len;
        }
    }
    bitmap.opaqueBytes = count;
    return 1;
}

int Q2SL_buffer::SolidFromRuns()
{
    solidMap.Delete();
    solidMap.numRows = bitmap.height;
    solidMap.rows = static_cast<Q2SL_solidRow*>(my_new(sizeof(Q2SL_solidRow) * bitmap.height, "solidRows"));
    for (uint16_t r = 0; r < bitmap.height; ++r) {
        const Q2SL_bitmapRow& from = bitmap.rows[r];
        Q2SL_solidRow& to = solidMap.rows[r];
        to.numRuns = from.numRuns;
        if (!from.numRuns)
            continue;
        to.runs = static_cast<Q2SL_solidRun*>(my_new(sizeof(Q2SL_solidRun) * from.numRuns, "solidRuns"));
        for (uint16_t i = 0; i < from.numRuns; ++i) {
            to.runs[i].start = from.runs[i].start;
            to.runs[i].end = from.runs[i].end;
        }
    }
    return 1;
}

int Q2SL_buffer::PromoteTo8x()
{
    if (!rawPixels)
        return 0;
    width = static_cast<uint16_t>((rawWidth + 7) & ~7);
    if (!CreateSurface(8, 1) || !Lock())
        return 0;
    for (uint16_t r = 0; r < height; ++r) {
        uint8_t* row = pixels + r * pitch;
        std::memset(row, 0, width);
        std::memcpy(row, rawPixels + size_t(r) * rawWidth, rawWidth);
    }
    Unlock();
    // The runs point into the raw pixels: the bitmap keeps them for software drawing.
    my_delete(bitmap.pixelBlock, "pixels");
    bitmap.pixelBlock = rawPixels;
    rawPixels = nullptr;
    return 1;
}

Q2SL_buffer* Q2SL_NewFrame(uint16_t w, uint16_t h, const uint8_t* pixels, uint16_t hotX, uint16_t hotY)
{
    auto* b = Q2SL_New<Q2SL_buffer>("frame");
    b->width = b->viewWidth = w;
    b->height = b->viewHeight = h;
    b->hotX = hotX;
    b->hotY = hotY;
    if (w > kMaxFrameWidth || h > kMaxFrameHeight || !b->InitBuffer(pixels) || !b->SolidFromRuns()) {
        b->Delete();
        Q2SL_Delete(b, "frame");
    }
    return b;
}
