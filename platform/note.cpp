// The platform's note over the picture, in a small built-in 5 x 7 font.
#include "platform/note.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/backend.h"

namespace {

constexpr uint32_t noteMs = 2000;     // how long a note stays up
constexpr int glyphWidth = 5, glyphHeight = 7, advance = glyphWidth + 1;
constexpr int margin = 2;             // dark border around the text
// The note sits on the bottom line, its right end where a game's playfield ends (480
// wide from x 8, 464 high from y 8): clear of the spare balls at the field's left and of
// the status panel's lettering; on other screens it is simply near the bottom edge.
constexpr int noteRight = 8 + 480, noteBottom = 8 + 464;
constexpr size_t maxNoteChars = 60;   // a note never runs off the picture

struct Glyph {
    char c;
    uint8_t rows[glyphHeight];        // five bits a row, the leftmost pixel highest
};

// Only the letters the notes use; others are drawn as blanks.
const Glyph font[] = {
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'a', {0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F}},
    {'c', {0x00, 0x00, 0x0E, 0x10, 0x10, 0x11, 0x0E}},
    {'d', {0x01, 0x01, 0x0D, 0x13, 0x11, 0x11, 0x0F}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}},
    {'f', {0x06, 0x09, 0x08, 0x1C, 0x08, 0x08, 0x08}},
    {'h', {0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x11}},
    {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}},
    {'l', {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}},
    {'o', {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E}},
    {'r', {0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10}},
    {'s', {0x00, 0x00, 0x0E, 0x10, 0x0E, 0x01, 0x1E}},
    {'t', {0x08, 0x08, 0x1C, 0x08, 0x08, 0x09, 0x06}},
    {'v', {0x00, 0x00, 0x11, 0x11, 0x11, 0x0A, 0x04}},
};

std::string noteText;     // the note that is up, or "" when none
uint32_t noteShownAt;     // the tick count when it went up

const Glyph* FindGlyph(char c)
{
    for (const Glyph& g : font)
        if (g.c == c)
            return &g;
    return nullptr;
}

// The palette entries nearest black and white, by brightness.
void Extremes(const uint8_t rgb[256 * 3], uint8_t& darkest, uint8_t& brightest)
{
    int low = 1 << 30, high = -1;
    for (int i = 0; i < 256; i++) {
        const int light = rgb[i * 3] * 30 + rgb[i * 3 + 1] * 59 + rgb[i * 3 + 2] * 11;
        if (light < low) {
            low = light;
            darkest = uint8_t(i);
        }
        if (light > high) {
            high = light;
            brightest = uint8_t(i);
        }
    }
}

} // namespace

void I_ShowNote(const char* text)
{
    noteText.assign(text, std::min(std::strlen(text), maxNoteChars));
    noteShownAt = backend->timer->GetTicks();
}

bool I_NoteShowing()
{
    if (!noteText.empty() && backend->timer->GetTicks() - noteShownAt >= noteMs)
        noteText.clear();
    return !noteText.empty();
}

void I_DrawNote(uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    uint8_t dark = 0, light = 0;
    Extremes(rgb, dark, light);
    const int width = int(noteText.size()) * advance - 1 + 2 * margin;
    const int height = glyphHeight + 2 * margin;
    const int top = noteBottom - height, left = noteRight - width;
    for (int y = top; y < noteBottom; y++)
        std::memset(pixels + y * pitch + left, dark, size_t(width));
    for (size_t i = 0; i < noteText.size(); i++) {
        const Glyph* glyph = FindGlyph(noteText[i]);
        if (!glyph)
            continue;
        const int x0 = left + margin + int(i) * advance;
        for (int row = 0; row < glyphHeight; row++)
            for (int col = 0; col < glyphWidth; col++)
                if (glyph->rows[row] & (0x10 >> col))
                    pixels[(top + margin + row) * pitch + x0 + col] = light;
    }
}

void I_ClearNote()
{
    noteText.clear();
}
