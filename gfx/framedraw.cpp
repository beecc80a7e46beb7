// Drawing a frame onto a destination buffer: hardware blits for normal frames, and the
// run walks of silhouettes, shadows, tiled frames and hidden-surface removal.
#include <algorithm>
#include <cstring>

#include "gfx/buffer.h"

namespace {

// The part of the destination's view that lies on its surface.
void VisibleView(const Q2SL_buffer& dest, int& w, int& h)
{
    w = h = 0;
    if (I_Surface* s = dest.TargetSurface()) {
        w = std::max(0, std::min<int>(dest.viewWidth, I_SurfaceWidth(s) - dest.viewX));
        h = std::max(0, std::min<int>(dest.viewHeight, I_SurfaceHeight(s) - dest.viewY));
    }
}

// The columns [c0, c1) and rows [r0, r1) of a frame at (x, y) that show in the view.
struct Visible {
    int x, y, c0, c1, r0, r1;
};

bool ClipFrame(int frameW, int frameH, int x, int y, const drawPosition& pos, const Q2SL_buffer& dest,
               Visible& v)
{
    int viewW, viewH;
    VisibleView(dest, viewW, viewH);
    const int right = std::min<int>(viewW, pos.columnLimit);
    const int bottom = std::min<int>(viewH, pos.rowLimit);
    v = {x, y, std::max<int>(pos.skipColumns, -x), std::min(frameW, right - x), std::max<int>(pos.skipRows, -y),
         std::min(frameH, bottom - y)};
    return v.c0 < v.c1 && v.r0 < v.r1;
}

// The destination's pixels for one draw: locked for it when not locked already.
class PixelAccess {
public:
    explicit PixelAccess(Q2SL_buffer& d) : dest(d), lockedHere(!d.pixels && d.Lock()) {}
    ~PixelAccess()
    {
        if (lockedHere)
            dest.Unlock();
    }
    PixelAccess(const PixelAccess&) = delete;
    PixelAccess& operator=(const PixelAccess&) = delete;

