#include "text_fixture.h"

#include <vector>

TestFont::TestFont(uint16_t lineHeight, int colourBase) : colourBase(colourBase)
{
    font.lineHeight = lineHeight;
    for (int c = 16; c < 127; ++c) {
        if (c > 17 && c < 32)
            continue;
        const int w = GlyphWidth(c);
        std::vector<uint8_t> pixels(size_t(w) * lineHeight, uint8_t(c + colourBase));
        font.SetGlyph(c, Q2SL_NewFrame(uint16_t(w), lineHeight, pixels.data()));
    }
}

TestCanvas::TestCanvas(int surfaceW, int surfaceH, uint8_t fill)
    : TestCanvas(surfaceW, surfaceH, 0, 0, surfaceW, surfaceH, fill)
{
}

TestCanvas::TestCanvas(int surfaceW, int surfaceH, int viewX, int viewY, int viewW, int viewH,
                       uint8_t fill)
{
    buffer.width = uint16_t(surfaceW);
    buffer.height = uint16_t(surfaceH);
    buffer.CreateSurface(8, 0);
    buffer.viewX = uint16_t(viewX);
    buffer.viewY = uint16_t(viewY);
    buffer.viewWidth = uint16_t(viewW);
    buffer.viewHeight = uint16_t(viewH);
    Fill(fill);
}

uint8_t TestCanvas::At(int x, int y)
{
    buffer.Lock();
    const uint8_t v = buffer.pixels[y * buffer.pitch + x];
    buffer.Unlock();
    return v;
}

void TestCanvas::Fill(uint8_t colour)
{
    DD_Fill_Surface(buffer.surface, colour);
}

std::string TestCanvas::Snapshot()
{
    std::string all;
    buffer.Lock();
    for (int y = 0; y < buffer.height; ++y)
        all.append(reinterpret_cast<const char*>(buffer.pixels + y * buffer.pitch), buffer.width);
    buffer.Unlock();
    return all;
}

std::string ReadText(TestCanvas& canvas, int x, int y, const TestFont& font, const TestFont* other)
{
    std::string text;
    const int right = canvas.buffer.viewWidth;
    while (x < right) {
        const int colour = canvas.At(canvas.buffer.viewX + x, canvas.buffer.viewY + y);
        if (colour == 0)
            break;
        const TestFont& from = (other && colour >= other->colourBase) ? *other : font;
        const int c = colour - from.colourBase;
        text += char(c);
        x += TestFont::GlyphWidth(c);
    }
    return text;
}
