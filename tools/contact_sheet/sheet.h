// A page of the contact sheet: an 8-bit picture that frames and glyphs read from the data
// files are pasted onto, shown through one palette.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Q2SL_buffer;
class Q2SL_font;

struct Sheet {
    Sheet(int width, int height, uint8_t fill) : w(width), h(height), px(size_t(width) * height, fill) {}

    int w, h;
    std::vector<uint8_t> px;

    void Set(int x, int y, uint8_t c)
    {
        if (x >= 0 && y >= 0 && x < w && y < h) px[size_t(y) * w + x] = c;
    }
    // A chequered box, where transparent pixels will show.
    void Checker(int x, int y, int width, int height, uint8_t a, uint8_t b);
    // Pastes a frame (its picture width, without padding) at (x, y), each pixel scale x scale;
    // keyed: index 0 is skipped.
    void Paste(Q2SL_buffer* frame, int x, int y, int scale = 1, bool keyed = true);
    // Pastes width x height pixels.
    void PastePixels(const uint8_t* pixels, int width, int height, int x, int y, bool keyed);
    // Prints text with a font's glyphs; returns the x after it.
    int Print(const Q2SL_font* font, int x, int y, const std::string& text);
};