    // View row vy, from view column 0.
    uint8_t* Row(int vy) const { return dest.pixels + (dest.viewY + vy) * dest.pitch + dest.viewX; }
    bool Ready() const { return dest.pixels != nullptr; }

private:
    Q2SL_buffer& dest;
    bool lockedHere;
};

// Span operations: view row, view column, length, the frame's pixels of the span.
struct CopySpan {
    const PixelAccess& out;
    void operator()(int vy, int vx, int len, const uint8_t* src) const { std::memcpy(out.Row(vy) + vx, src, len); }
};

struct FillSpan {
    const PixelAccess& out;
    uint8_t colour;
    void operator()(int vy, int vx, int len, const uint8_t*) const { std::memset(out.Row(vy) + vx, colour, len); }
};

// Shades the pixel pairs (from even view columns) under a span through the shadow table.
struct ShadeSpan {
    const PixelAccess& out;
    const uint16_t* table;
    void operator()(int vy, int vx, int len, const uint8_t*) const
    {
        uint8_t* row = out.Row(vy);
        const int last = (vx + len) & ~1;
        for (int p = vx & ~1; p < last; p += 2) {
            const uint16_t v = table[row[p] | row[p + 1] << 8];
            row[p] = static_cast<uint8_t>(v);
            row[p + 1] = static_cast<uint8_t>(v >> 8);
        }
    }
};

// Walks the visible parts of the frame's opaque runs.
template <typename Op>
void WalkRuns(const Q2SL_buffer& f, const Visible& v, Op op)
{
    const int rows = std::min<int>(v.r1, f.bitmap.height);
    for (int r = v.r0; r < rows; ++r) {
        const Q2SL_bitmapRow& row = f.bitmap.rows[r];
        for (uint16_t i = 0; i < row.numRuns; ++i) {
            const Q2SL_drawRun& run = row.runs[i];
            if (run.start >= v.c1)
                break;
            const int s = std::max<int>(run.start, v.c0);
            const int e = std::min<int>(run.end, v.c1);
            if (s < e)
                op(v.y + r, v.x + s, e - s, run.pixels + (s - run.start));
        }
    }
}

// Walks the whole visible rectangle, one span a row.
template <typename Op>
void WalkRect(const Visible& v, Op op)
{
    for (int r = v.r0; r < v.r1; ++r)
        op(v.y + r, v.x + v.c0, v.c1 - v.c0, nullptr);
}

int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Walks copies of the frame laid edge to edge over the request's window of the view,
// one copy with its top-left at the request position.
template <typename Op>
void WalkTiled(const Q2SL_buffer& f, const Q2SL_buffer& dest, const drawPosition& pos, Op op)
{
    int viewW, viewH;
    VisibleView(dest, viewW, viewH);
    const int left = pos.skipColumns, top = pos.skipRows;
    const int right = std::min<int>(viewW, pos.columnLimit);
    const int bottom = std::min<int>(viewH, pos.rowLimit);
    const int period = f.PictureWidth();
    const int fh = f.bitmap.height;
    if (period <= 0 || fh <= 0 || left >= right)
        return;
    const int firstX = pos.x + FloorDiv(left - pos.x, period) * period;
    for (int vy = top; vy < bottom; ++vy) {
        const Q2SL_bitmapRow& row = f.bitmap.rows[((vy - pos.y) % fh + fh) % fh];
        for (int tx = firstX; tx < right; tx += period) {
            for (uint16_t i = 0; i < row.numRuns; ++i) {
                const Q2SL_drawRun& run = row.runs[i];
                const int s = std::max(tx + run.start, left);
                const int e = std::min(tx + run.end, right);
                if (s < e)
                    op(vy, s, e - s, run.pixels + (s - tx - run.start));
            }
        }
    }
}

// Hidden-surface removal: draws only what no earlier span of this frame covers, then
// records the span in its row's sorted list of covered spans.
template <typename Op>
struct HiddenSurface {
    Q2SL_drawBuffer& dest;
    Op op;
    void operator()(int vy, int vx, int len, const uint8_t* src) const
    {
        const int row = dest.viewY + vy;
        if (!dest.usedRuns || row >= dest.runRows) {
            op(vy, vx, len, src);
            return;
        }
        Q2SL_usedRun* list = dest.usedRuns[row];
        uint16_t& n = dest.currentRuns[row];
        const int a = dest.viewX + vx, b = a + len;
        // Draw the gaps between the covered spans that meet [a, b).
        int from = a;
        for (uint16_t i = 0; i < n && list[i].start < b; ++i) {
            if (list[i].end <= from)
                continue;
            if (list[i].start > from)
                op(vy, from - dest.viewX, list[i].start - from, src ? src + (from - a) : nullptr);
            from = std::max<int>(from, list[i].end);
        }
        if (from < b)
            op(vy, from - dest.viewX, b - from, src ? src + (from - a) : nullptr);
        // Merge [a, b) with every span it overlaps or touches.
        uint16_t first = 0;
        while (first < n && list[first].end < a)
            ++first;
        uint16_t past = first;
        int start = a, end = b;
        while (past < n && list[past].start <= b) {
            start = std::min<int>(start, list[past].start);
            end = std::max<int>(end, list[past].end);
            ++past;
        }
        if (past == first) {
            if (n >= dest.numURuns[row])
                return;  // cannot happen: disjoint spans with gaps never exceed width / 2 + 1
            std::memmove(list + first + 1, list + first, (n - first) * sizeof *list);
            ++n;
        } else if (past > first + 1) {
            std::memmove(list + first + 1, list + past, (n - past) * sizeof *list);
            n = static_cast<uint16_t>(n - (past - first - 1));
        }
        list[first].start = static_cast<uint16_t>(start);
        list[first].end = static_cast<uint16_t>(end);
    }
};

template <typename Op>
HiddenSurface<Op> Hidden(Q2SL_drawBuffer& dest, Op op)
{
    return HiddenSurface<Op>{dest, op};
}

// Walks the frame's visible runs at pos into the span operation made on the destination's pixels.
template <typename MakeOp>
void DrawRuns(const Q2SL_buffer& f, Q2SL_buffer* dest, const drawPosition& pos, MakeOp make)
{
    Visible v;
    if (!dest || !ClipFrame(f.PictureWidth(), f.height, pos.x, pos.y, pos, *dest, v))
        return;
    PixelAccess out(*dest);
    if (out.Ready())
        WalkRuns(f, v, make(out));
}

// Walks the frame's tiled copies into the span operation made on the destination's pixels.
template <typename MakeOp>
void DrawTiles(const Q2SL_buffer& f, Q2SL_buffer* dest, const drawPosition& pos, MakeOp make)
{
    if (!dest)
        return;
    PixelAccess out(*dest);
    if (out.Ready())
        WalkTiled(f, *dest, pos, make(out));
}

// Walks the whole visible rectangle of the frame at pos into the span operation made on the
// destination's pixels.
template <typename MakeOp>
void DrawRect(const Q2SL_buffer& f, Q2SL_buffer* dest, const drawPosition& pos, MakeOp make)
{
    Visible v;
    if (!dest || !ClipFrame(f.PictureWidth(), f.height, pos.x, pos.y, pos, *dest, v))
        return;
    PixelAccess out(*dest);
    if (out.Ready())
        WalkRect(v, make(out));
}

// The request moved by the shadow offset.
drawPosition Shadowed(const drawPosition& pos)
{
    drawPosition p = pos;
    p.x += shadowOffsetX;
    p.y += shadowOffsetY;
    return p;
}

// The translucent shadow's table, or null when no palette has one (then shadows are solid).
const uint16_t* ShadowTable()
{
    return shadowPalette ? shadowPalette->shadowPal : nullptr;
}

// Copies the visible opaque runs of a frame in software.
void CopyRuns(const Q2SL_buffer& f, Q2SL_buffer& dest, const drawPosition& pos)
{
    DrawRuns(f, &dest, pos, [](const PixelAccess& out) { return CopySpan{out}; });
}

// One blit of the visible part of the frame's surface.
void Blit(const Q2SL_buffer& f, int frameW, Q2SL_buffer& dest, const drawPosition& pos, bool keyed)
{
    Visible v;
    I_Surface* to = dest.TargetSurface();
    if (!to || !ClipFrame(frameW, f.height, pos.x, pos.y, pos, dest, v))
        return;
    I_Blt(to, dest.viewX + v.x + v.c0, dest.viewY + v.y + v.r0, f.surface, I_Rect{v.c0, v.r0, v.c1 - v.c0, v.r1 - v.r0},
          keyed);
}

}  // namespace

