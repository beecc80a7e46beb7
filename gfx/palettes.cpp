// Palettes with 6-bit components, their shadow tables, the palette fade and the four
// constant whole-screen palettes.
#include <algorithm>
#include <cstdlib>

#include "app/shell.h"
#include "gfx/dosfile.h"
#include "gfx/palette.h"
#include "platform/platform.h"

Q2SL_floatPalette fadeStepPal;     // added to the fade's colours at each step
Q2SL_floatPalette fadeCurrentPal;  // the fade's colours now
Q2SL_palette whitePalette;         // fade target: all white
Q2SL_palette blackPalette;         // fade target: all black
Q2SL_palette bluePalette;          // fade target: all blue
Q2SL_palette yellowPalette;        // fade target: all yellow

namespace {

int fadeFrames = 0;       // steps of the running fade
int fadeCount = 0;        // steps done so far
bool fadeRunning = false;  // a fade has been started and not finished
Q2SL_floatPalette fadeTarget;  // where the running fade ends

constexpr int kMaxComponent = 63;

// The display takes 8-bit components: a 6-bit value times 4.
uint8_t ToDisplay(float component)
{
    const int v = std::clamp(static_cast<int>(component), 0, kMaxComponent);
    return static_cast<uint8_t>(v * 4);
}

// Copies a palette's components into entries of either kind, leaving their other fields.
template <typename Entry>
void CopyComponents(Entry* to, const Q2SL_color* from)
{
    for (int i = 0; i < Q2SL_PALETTE_SIZE; ++i) {
        to[i].red = from[i].red;
        to[i].green = from[i].green;
        to[i].blue = from[i].blue;
    }
}

// Shows a palette's entries (anything with red, green and blue components) on the display.
template <typename Entry>
void ShowEntries(const Entry* entries)
{
    uint8_t rgb[Q2SL_PALETTE_SIZE * 3];
    for (int i = 0; i < Q2SL_PALETTE_SIZE; ++i) {
        rgb[i * 3] = ToDisplay(entries[i].red);
        rgb[i * 3 + 1] = ToDisplay(entries[i].green);
        rgb[i * 3 + 2] = ToDisplay(entries[i].blue);
    }
    I_SetPalette(rgb);
}

void Fill(Q2SL_palette& p, uint8_t r, uint8_t g, uint8_t b)
{
    for (auto& c : p.colors) {
        c.red = r;
        c.green = g;
        c.blue = b;
    }
}

// The palette index closest to the colour (sum of component differences; first wins).
uint8_t Nearest(const Q2SL_palette& p, int r, int g, int b)
{
    int best = 6000;
    int bestIndex = 0;
    for (int i = 0; i < Q2SL_PALETTE_SIZE; ++i) {
        const Q2SL_color& c = p.colors[i];
        const int d = std::abs(c.red - r) + std::abs(c.green - g) + std::abs(c.blue - b);
        if (d < best) {
            best = d;
            bestIndex = i;
        }
    }
    return static_cast<uint8_t>(bestIndex);
}

}  // namespace

int Q2SL_color::ReadPCX(int handle)
{
    uint8_t rgb[3];
    if (!Q2SL_ReadAll(handle, rgb, 3))
        return 0;
    red = rgb[0] >> 2;
    green = rgb[1] >> 2;
    blue = rgb[2] >> 2;
    return 1;
}

int Q2SL_color::Read(int handle)
{
    return Q2SL_ReadName(handle, name, sizeof name) && Q2SL_ReadU8(handle, red) &&
           Q2SL_ReadU8(handle, green) && Q2SL_ReadU8(handle, blue) && Q2SL_ReadU8(handle, index);
}

int Q2SL_color::Write(int handle) const
{
    return Q2SL_WriteName(handle, name, sizeof name) && Q2SL_WriteU8(handle, red) &&
           Q2SL_WriteU8(handle, green) && Q2SL_WriteU8(handle, blue) && Q2SL_WriteU8(handle, index);
}

Q2SL_palette::Q2SL_palette()
{
    for (int i = 0; i < Q2SL_PALETTE_SIZE; ++i)
        colors[i].index = static_cast<uint8_t>(i);
}

Q2SL_palette::~Q2SL_palette()
{
    my_delete(shadowPal, "shadowPal");
}

int Q2SL_palette::ReadPCX(int handle)
{
    for (auto& c : colors) {
        if (!c.ReadPCX(handle))
            return 0;
    }
    return 1;
}

