// The game palette: sixteen colour ramps of 15 or 16 shades, spaced so that each step stays a
// distinct colour after the components are cut to 6 bits.
#include "tools/datagen/art/palette.h"

#include <cmath>

uint8_t Palette::Nearest(Rgb c) const
{
    auto q = [](float v) { return std::clamp(int(std::lround(v * 63.0f / 255.0f)), 0, 63); };
    int r = q(c.r), g = q(c.g), b = q(c.b);
    if (cache_.empty()) cache_.assign(64 * 64 * 64, -1);
    int16_t& slot = cache_[size_t(r) << 12 | size_t(g) << 6 | size_t(b)];
    if (slot < 0) {
        // Weighted distance: the eye is most sensitive to green, least to blue.
        long best = -1;
        for (int i = firstUsable; i <= lastUsable; i++) {
            long dr = entries[i].r - r, dg = entries[i].g - g, db = entries[i].b - b;
            long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (best < 0 || d < best) best = d, slot = int16_t(i);
        }
    }
    return uint8_t(slot);
}

Rgb Palette::Shown(int i) const
{
    const Colour6& e = entries[size_t(i)];
    return {e.r * 255.0f / 63, e.g * 255.0f / 63, e.b * 255.0f / 63};
}

namespace {

struct Family {
    Hue hue;
    int first, count;  // entries first .. first + count - 1
    std::vector<Rgb> keys;
};

const std::vector<Family>& Families()
{
    static const std::vector<Family> families = {
        {HUE_GREY, 1, 15, {RgbHex(0x050505), RgbHex(0x606060), RgbHex(0xffffff)}},
        {HUE_STEEL, 16, 16, {RgbHex(0x0a0c14), RgbHex(0x4a5268), RgbHex(0xa8b2cc), RgbHex(0xf2f6ff)}},
        {HUE_RED, 32, 16, {RgbHex(0x1c0002), RgbHex(0x84060e), RgbHex(0xe02828), RgbHex(0xff8c80), RgbHex(0xffe8e4)}},
        {HUE_ORANGE, 48, 16, {RgbHex(0x1e0800), RgbHex(0x983800), RgbHex(0xff8c14), RgbHex(0xffd6a0)}},
        {HUE_GOLD, 64, 16, {RgbHex(0x1a1000), RgbHex(0x8c6400), RgbHex(0xf0c818), RgbHex(0xfffac0)}},
        {HUE_GREEN, 80, 16, {RgbHex(0x001404), RgbHex(0x0a6a20), RgbHex(0x3cc83c), RgbHex(0xc8ffbe)}},
        {HUE_CYAN, 96, 16, {RgbHex(0x001216), RgbHex(0x006478), RgbHex(0x28d2e6), RgbHex(0xd2ffff)}},
        {HUE_BLUE, 112, 16, {RgbHex(0x00041c), RgbHex(0x0c2c96), RgbHex(0x3c78ff), RgbHex(0xc8dcff)}},
        {HUE_PURPLE, 128, 16, {RgbHex(0x0c0018), RgbHex(0x501496), RgbHex(0xa05af0), RgbHex(0xebd7ff)}},
        {HUE_MAGENTA, 144, 16, {RgbHex(0x180010), RgbHex(0x8c0a64), RgbHex(0xf03cbe), RgbHex(0xffd2f0)}},
        {HUE_BROWN, 160, 16, {RgbHex(0x140a04), RgbHex(0x643714), RgbHex(0xb4783c), RgbHex(0xf0d2a0)}},
        {HUE_NAVY, 176, 16, {RgbHex(0x02040c), RgbHex(0x141e46), RgbHex(0x324678), RgbHex(0x6a82b0)}},
        {HUE_TEAL, 192, 16, {RgbHex(0x020a0a), RgbHex(0x143c3c), RgbHex(0x3c6e64), RgbHex(0x78a896)}},
        {HUE_DUSK, 208, 16, {RgbHex(0x0a0410), RgbHex(0x321946), RgbHex(0x644678), RgbHex(0xa08cb4)}},
        {HUE_FIRE, 224, 16, {RgbHex(0x280000), RgbHex(0xc81400), RgbHex(0xff9600), RgbHex(0xffff78), RgbHex(0xffffff)}},
        {HUE_LIME, 240, 15, {RgbHex(0x0a1400), RgbHex(0x5a9600), RgbHex(0xb4f000), RgbHex(0xecffb4)}},
    };
    return families;
}

Colour6 To6(Rgb c)
{
    auto q = [](float v) { return uint8_t(std::clamp(int(std::lround(v * 63.0f / 255.0f)), 0, 63)); };
    return {q(c.r), q(c.g), q(c.b)};
}

Palette BuildGamePalette()
{
    Palette pal;
    for (const Family& f : Families())
        for (int k = 0; k < f.count; k++) pal.entries[size_t(f.first + k)] = To6(Ramp(f.keys, float(k) / float(f.count - 1)));
    // The GUI boxes: a light edge, a steel face and a dark shade.
    pal.entries[PAL_BOX_EDGE] = To6(RgbHex(0xc4cce0));
    pal.entries[PAL_BOX_FACE] = To6(RgbHex(0x707c98));
    pal.entries[PAL_BOX_SHADE] = To6(RgbHex(0x2c3244));
    // The name-entry cursor: a warm white that stands out on any table.
    pal.entries[PAL_CURSOR] = To6(RgbHex(0xffff64));
    return pal;
}

}  // namespace

const std::vector<Rgb>& HueKeys(Hue hue) { return Families()[size_t(hue)].keys; }

const Palette& GamePalette()
{
    static const Palette pal = BuildGamePalette();
    return pal;
}

const Palette& GamePicturePalette()
{
    static const Palette pal = [] {
        Palette p = GamePalette();
        p.firstUsable = 0;
        return p;
    }();
    return pal;
}