void Q2SL_buffer::Draw(Q2SL_drawBuffer* dest, const drawPosition& pos)
{
    if (tiled)
        DrawTiled(dest, pos);
    else
        DrawSingle(dest, pos);
}

void Q2SL_buffer::DrawSingle(Q2SL_drawBuffer* dest, const drawPosition& pos)
{
    DrawRuns(*this, dest, pos, [dest](const PixelAccess& out) { return Hidden(*dest, CopySpan{out}); });
}

void Q2SL_buffer::DrawTiled(Q2SL_drawBuffer* dest, const drawPosition& pos)
{
    DrawTiles(*this, dest, pos, [dest](const PixelAccess& out) { return Hidden(*dest, CopySpan{out}); });
}

void Q2SL_buffer::DrawNoHSR(Q2SL_buffer* dest, const drawPosition& pos)
{
    const bool plainOpaque = opaque && !tiled;
    switch (shadowMode) {
    case 0:
        if (plainOpaque)
            DrawNoTrans(dest, pos);
        else if (tiled)
            DrawTiledNoHSR(dest, pos);
        else
            DrawSingleNoHSR(dest, pos);
        break;
    case 1:
        if (plainOpaque)
            DrawNoTransShadowSolid(dest, pos);
        else
            DrawShadowSolid(dest, pos);
        break;
    case 2:
        if (plainOpaque)
            DrawNoTransShadow(dest, pos);
        else
            DrawShadow(dest, pos);
        break;
    default:
        break;
    }
}

