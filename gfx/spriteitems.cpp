// The items of a sprite file: pictures with their runs and solid maps, views, sprite
// types and fonts, read with every length and count checked, and written back.
#include <cstring>

#include "app/shell.h"
#include "gfx/alloc.h"
#include "gfx/dosfile.h"
#include "gfx/spritefile.h"

namespace {

// Reads a row's runs: ordered, not overlapping, inside [0, width).
template <typename Run>
int ReadRuns(int handle, uint16_t width, uint16_t& numRuns, Run*& runs, uint32_t& length, const char* label)
{
    if (!Q2SL_ReadU16(handle, numRuns) || numRuns > width)
        return 0;
    if (numRuns)
        runs = static_cast<Run*>(my_new(sizeof(Run) * numRuns, label));
    uint16_t lastEnd = 0;
    for (uint16_t i = 0; i < numRuns; ++i) {
        Run& r = runs[i];
        if (!Q2SL_ReadU16(handle, r.start) || !Q2SL_ReadU16(handle, r.end))
            return 0;
        if (r.start < lastEnd || r.start >= r.end || r.end > width)
            return 0;
        lastEnd = r.end;
        length += r.end - r.start;
    }
    return 1;
}

template <typename Run>
int WriteRuns(int handle, uint16_t numRuns, const Run* runs)
{
    if (!Q2SL_WriteU16(handle, numRuns))
        return 0;
    for (uint16_t i = 0; i < numRuns; ++i) {
        if (!Q2SL_WriteU16(handle, runs[i].start) || !Q2SL_WriteU16(handle, runs[i].end))
            return 0;
    }
    return 1;
}

bool SizeFits(uint16_t w, uint16_t h)
{
    return w > 0 && h > 0 && w <= kMaxFrameWidth && h <= kMaxFrameHeight;
}

}  // namespace

int Q2SL_bitmap::Read(int handle, const uint8_t* picture)
{
    uint32_t claimed = 0;
    if (!Q2SL_ReadU32(handle, claimed))
        return 0;
    rows = static_cast<Q2SL_bitmapRow*>(my_new(sizeof(Q2SL_bitmapRow) * height, "rows"));
    uint32_t total = 0;
    for (uint16_t r = 0; r < height; ++r) {
        Q2SL_bitmapRow& row = rows[r];
        if (!ReadRuns(handle, width, row.numRuns, row.runs, total, "runs"))
            return 0;
        row.pixels = picture + size_t(r) * width;
        for (uint16_t i = 0; i < row.numRuns; ++i)
            row.runs[i].pixels = row.pixels + row.runs[i].start;
    }
    opaqueBytes = claimed;
    return total == claimed;
}

int Q2SL_bitmap::Write(int handle) const
{
    if (!Q2SL_WriteU32(handle, opaqueBytes))
        return 0;
    for (uint16_t r = 0; r < height; ++r) {
        if (!WriteRuns(handle, rows[r].numRuns, rows[r].runs))
            return 0;
    }
    return 1;
}

int Q2SL_solidMap::Read(int handle, uint16_t width, uint16_t height)
{
    uint16_t count = 0;
    if (!Q2SL_ReadU16(handle, tag) || !Q2SL_ReadU16(handle, count) || count > height)
        return 0;
    numRows = count;
    rows = static_cast<Q2SL_solidRow*>(my_new(sizeof(Q2SL_solidRow) * (count ? count : 1), "solidRows"));
    uint32_t length = 0;
    for (uint16_t r = 0; r < count; ++r) {
        if (!ReadRuns(handle, width, rows[r].numRuns, rows[r].runs, length, "solidRuns"))
            return 0;
    }
    return 1;
}

int Q2SL_solidMap::Write(int handle) const
{
    if (!Q2SL_WriteU16(handle, tag) || !Q2SL_WriteU16(handle, numRows))
        return 0;
    for (uint16_t r = 0; r < numRows; ++r) {
        if (!WriteRuns(handle, rows[r].numRuns, rows[r].runs))
            return 0;
    }
    return 1;
}

int Q2SL_buffer::Read(int handle)
{
    Delete();
    if (!Q2SL_ReadName(handle, name, sizeof name) || !Q2SL_ReadU16(handle, depth) || !Q2SL_ReadU16(handle, width) ||
        !Q2SL_ReadU16(handle, height) || !Q2SL_ReadU16(handle, hotX) || !Q2SL_ReadU16(handle, hotY) ||
        !Q2SL_ReadU16(handle, tiled))
        return 0;
    if (depth != 8 || !SizeFits(width, height))
        return 0;
    rawWidth = width;
    viewWidth = width;
    viewHeight = height;
    bitmap.width = width;
    bitmap.height = height;
    const uint32_t size = uint32_t(width) * height;
    rawPixels = static_cast<uint8_t*>(my_new(size, "rawPixels"));
    if (!Q2SL_ReadAll(handle, rawPixels, size) || !bitmap.Read(handle, rawPixels) ||
        !solidMap.Read(handle, width, height))
        return 0;
    opaque = bitmap.opaqueBytes == size;
    return PromoteTo8x();
}

