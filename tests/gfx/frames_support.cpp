#include "frames_support.h"

#include "gfx/alloc.h"

uint8_t PixelOf(char c)
{
    if (c == '.')
        return 0;
    if (c >= '0' && c <= '9')
        return static_cast<uint8_t>(c - '0');
    return static_cast<uint8_t>(c - 'a' + 10);
}

char CharOf(uint8_t v)
{
    if (v == 0)
        return '.';
    if (v < 10)
        return static_cast<char>('0' + v);
    if (v < 36)
        return static_cast<char>('a' + v - 10);
    return '#';
}

std::vector<uint8_t> PixelsOf(const Picture& p)
{
    std::vector<uint8_t> out;
    for (const auto& row : p)
        for (char c : row)
            out.push_back(PixelOf(c));
    return out;
}

Q2SL_buffer* MakeFrame(const Picture& p, uint16_t hotX, uint16_t hotY)
{
    const auto px = PixelsOf(p);
    return Q2SL_NewFrame(static_cast<uint16_t>(p[0].size()), static_cast<uint16_t>(p.size()), px.data(), hotX,
                         hotY);
}

void FreeFrame(Q2SL_buffer*& f)
{
    if (f)
        f->Delete();
    Q2SL_Delete(f, "frame");
}

Q2SL_spriteType* MakeType(const std::vector<std::vector<Picture>>& anims)
{
    auto* t = Q2SL_New<Q2SL_spriteType>("type");
    Q2SL_SetName(t->name, sizeof t->name, "testType");
    t->SetAnimCount(static_cast<uint16_t>(anims.size()));
    for (size_t a = 0; a < anims.size(); ++a)
        for (const auto& p : anims[a])
            t->AddFrame(static_cast<uint16_t>(a), MakeFrame(p));
    return t;
}

void FreeType(Q2SL_spriteType*& t)
{
    if (t)
        t->Delete();
    Q2SL_Delete(t, "type");
}

Canvas::Canvas(int w, int h, uint8_t fill)
{
    buffer.width = buffer.viewWidth = static_cast<uint16_t>(w);
    buffer.height = buffer.viewHeight = static_cast<uint16_t>(h);
    buffer.CreateSurface(8, 1);
    Fill(fill);
}

Canvas::~Canvas()
{
    buffer.Delete();
}

void Canvas::Fill(uint8_t colour)
{
    DD_Fill_Surface(buffer.surface, colour);
}

uint8_t Canvas::At(int x, int y)
{
    int pitch = 0;
    const uint8_t* px = I_LockSurface(buffer.surface, &pitch);
    const uint8_t v = px[y * pitch + x];
    I_UnlockSurface(buffer.surface);
    return v;
}

Picture Canvas::Rows()
{
    int pitch = 0;
    const uint8_t* px = I_LockSurface(buffer.surface, &pitch);
    Picture out;
    for (int y = 0; y < buffer.height; ++y) {
        std::string row;
        for (int x = 0; x < buffer.width; ++x)
            row += CharOf(px[y * pitch + x]);
        out.push_back(row);
    }
    I_UnlockSurface(buffer.surface);
    return out;
}

void ResetDrawingState()
{
    shadowMode = 0;
    shadowOffsetX = shadowOffsetY = 0;
    shadowPalette = nullptr;
}