void Q2SL_buffer::DrawSingleNoHSR(Q2SL_buffer* dest, const drawPosition& pos)
{
    if (!dest)
        return;
    // A picture kept only in compressed form has no surface to blit from.
    if (surface)
        Blit(*this, width, *dest, pos, true);
    else
        CopyRuns(*this, *dest, pos);
}

void Q2SL_buffer::DrawTiledNoHSR(Q2SL_buffer* dest, const drawPosition& pos)
{
    DrawTiles(*this, dest, pos, [](const PixelAccess& out) { return CopySpan{out}; });
}

void Q2SL_buffer::DrawSolid(Q2SL_drawBuffer* dest, const drawPosition& pos, uint8_t colour)
{
    if (tiled)
        DrawTiledSolid(dest, pos, colour);
    else
        DrawSingleSolid(dest, pos, colour);
}

void Q2SL_buffer::DrawSingleSolid(Q2SL_drawBuffer* dest, const drawPosition& pos, uint8_t colour)
{
    DrawRuns(*this, dest, pos,
             [dest, colour](const PixelAccess& out) { return Hidden(*dest, FillSpan{out, colour}); });
}

void Q2SL_buffer::DrawTiledSolid(Q2SL_drawBuffer* dest, const drawPosition& pos, uint8_t colour)
{
    DrawTiles(*this, dest, pos,
              [dest, colour](const PixelAccess& out) { return Hidden(*dest, FillSpan{out, colour}); });
}

void Q2SL_buffer::DrawNoHSRSolid(Q2SL_buffer* dest, const drawPosition& pos, uint8_t colour)
{
    if (tiled)
        DrawTiledNoHSRSolid(dest, pos, colour);
    else
        DrawSingleNoHSRSolid(dest, pos, colour);
}

void Q2SL_buffer::DrawSingleNoHSRSolid(Q2SL_buffer* dest, const drawPosition& pos, uint8_t colour)
{
    DrawRuns(*this, dest, pos, [colour](const PixelAccess& out) { return FillSpan{out, colour}; });
}

void Q2SL_buffer::DrawTiledNoHSRSolid(Q2SL_buffer* dest, const drawPosition& pos, uint8_t colour)
{
    DrawTiles(*this, dest, pos, [colour](const PixelAccess& out) { return FillSpan{out, colour}; });
}

void Q2SL_buffer::DrawNoTrans(Q2SL_buffer* dest, const drawPosition& pos)
{
    if (!dest)
        return;
    // The padding columns are not part of an opaque picture: blit the picture only.
    if (surface)
        Blit(*this, PictureWidth(), *dest, pos, false);
    else
        CopyRuns(*this, *dest, pos);
}

void Q2SL_buffer::DrawShadow(Q2SL_buffer* dest, const drawPosition& pos)
{
    const uint16_t* table = ShadowTable();
    if (!table)
        DrawShadowSolid(dest, pos);
    else
        DrawRuns(*this, dest, Shadowed(pos), [table](const PixelAccess& out) { return ShadeSpan{out, table}; });
}

void Q2SL_buffer::DrawNoTransShadow(Q2SL_buffer* dest, const drawPosition& pos)
{
    const uint16_t* table = ShadowTable();
    if (!table)
        DrawNoTransShadowSolid(dest, pos);
    else
        DrawRect(*this, dest, Shadowed(pos), [table](const PixelAccess& out) { return ShadeSpan{out, table}; });
}

void Q2SL_buffer::DrawShadowSolid(Q2SL_buffer* dest, const drawPosition& pos)
{
    DrawRuns(*this, dest, Shadowed(pos), [](const PixelAccess& out) { return FillSpan{out, 0}; });
}

void Q2SL_buffer::DrawNoTransShadowSolid(Q2SL_buffer* dest, const drawPosition& pos)
{
    DrawRect(*this, dest, Shadowed(pos), [](const PixelAccess& out) { return FillSpan{out, 0}; });
}
