// Overlap tests between sprites, the step-backs out of an overlap and the side test.
#include <algorithm>
#include <cstdlib>

#include "gfx/collide.h"

namespace {

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

// Any pair of runs of the two rows overlapping, columns offset by each sprite's x.
bool RowsMeet(const Q2SL_solidRow& u, int ux, const Q2SL_solidRow& l, int lx)
{
    for (uint16_t i = 0; i < u.numRuns; ++i) {
        const int us = ux + u.runs[i].start, ue = ux + u.runs[i].end - 1;
        for (uint16_t k = 0; k < l.numRuns; ++k) {
            const int ls = lx + l.runs[k].start, le = lx + l.runs[k].end - 1;
            if (us <= le && ls <= ue)
                return true;
        }
    }
    return false;
}

// Steps a back one pixel at a time while the test holds.
template <typename Test>
int StepBack(Q2SL_sprite& a, const Q2SL_sprite& b, Test overlaps)
{
    if (!overlaps(a, b))
        return 0;
    const int dx = a.x - a.prevX, dy = a.y - a.prevY;
    if (dx == 0 && dy == 0)
        return 2;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    int32_t& major = alongX ? a.x : a.y;
    int32_t& majorPrev = alongX ? a.prevX : a.prevY;
    int32_t& minor = alongX ? a.y : a.x;
    int32_t& minorPrev = alongX ? a.prevY : a.prevX;
    const int dMajor = alongX ? dx : dy, dMinor = alongX ? dy : dx;
    const int back = -Sign(dMajor);
    // The minor axis follows only an exactly diagonal motion.
    const int minorBack = std::abs(dMinor) == std::abs(dMajor) ? -Sign(dMinor) : 0;
    do {
        major += back;
        majorPrev += back;
        minor += minorBack;
        minorPrev += minorBack;
    } while (overlaps(a, b));
    return 1;
}

int FromMotion(int dx, int dy)
{
    if (dx == 0)
        return dy > 0 ? SIDE_BOTTOM : dy < 0 ? SIDE_TOP : SIDE_NONE;
    if (dy == 0)
        return dx > 0 ? SIDE_RIGHT : SIDE_LEFT;
    return -1;
}

// Compares the gaps between the boxes in the direction of motion.
int FromGaps(const Q2SL_sprite& a, const Q2SL_sprite& b, bool right, bool down)
{
    const int gapX = right ? b.x - (a.x + a.type->boxWidth) : a.x - (b.x + b.type->boxWidth);
    const int gapY = down ? b.y - (a.y + a.type->boxHeight) : a.y - (b.y + b.type->boxHeight);
    if (gapX < gapY)
        return down ? SIDE_BOTTOM : SIDE_TOP;
    if (gapX > gapY)
        return right ? SIDE_RIGHT : SIDE_LEFT;
    return down ? (right ? SIDE_BOTTOM_RIGHT : SIDE_BOTTOM_LEFT) : (right ? SIDE_TOP_RIGHT : SIDE_TOP_LEFT);
}

}  // namespace

int CollideBox(const Q2SL_sprite& a, const Q2SL_sprite& b)
{
    if (!a.type || !b.type)
        return 0;
    const int ax = a.x + a.type->boxX, ay = a.y + a.type->boxY;
    if (b.x >= ax + a.type->boxWidth || b.x + b.type->boxWidth <= ax)
        return 0;
    if (b.y >= ay + a.type->boxHeight || b.y + b.type->boxHeight <= ay)
        return 0;
    return 1;
}

int Collide(const Q2SL_sprite& a, const Q2SL_sprite& b)
{
    if (a.x + a.width < b.x || b.x + b.width < a.x || a.y + a.height < b.y || b.y + b.height < a.y)
        return 0;
    const Q2SL_buffer* fa = a.CurrentFrame();
    const Q2SL_buffer* fb = b.CurrentFrame();
    if (!fa || !fb)
        return 0;
    const bool aAbove = a.y < b.y;
    const Q2SL_sprite& u = aAbove ? a : b;
    const Q2SL_sprite& l = aAbove ? b : a;
    const Q2SL_solidMap& um = aAbove ? fa->solidMap : fb->solidMap;
    const Q2SL_solidMap& lm = aAbove ? fb->solidMap : fa->solidMap;
    const int bottom = std::min(u.y + std::min<int>(u.height, um.numRows), l.y + std::min<int>(l.height, lm.numRows));
    for (int y = l.y; y < bottom; ++y) {
        if (RowsMeet(um.rows[y - u.y], u.x, lm.rows[y - l.y], l.x))
            return 1;
    }
    return 0;
}

namespace {

// Steps a back along one axis, position and previous position together, until its box
// leaves b's.
int StepBackAlong(Q2SL_sprite& a, const Q2SL_sprite& b, int32_t& pos, int32_t& prev)
{
    if (prev == pos)
        return 0;
    const int back = prev < pos ? -1 : 1;
    while (CollideBox(a, b)) {
        pos += back;
        prev += back;
    }
    return 0;
}

}  // namespace

int CollideSolidX(Q2SL_sprite& a, const Q2SL_sprite& b)
{
    return StepBackAlong(a, b, a.x, a.prevX);
}

int CollideSolidY(Q2SL_sprite& a, const Q2SL_sprite& b)
{
    return StepBackAlong(a, b, a.y, a.prevY);
}

int CollideSolid(Q2SL_sprite& a, const Q2SL_sprite& b)
{
    return StepBack(a, b, Collide);
}

int CollideSolidBox(Q2SL_sprite& a, const Q2SL_sprite& b)
{
    return StepBack(a, b, CollideBox);
}

int CollideSide(const Q2SL_sprite& a, const Q2SL_sprite& b)
{
    if (!CollideBox(a, b))
        return SIDE_NONE;
    const int amx = a.x - a.prevX, amy = a.y - a.prevY;
    const int bmx = b.x - b.prevX, bmy = b.y - b.prevY;
    if (amx == 0 && amy == 0 && bmx == 0 && bmy == 0)
        return SIDE_NONE;
    if (amx == 0 && bmx == 0)
        return amy > bmy ? SIDE_BOTTOM : SIDE_TOP;
    if (amy == 0 && bmy == 0)
        return amx > bmx ? SIDE_RIGHT : SIDE_LEFT;
    const int dx = amx - bmx, dy = amy - bmy;
    const int straight = FromMotion(dx, dy);
    if (straight >= 0)
        return straight;
    return FromGaps(a, b, dx > 0, dy > 0);
}

int CollideSide(const Q2SL_sprite& a, const Q2SL_sprite& b, int quadrant)
{
    if (!CollideBox(a, b))
        return SIDE_NONE;
    switch (quadrant) {
    case QUADRANT_UP_RIGHT:
        return FromGaps(a, b, true, false);
    case QUADRANT_UP_LEFT:
        return FromGaps(a, b, false, false);
    case QUADRANT_DOWN_LEFT:
        return FromGaps(a, b, false, true);
    case QUADRANT_DOWN_RIGHT:
        return FromGaps(a, b, true, true);
    default:
        return SIDE_NONE;
    }
}
