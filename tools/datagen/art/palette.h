// The colour tables of the art: the game palette with its colour ramps, and the nearest-colour
// search every picture is quantised through.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/datagen/art/canvas.h"

// One palette entry with 6-bit components (0..63), as the display takes them.
struct Colour6 {
    uint8_t r = 0, g = 0, b = 0;
};

class Palette {
public:
    std::array<Colour6, 256> entries{};
    int firstUsable = 1;  // pictures never land on index 0, the transparent black
    int lastUsable = 255;

    // The entry closest to c (8-bit components), searched among the usable entries.
    uint8_t Nearest(Rgb c) const;
    // The 8-bit colour the display shows for entry i.
    Rgb Shown(int i) const;

private:
    mutable std::vector<int16_t> cache_;  // nearest entry per 6-bit colour, -1 until asked
};

// Colour families of the game palette, each a ramp from dark to light.
enum Hue : int {
    HUE_GREY, HUE_STEEL, HUE_RED, HUE_ORANGE, HUE_GOLD, HUE_GREEN, HUE_CYAN, HUE_BLUE,
    HUE_PURPLE, HUE_MAGENTA, HUE_BROWN, HUE_NAVY, HUE_TEAL, HUE_DUSK, HUE_FIRE, HUE_LIME, HUE_COUNT
};

// The key colours of a family, dark to light.
const std::vector<Rgb>& HueKeys(Hue hue);
// A colour of a family, t from 0 (darkest) to 1 (lightest).
inline Rgb HueAt(Hue hue, float t) { return Ramp(HueKeys(hue), t); }

// Fixed entries the screens rely on.
constexpr int PAL_TRANSPARENT = 0;
constexpr int PAL_BOX_EDGE = 7;
constexpr int PAL_BOX_FACE = 23;
constexpr int PAL_BOX_SHADE = 25;
constexpr int PAL_CURSOR = 255;

// The game palette of GamePal.pcx.
const Palette& GamePalette();
// The same for full-screen pictures, which may use index 0 as black.
const Palette& GamePicturePalette();
