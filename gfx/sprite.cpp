// Sprites: their animation state and the drawing of their current frame.
#include <algorithm>
#include <cstring>

#include "gfx/dosfile.h"
#include "gfx/sprite.h"

void Q2SL_sprite::SetType(Q2SL_spriteType* t)
{
    type = t;
    Q2SL_SetName(typeName, sizeof typeName, t ? t->name : nullptr);
    numAnims = t ? t->numAnims : 0;
}

void Q2SL_sprite::SetAnim(int a)
{
    if (!type || a < 0 || a >= type->numAnims)
        return;
    anim = static_cast<uint16_t>(a);
    numFrames = type->numFrames[a];
    if (numFrames)
        SetFrame(0);
}

void Q2SL_sprite::SetFrame(int f)
{
    if (f < 0 || f >= numFrames)
        return;
    const Q2SL_buffer* b = type ? type->Frame(anim, f) : nullptr;
    if (!b)
        return;
    frame = static_cast<uint16_t>(f);
    width = b->width;
    height = b->height;
}

int32_t Q2SL_sprite::StepFrame()
{
    const int count = (type && anim < type->numAnims) ? type->numFrames[anim] : 0;
    const int n = frame + frameStep;
    if (n >= 0 && n < count) {
        SetFrame(n);
        return 1;
    }
    if (frameStep > 0) {
        if (numFrames)
            SetFrame(0);
    } else if (frameStep < 0) {
        SetFrame(count - 1);
    }
    return 0;
}

Q2SL_buffer* Q2SL_sprite::CurrentFrame() const
{
    return type ? type->Frame(anim, frame) : nullptr;
}

bool Q2SL_sprite::Placement(const Q2SL_buffer& f, const Q2SL_buffer& dest, int32_t dx, int32_t dy,
                            int32_t widthLimit, drawPosition& pos) const
{
    pos.x = x - dx - f.hotX;
    pos.y = y - dy - f.hotY;
    // A shadow lands at the position moved by the shadow offset: limits count from there.
    const bool shadow = shadowMode != 0 && drawMode == Q2SL_DRAW_NORMAL;
    const int32_t left = pos.x + (shadow ? shadowOffsetX : 0);
    int32_t columnLimit = dest.viewWidth;
    if (widthLimit != -1)
        columnLimit = std::min<int32_t>(columnLimit, left + widthLimit);
    if (columnLimit <= 0 || dest.viewHeight == 0)
        return false;
    pos.skipRows = pos.skipColumns = 0;
    pos.rowLimit = dest.viewHeight;
    pos.columnLimit = static_cast<uint16_t>(columnLimit);
    return true;
}

Q2SL_buffer* Q2SL_sprite::Placed(const Q2SL_buffer* dest, int32_t dx, int32_t dy, int32_t widthLimit,
                                  drawPosition& pos) const
{
    Q2SL_buffer* f = CurrentFrame();
    if (!dest || !f || drawMode == Q2SL_DRAW_NOTHING || !Placement(*f, *dest, dx, dy, widthLimit, pos))
        return nullptr;
    return f;
}

void Q2SL_sprite::DrawNoHSR(Q2SL_buffer* dest, int32_t dx, int32_t dy, int32_t widthLimit)
{
    drawPosition pos;
    Q2SL_buffer* f = Placed(dest, dx, dy, widthLimit, pos);
    if (!f)
        return;
    if (drawMode == Q2SL_DRAW_NORMAL)
        f->DrawNoHSR(dest, pos);
    else
        f->DrawNoHSRSolid(dest, pos, static_cast<uint8_t>(drawMode));
}

void Q2SL_sprite::Draw(Q2SL_drawBuffer* dest, int32_t dx, int32_t dy, int32_t widthLimit)
{
    drawPosition pos;
    Q2SL_buffer* f = Placed(dest, dx, dy, widthLimit, pos);
    if (!f)
        return;
    if (drawMode == Q2SL_DRAW_NORMAL)
        f->Draw(dest, pos);
    else
        f->DrawSolid(dest, pos, static_cast<uint8_t>(drawMode));
}

int Q2SL_sprite::Read(int handle)
{
    return Q2SL_ReadName(handle, name, sizeof name) && Q2SL_ReadName(handle, typeName, sizeof typeName) &&
           Q2SL_ReadI32(handle, x) && Q2SL_ReadI32(handle, y) && Q2SL_ReadU16(handle, frame) &&
           Q2SL_ReadI16(handle, frameStep);
}

int Q2SL_sprite::Write(int handle) const
{
    return Q2SL_WriteName(handle, name, sizeof name) && Q2SL_WriteName(handle, typeName, sizeof typeName) &&
           Q2SL_WriteI32(handle, x) && Q2SL_WriteI32(handle, y) && Q2SL_WriteU16(handle, frame) &&
           Q2SL_WriteI16(handle, frameStep);
}