int Q2SL_buffer::Write(int handle) const
{
    const uint16_t w = PictureWidth();
    if (!surface || !Q2SL_WriteName(handle, name, sizeof name) || !Q2SL_WriteU16(handle, depth) ||
        !Q2SL_WriteU16(handle, w) || !Q2SL_WriteU16(handle, height) || !Q2SL_WriteU16(handle, hotX) ||
        !Q2SL_WriteU16(handle, hotY) || !Q2SL_WriteU16(handle, tiled))
        return 0;
    int p = 0;
    const uint8_t* px = I_LockSurface(surface, &p);
    int ok = px != nullptr;
    for (uint16_t r = 0; ok && r < height; ++r)
        ok = Q2SL_WriteAll(handle, px + r * p, w);
    I_UnlockSurface(surface);
    return ok && bitmap.Write(handle) && solidMap.Write(handle);
}

int Q2SL_drawBuffer::ReadView(int handle)
{
    uint16_t count = 0;
    if (!Q2SL_ReadName(handle, name, sizeof name) || !Q2SL_ReadU16(handle, viewX) || !Q2SL_ReadU16(handle, viewY) ||
        !Q2SL_ReadU16(handle, viewWidth) || !Q2SL_ReadU16(handle, viewHeight) || !Q2SL_ReadU16(handle, count))
        return 0;
    if (count > kMaxSharers)
        return 0;
    my_delete(sharerNames, "sharerNames");
    numSharerNames = count;
    if (count)
        sharerNames = static_cast<char(*)[16]>(my_new(sizeof(char[16]) * count, "sharerNames"));
    for (uint16_t i = 0; i < count; ++i) {
        if (!Q2SL_ReadName(handle, sharerNames[i], 16))
            return 0;
    }
    return 1;
}

int Q2SL_drawBuffer::WriteView(int handle) const
{
    if (!Q2SL_WriteName(handle, name, sizeof name) || !Q2SL_WriteU16(handle, viewX) ||
        !Q2SL_WriteU16(handle, viewY) || !Q2SL_WriteU16(handle, viewWidth) || !Q2SL_WriteU16(handle, viewHeight) ||
        !Q2SL_WriteU16(handle, numSharerNames))
        return 0;
    for (uint16_t i = 0; i < numSharerNames; ++i) {
        if (!Q2SL_WriteName(handle, sharerNames[i], 16))
            return 0;
    }
    return 1;
}

int Q2SL_spriteType::SetAnimCount(uint16_t anims)
{
    Delete();
    if (anims > kMaxAnims)
        return 0;
    numAnims = anims;
    if (anims) {
        frames = static_cast<Q2SL_buffer***>(my_new(sizeof(Q2SL_buffer**) * anims, "frames"));
        numFrames = static_cast<uint16_t*>(my_new(sizeof(uint16_t) * anims, "numFrames"));
    }
    return 1;
}

int Q2SL_spriteType::AddFrame(uint16_t a, Q2SL_buffer* frame)
{
    if (a >= numAnims || !frame || numFrames[a] >= kMaxFrames)
        return 0;
    const uint16_t n = numFrames[a];
    auto** grown = static_cast<Q2SL_buffer**>(my_new(sizeof(Q2SL_buffer*) * (n + 1), "frames"));
    if (n)
        std::memcpy(grown, frames[a], sizeof(Q2SL_buffer*) * n);
    grown[n] = frame;
    my_delete(frames[a], "frames");
    frames[a] = grown;
    numFrames[a] = static_cast<uint16_t>(n + 1);
    return 1;
}

Q2SL_buffer* Q2SL_spriteType::Frame(int a, int f) const
{
    if (a < 0 || a >= numAnims || f < 0 || f >= numFrames[a] || !frames[a])
        return nullptr;
    return frames[a][f];
}

int Q2SL_spriteType::SetupBound()
{
    if (boundRows) {
        for (uint16_t r = 0; r < numBoundRows; ++r)
            my_delete(boundRows[r].runs, "boundRuns");
    }
    my_delete(boundRows, "boundRows");
    numBoundRows = 0;
    boundWidth = boxWidth;
    boundHeight = boxHeight;
    const Q2SL_buffer* first = Frame(0, 0);
    if (!first)
        return 1;
    numBoundRows = first->height;
    boundRows = static_cast<Q2SL_solidRow*>(my_new(sizeof(Q2SL_solidRow) * numBoundRows, "boundRows"));
    for (int r = boxY; r < boxY + boxHeight && r < numBoundRows; ++r) {
        boundRows[r].numRuns = 1;
        boundRows[r].runs = static_cast<Q2SL_solidRun*>(my_new(sizeof(Q2SL_solidRun), "boundRuns"));
        boundRows[r].runs->start = boxX;
        boundRows[r].runs->end = static_cast<uint16_t>(boxX + boxWidth);
    }
    return 1;
}

