// Formatted text in the bitmap fonts of a sprite file. The format has escapes of its own:
//   line feed   back to the start x, one line down
//   %0xx        a percent sign ("50%000" prints 50%)
//   %iRR        the next value as an integer in radix RR ("%i10" decimal, "%i16" hex)
//   %s          the next two values, a font and a string: the string in that font
//   %bNN        NN blanks
//   % and any other character: nothing
#pragma once

#include <cstdint>
#include <span>

#include "gfx/buffer.h"
#include "gfx/spritefile.h"

// One value taken by an escape: a number for "%i", a font or a string for "%s".
struct PrintValue {
    PrintValue(int32_t v) : number(v) {}
    PrintValue(const Q2SL_font* f) : font(f) {}
    PrintValue(const char* s) : text(s) {}

    int32_t number = 0;
    const Q2SL_font* font = nullptr;
    const char* text = nullptr;
};

// Draws the text with its top-left at (x, y) of the destination's view and returns the x
// after the last character of the last line. The destination must be unlocked: glyphs are
// keyed blits. An escape whose value is missing takes 0 or an empty string.
int32_t PrintStrValues(const Q2SL_font* font, Q2SL_buffer* dest, int32_t x, int32_t y,
                       const char* format, std::span<const PrintValue> values);

template <typename... Values>
int32_t PrintStr(const Q2SL_font* font, Q2SL_buffer* dest, int32_t x, int32_t y, const char* format,
                 Values... values)
{
    const PrintValue list[] = {PrintValue(values)..., PrintValue(0)};
    return PrintStrValues(font, dest, x, y, format, std::span(list, sizeof...(values)));
}

// Width of the widest line; an escape counts as a percent sign.
int32_t FindWidth(const char* text, const Q2SL_font* font);
// (1 + line feeds) x the font's line height.
int32_t FindHeight(const char* text, const Q2SL_font* font);