void Q2SL_palette::CopyColors(const Q2SL_palette& from)
{
    CopyComponents(colors, from.colors);
}

int Q2SL_palette::Set() const
{
    ShowEntries(colors);
    return 1;
}

int Q2SL_palette::CreateShadowPal(int level)
{
    if (!shadowPal)
        shadowPal = static_cast<uint16_t*>(my_new(65536 * sizeof(uint16_t), "shadowPal"));
    const int delta = level - 64;
    uint8_t shaded[Q2SL_PALETTE_SIZE];
    for (int n = 0; n < Q2SL_PALETTE_SIZE; ++n) {
        const Q2SL_color& c = colors[n];
        shaded[n] = Nearest(*this, std::clamp(c.red + delta, 0, kMaxComponent),
                            std::clamp(c.green + delta, 0, kMaxComponent),
                            std::clamp(c.blue + delta, 0, kMaxComponent));
    }
    for (int i = 0; i < Q2SL_PALETTE_SIZE; ++i) {
        for (int k = 0; k < Q2SL_PALETTE_SIZE; ++k)
            shadowPal[i * 256 + k] = static_cast<uint16_t>(shaded[i] << 8 | shaded[k]);
    }
    return 1;
}

int Q2SL_palette::Read(int handle)
{
    if (!Q2SL_ReadName(handle, name, sizeof name) || !Q2SL_ReadU16(handle, count))
        return 0;
    if (count > Q2SL_PALETTE_SIZE)
        return 0;
    for (int i = 0; i < count; ++i) {
        if (!colors[i].Read(handle))
            return 0;
    }
    return 1;
}

int Q2SL_palette::Write(int handle) const
{
    if (!Q2SL_WriteName(handle, name, sizeof name) || !Q2SL_WriteU16(handle, count))
        return 0;
    for (int i = 0; i < count && i < Q2SL_PALETTE_SIZE; ++i) {
        if (!colors[i].Write(handle))
            return 0;
    }
    return 1;
}

Q2SL_floatPalette::Q2SL_floatPalette()
{
    for (int i = 0; i < Q2SL_PALETTE_SIZE; ++i)
        entries[i].index = static_cast<uint8_t>(i);
}

void Q2SL_floatPalette::CopyColors(const Q2SL_palette& from)
{
    CopyComponents(entries, from.colors);
}

int Q2SL_floatPalette::Set() const
{
    ShowEntries(entries);
    return 1;
}

void FadePalStart(const Q2SL_palette& from, const Q2SL_palette& to, int frames)
{
    // A fade of no steps would divide by zero: it becomes a jump in one step.
    frames = std::max(frames, 1);
    for (int i = 0; i < Q2SL_PALETTE_SIZE; ++i) {
        const Q2SL_color& f = from.colors[i];
        const Q2SL_color& t = to.colors[i];
        fadeStepPal.entries[i].red = static_cast<float>(t.red - f.red) / frames;
        fadeStepPal.entries[i].green = static_cast<float>(t.green - f.green) / frames;
        fadeStepPal.entries[i].blue = static_cast<float>(t.blue - f.blue) / frames;
    }
    fadeCurrentPal.CopyColors(from);
    fadeTarget.CopyColors(to);
    fadeFrames = frames;
    fadeCount = 0;
    fadeRunning = true;
}

int FadePal()
{
    if (!fadeRunning)
        return 0;
    const bool last = ++fadeCount >= fadeFrames;
    for (int i = 0; i < Q2SL_PALETTE_SIZE; ++i) {
        fadeCurrentPal.entries[i].red += fadeStepPal.entries[i].red;
        fadeCurrentPal.entries[i].green += fadeStepPal.entries[i].green;
        fadeCurrentPal.entries[i].blue += fadeStepPal.entries[i].blue;
    }
    // Summed steps can fall a hair short (62.999 shows as 62): land exactly on the target.
    if (last)
        fadeCurrentPal = fadeTarget;
    fadeCurrentPal.Set();
    fadeRunning = !last;
    return last ? 1 : 0;
}

void SetupPalettes()
{
    Fill(whitePalette, 63, 63, 63);
    Fill(blackPalette, 0, 0, 0);
    Fill(bluePalette, 0, 0, 63);
    Fill(yellowPalette, 63, 63, 0);
}