void Q2SL_spriteType::Delete()
{
    for (uint16_t a = 0; a < numAnims && frames; ++a) {
        for (uint16_t f = 0; f < numFrames[a] && frames[a]; ++f) {
            if (frames[a][f])
                frames[a][f]->Delete();
            Q2SL_Delete(frames[a][f], "frame");
        }
        my_delete(frames[a], "frames");
    }
    my_delete(frames, "frames");
    my_delete(numFrames, "numFrames");
    numAnims = 0;
    boxWidth = boxHeight = 0;
    SetupBound();
}

int Q2SL_spriteType::Read(int handle)
{
    Delete();
    uint16_t anims = 0;
    if (!Q2SL_ReadName(handle, name, sizeof name) || !Q2SL_ReadU16(handle, boxX) || !Q2SL_ReadU16(handle, boxY) ||
        !Q2SL_ReadU16(handle, boxWidth) || !Q2SL_ReadU16(handle, boxHeight) || !Q2SL_ReadU16(handle, anims))
        return 0;
    const uint16_t keepW = boxWidth, keepH = boxHeight;
    if (!SetAnimCount(anims))
        return 0;
    boxWidth = keepW;
    boxHeight = keepH;
    uint16_t counts[kMaxAnims];
    for (uint16_t a = 0; a < anims; ++a) {
        if (!Q2SL_ReadU16(handle, counts[a]) || counts[a] > kMaxFrames)
            return 0;
    }
    for (uint16_t a = 0; a < anims; ++a) {
        for (uint16_t f = 0; f < counts[a]; ++f) {
            auto* frame = Q2SL_New<Q2SL_buffer>("frame");
            const int ok = frame->Read(handle);
            AddFrame(a, frame);
            if (!ok)
                return 0;
        }
    }
    return SetupBound();
}

int Q2SL_spriteType::Write(int handle) const
{
    if (!Q2SL_WriteName(handle, name, sizeof name) || !Q2SL_WriteU16(handle, boxX) || !Q2SL_WriteU16(handle, boxY) ||
        !Q2SL_WriteU16(handle, boxWidth) || !Q2SL_WriteU16(handle, boxHeight) || !Q2SL_WriteU16(handle, numAnims))
        return 0;
    for (uint16_t a = 0; a < numAnims; ++a) {
        if (!Q2SL_WriteU16(handle, numFrames[a]))
            return 0;
    }
    for (uint16_t a = 0; a < numAnims; ++a) {
        for (uint16_t f = 0; f < numFrames[a]; ++f) {
            if (!frames[a][f]->Write(handle))
                return 0;
        }
    }
    return 1;
}

int Q2SL_font::SetGlyph(int c, Q2SL_buffer* glyph)
{
    if (c < 0 || c >= kFontChars)
        return 0;
    if (glyphs[c])
        glyphs[c]->Delete();
    Q2SL_Delete(glyphs[c], "glyph");
    glyphs[c] = glyph;
    widths[c] = glyph ? glyph->PictureWidth() : 0;
    return 1;
}

void Q2SL_font::Delete()
{
    for (int c = 0; c < kFontChars; ++c)
        SetGlyph(c, nullptr);
}

int Q2SL_font::Read(int handle)
{
    Delete();
    if (!Q2SL_ReadName(handle, name, sizeof name) || !Q2SL_ReadU16(handle, lineHeight))
        return 0;
    for (int c = 0; c < kFontChars; ++c) {
        uint8_t present = 0;
        if (!Q2SL_ReadU8(handle, present))
            return 0;
        if (!present)
            continue;
        auto* glyph = Q2SL_New<Q2SL_buffer>("glyph");
        const int ok = glyph->Read(handle);
        SetGlyph(c, glyph);
        if (!ok)
            return 0;
    }
    return 1;
}

int Q2SL_font::Write(int handle) const
{
    if (!Q2SL_WriteName(handle, name, sizeof name) || !Q2SL_WriteU16(handle, lineHeight))
        return 0;
    for (int c = 0; c < kFontChars; ++c) {
        if (!Q2SL_WriteU8(handle, glyphs[c] ? 1 : 0) || (glyphs[c] && !glyphs[c]->Write(handle)))
            return 0;
    }
    return 1;
}
