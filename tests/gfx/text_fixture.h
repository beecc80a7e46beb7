// Fonts and destinations made in the tests: every glyph a solid block whose colour names
// its character, so that what was drawn can be read back from the pixels.
#pragma once

#include <cstdint>
#include <string>

#include "gfx/buffer.h"
#include "gfx/spritefile.h"

// A font whose glyph c is a block of colour c + colourBase, glyphWidth(c) x lineHeight.
// Characters: printable ASCII and the arrows 16 and 17.
struct TestFont {
    explicit TestFont(uint16_t lineHeight = 16, int colourBase = 0);
    ~TestFont() { font.Delete(); }
    static int GlyphWidth(int c) { return 4 + c % 5; }

    Q2SL_font font;
    int colourBase;
};

// A buffer with a surface of surfaceW x surfaceH filled with `fill`, and a view of
// viewW x viewH at (viewX, viewY).
struct TestCanvas {
    TestCanvas(int surfaceW, int surfaceH, uint8_t fill = 0);
    TestCanvas(int surfaceW, int surfaceH, int viewX, int viewY, int viewW, int viewH, uint8_t fill = 0);
    ~TestCanvas() { buffer.Delete(); }

    // Surface pixel (not view relative).
    uint8_t At(int x, int y);
    void Fill(uint8_t colour);
    // Every pixel of the surface, row by row.
    std::string Snapshot();

    Q2SL_drawBuffer buffer;
};

// Reads back the text drawn along view row y from view column x with the test fonts
// (colours below 128 from `font`, 128 and up from `other`): one glyph after the other
// until a pixel of the background colour 0.
std::string ReadText(TestCanvas& canvas, int x, int y, const TestFont& font,
                     const TestFont* other = nullptr);
