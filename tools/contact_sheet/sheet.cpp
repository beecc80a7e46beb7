// Composing contact-sheet pages from the library's frames.
#include "tools/contact_sheet/sheet.h"

#include "gfx/buffer.h"
#include "gfx/spritefile.h"

void Sheet::Checker(int x, int y, int width, int height, uint8_t a, uint8_t b)
{
    for (int py = 0; py < height; py++)
        for (int px0 = 0; px0 < width; px0++) Set(x + px0, y + py, ((px0 / 4 + py / 4) & 1) ? a : b);
}

void Sheet::Paste(Q2SL_buffer* frame, int x, int y, int scale, bool keyed)
{
    if (!frame || !frame->surface) return;
    int pitch = 0;
    const uint8_t* src = I_LockSurface(frame->surface, &pitch);
    if (!src) return;
    for (int fy = 0; fy < frame->height; fy++)
        for (int fx = 0; fx < frame->PictureWidth(); fx++) {
            uint8_t c = src[fy * pitch + fx];
            if (keyed && c == 0) continue;
            for (int sy = 0; sy < scale; sy++)
                for (int sx = 0; sx < scale; sx++) Set(x + fx * scale + sx, y + fy * scale + sy, c);
        }
    I_UnlockSurface(frame->surface);
}

void Sheet::PastePixels(const uint8_t* pixels, int width, int height, int x, int y, bool keyed)
{
    for (int py = 0; py < height; py++)
        for (int px0 = 0; px0 < width; px0++) {
            uint8_t c = pixels[size_t(py) * width + px0];
            if (!keyed || c) Set(x + px0, y + py, c);
        }
}

int Sheet::Print(const Q2SL_font* font, int x, int y, const std::string& text)
{
    if (!font) return x;
    for (unsigned char ch : text) {
        if (ch >= kFontChars || !font->glyphs[ch]) continue;
        Paste(font->glyphs[ch], x, y);
        x += font->widths[ch];
    }
    return x;
}
