// PrintStr and the measures of a text.
#include "gfx/text.h"

namespace {

constexpr char kEscape = '%';
// Room for a 32-bit value in radix 2 with a sign and the terminator.
constexpr int kNumberText = 34;
constexpr int kMinRadix = 2;
constexpr int kMaxRadix = 36;  // digits 0-9, then a-z

// The glyph of a character, or null: codes from 128 on have none.
Q2SL_buffer* GlyphOf(const Q2SL_font* font, unsigned char c)
{
    return c < kFontChars ? font->glyphs[c] : nullptr;
}

// The two decimal digits after an escape letter as one number, or -1.
int EscapeNumber(const char* p)
{
    if (p[0] < '0' || p[0] > '9' || p[1] < '0' || p[1] > '9')
        return -1;
    return (p[0] - '0') * 10 + (p[1] - '0');
}

// Characters an escape at p takes, never past the end of the text.
int EscapeLength(const char* p, int length)
{
    int n = 1;
    while (n < length && p[n])
        ++n;
    return n;
}

// The value in the radix: a leading minus in radix 10, otherwise unsigned 32-bit.
void NumberText(int32_t value, int radix, char* out)
{
    uint32_t magnitude = static_cast<uint32_t>(value);
    if (radix == 10 && value < 0) {
        *out++ = '-';
        magnitude = 0u - magnitude;
    }
    char digits[kNumberText];
    int n = 0;
    do {
        const uint32_t d = magnitude % static_cast<uint32_t>(radix);
        digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
        magnitude /= static_cast<uint32_t>(radix);
    } while (magnitude);
    while (n)
        *out++ = digits[--n];
    *out = '\0';
}

// Hands out the values in order; a missing one reads as 0 or null.
class ValueList {
public:
    explicit ValueList(std::span<const PrintValue> values) : values(values) {}
    PrintValue Next() { return next < values.size() ? values[next++] : PrintValue(0); }

private:
    std::span<const PrintValue> values;
    size_t next = 0;
};

class Printer {
public:
    Printer(const Q2SL_font* font, Q2SL_buffer* dest, int32_t x, int32_t y)
        : font(font), dest(dest), startX(x), x(x), y(y)
    {
    }

    int32_t Print(const char* format, ValueList& values)
    {
        for (const char* p = format; *p;) {
            if (*p == '\n') {
                x = startX;
                y += font->lineHeight;
                ++p;
            } else if (*p == kEscape) {
                p += Escape(p, values);
            } else {
                DrawChar(static_cast<unsigned char>(*p));
                ++p;
            }
            CountChar(*p);
        }
        return x;
    }

private:
    // Draws the glyph at the pen and moves the pen by its advance.
    void DrawChar(unsigned char c)
    {
        Q2SL_buffer* glyph = GlyphOf(font, c);
        if (!glyph)
            return;
        drawPosition pos;
        pos.x = x;
        pos.y = y;
        // Glyphs are clipped at the edges of the view, whatever the line height.
        pos.rowLimit = dest->viewHeight;
        pos.columnLimit = dest->viewWidth;
        glyph->DrawSingleNoHSR(dest, pos);
        x += font->widths[c];
    }

    // Lets a font move the baseline after each character.
    void CountChar(char following)
    {
        ++count;
        if (font->charHook)
            y = font->charHook(x, y, static_cast<unsigned char>(following), count);
    }

    // Draws the escape at p and returns the characters it takes.
    int Escape(const char* p, ValueList& values)
    {
        switch (p[1]) {
        case '0':
            DrawChar(kEscape);
            return EscapeLength(p, 4);
        case 'i': {
            const int32_t value = values.Next().number;
            const int length = EscapeLength(p, 4);
            const int radix = length == 4 ? EscapeNumber(p + 2) : -1;
            if (radix >= kMinRadix && radix <= kMaxRadix) {
                char text[kNumberText + 1];
                NumberText(value, radix, text);
                x = PrintStr(font, dest, x, y, text);
            }
            return length;
        }
        case 's': {
            const Q2SL_font* other = values.Next().font;
            const char* text = values.Next().text;
            if (other && text)
                x = PrintStr(other, dest, x, y, text);
            return 2;
        }
        case 'b': {
            const int length = EscapeLength(p, 4);
            const int blanks = length == 4 ? EscapeNumber(p + 2) : -1;
            for (int i = 0; i < blanks && GlyphOf(font, ' '); ++i) {
                DrawChar(' ');
                if (font->charHook)
                    y = font->charHook(x, y, static_cast<unsigned char>(p[length]), count);
            }
            return length;
        }
        default:
            return EscapeLength(p, 2);
        }
    }

    const Q2SL_font* font;
    Q2SL_buffer* dest;
    int32_t startX;
    int32_t x;
    int32_t y;
    int count = 0;
};

}  // namespace

int32_t PrintStrValues(const Q2SL_font* font, Q2SL_buffer* dest, int32_t x, int32_t y,
                       const char* format, std::span<const PrintValue> values)
{
    if (!font || !dest || !format)
        return x;
    ValueList list(values);
    Printer printer(font, dest, x, y);
    return printer.Print(format, list);
}

int32_t FindWidth(const char* text, const Q2SL_font* font)
{
    if (!text || !font)
        return 0;
    int32_t widest = 0;
    int32_t line = 0;
    for (const char* p = text; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '\n') {
            line = 0;
            continue;
        }
        if (c < kFontChars)
            line += font->widths[c];
        if (widest < line)
            widest = line;
        if (c == kEscape)
            p += EscapeLength(p, 4) - 1;
    }
    return widest;
}

int32_t FindHeight(const char* text, const Q2SL_font* font)
{
    if (!text || !font)
        return 0;
    int32_t lines = 1;
    for (const char* p = text; *p; ++p)
        lines += *p == '\n';
    return lines * font->lineHeight;
}
