// An 8-bit indexed picture with a hot spot: one sprite frame, glyph or full-screen picture as
// it will be written into the data files.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/datagen/art/canvas.h"
#include "tools/datagen/art/palette.h"

struct Image {
    int w = 0, h = 0;
    int hotX = 0, hotY = 0;
    std::vector<uint8_t> px;  // w x h indices, row by row from the top; 0 is transparent

    Image() = default;
    Image(int width, int height) : w(width), h(height), px(size_t(width) * height) {}
    uint8_t At(int x, int y) const { return px[size_t(y) * w + x]; }
};

// Every pixel at least half covered becomes the nearest usable palette entry, the rest index 0.
// With dither, a 4 x 4 ordered pattern spreads smooth gradients over neighbouring entries,
// except where `sharp` (a coverage per pixel, if given) marks lettering and objects.
Image Quantise(const Canvas& c, const Palette& pal, bool dither = false, const std::vector<float>* sharp = nullptr);
