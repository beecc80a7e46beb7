// The splash pictures of the intro and the main menu's picture.
#include <cmath>

#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"
#include "tools/datagen/art/text.h"

namespace {

constexpr int kW = 640, kH = 480;
constexpr float kPi = 3.14159265f;

// A palette of one smooth ramp through the key colours, for a picture of its own.
Palette RampPalette(const std::vector<Rgb>& keys)
{
    Palette pal;
    for (int i = 0; i < 256; i++) {
        Rgb c = Ramp(keys, float(i) / 255);
        pal.entries[size_t(i)] = {uint8_t(std::lround(c.r * 63 / 255)), uint8_t(std::lround(c.g * 63 / 255)),
                                  uint8_t(std::lround(c.b * 63 / 255))};
    }
    pal.firstUsable = 0;
    return pal;
}

// The publisher's colours: night blue through crimson to gold and white.
const Palette& PublisherPalette()
{
    static const Palette pal = RampPalette({RgbHex(0x000000), RgbHex(0x0a0a30), RgbHex(0x3a0c50), RgbHex(0x9a1030),
                                            RgbHex(0xe05a10), RgbHex(0xffc830), RgbHex(0xffffff)});
    return pal;
}

// The developer's colours: black through deep teal and cyan to white, with a warm end.
const Palette& DeveloperPalette()
{
    static const Palette pal = RampPalette({RgbHex(0x000000), RgbHex(0x001820), RgbHex(0x005a6a), RgbHex(0x20c8d8),
                                            RgbHex(0xd0ffff), RgbHex(0xffffff), RgbHex(0xffe080), RgbHex(0xff9020)});
    return pal;
}

void Rays(Canvas& c, float cx, float cy, int count, Rgb col, float strength, float turn)
{
    for (int y = 0; y < kH; y++)
        for (int x = 0; x < kW; x++) {
            float a = std::atan2(float(y) - cy, float(x) - cx) + turn;
            float ray = std::pow(std::fabs(std::sin(a * float(count) / 2)), 8.0f);
            float fall = std::exp(-std::hypot(float(x) - cx, float(y) - cy) / 260);
            c.Blend(x, y, col, strength * ray * fall);
        }
}

}  // namespace

Picture DrawPublisherSplash()
{
    Canvas c(kW, kH);
    for (int y = 0; y < kH; y++)
        for (int x = 0; x < kW; x++) {
            float d = std::hypot(float(x) - 320, float(y) - 220) / 420;
            c.Set(x, y, Mix(RgbHex(0x2a0c48), RgbHex(0x020210), std::clamp(d, 0.0f, 1.0f)));
        }
    Rays(c, 320, 200, 12, RgbHex(0x9a1030), 0.5f, 0);
    // The emblem: a faceted gold diamond over a crimson ring.
    Ring(c, 320, 190, 88, 10, RgbHex(0x9a1030));
    Ring(c, 320, 190, 88, 3, RgbHex(0xffc830));
    Polygon(c, {320, 110, 380, 190, 320, 270, 260, 190}, RgbHex(0xe05a10));
    Polygon(c, {320, 110, 380, 190, 320, 190}, RgbHex(0xffc830));
    Polygon(c, {260, 190, 320, 190, 320, 270}, RgbHex(0x9a1030));
    Glow(c, 305, 160, 28, RgbHex(0xffffff), 0.7f);
    if (const Typeface* face = Face("DejaVuSerif-Bold.ttf")) {
        TextStyle s;
        s.top = RgbHex(0xffffff), s.bottom = RgbHex(0xffc830), s.outline = RgbHex(0x3a0c50), s.outlinePx = 2, s.shadowPx = 4;
        DrawText(c, *face, 64, "SKARVO", 320, 300, s, true);
        TextStyle small;
        small.top = RgbHex(0xffc830), small.bottom = RgbHex(0xe05a10);
        DrawText(c, *face, 22, "proudly presents", 320, 392, small, true);
    }
    return {std::move(c), &PublisherPalette(), true, {}};
}

Picture DrawDeveloperSplash(int frame)
{
    Canvas c(kW, kH);
    FillRect(c, 0, 0, kW, kH, RgbHex(0x000000));
    Glow(c, 320, 240, 300, RgbHex(0x001820), 1);
    // A ring of light sweeps round the name, a third of a turn per picture.
    float turn = float(frame) * 2 * kPi / 3;
    for (int k = 71; k >= 0; k--) {
        float a = turn - float(k) * 0.02f;
        float x = 320 + 230 * std::cos(a), y = 230 + 90 * std::sin(a);
        Disc(c, x, y, 9 - float(k) * 0.1f, Ramp({RgbHex(0xffffff), RgbHex(0x20c8d8), RgbHex(0x005a6a)}, float(k) / 72));
    }
    Ring(c, 320, 230, 160, 2, RgbHex(0x005a6a));
    if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) {
        TextStyle s;
        s.top = RgbHex(0xd0ffff), s.bottom = RgbHex(0x20c8d8), s.outline = RgbHex(0x001820), s.outlinePx = 2, s.shadowPx = 3;
        DrawText(c, *face, 76, "MORVANE", 320, 182, s, true);
        TextStyle small;
        small.top = RgbHex(0xffe080), small.bottom = RgbHex(0xff9020);
        DrawText(c, *face, 20, "G  A  M  E  S", 320, 282, small, true);
    }
    // A glint runs along the name.
    float gx = 150 + float(frame) * 170;
    for (int y = 180; y < 280; y++)
        for (int x = 100; x < 540; x++) {
            float d = std::fabs(float(x) - gx - float(y - 230) * 0.4f);
            if (d < 14 && c.At(x, y).g > 150) c.Blend(x, y, RgbHex(0xffffff), 0.6f * (1 - d / 14));
        }
    return {std::move(c), &DeveloperPalette(), true, {}};
}

Picture DrawMainMenuPicture()
{
    Canvas c(kW, kH);
    // Deep space above a glowing grid that runs to the horizon.
    for (int y = 0; y < kH; y++) {
        Rgb sky = Mix(HueAt(HUE_NAVY, 0.05f), HueAt(HUE_DUSK, 0.35f), float(y) / kH);
        for (int x = 0; x < kW; x++) c.Set(x, y, sky);
    }
    for (int k = 0; k < 220; k++) {
        float x = Noise(float(k) * 1.7f, 3, 9) * kW * 1.6f - kW * 0.3f, y = Noise(float(k) * 2.3f, 7, 4) * 300;
        c.Blend(int(x), int(y), HueAt(HUE_STEEL, 0.7f), 0.8f);
    }
    const float horizon = 300;
    for (int y = int(horizon); y < kH; y++) {
        float depth = (float(y) - horizon + 8) / (kH - horizon);
        for (int x = 0; x < kW; x++) {
            float u = (float(x) - 320) / depth / 60, v = 6 / depth;
            float line = std::max(std::exp(-std::pow((u - std::round(u)) * 12 * depth, 2.0f)),
                                  std::exp(-std::pow((v - std::round(v)) * 6, 2.0f)));
            c.Blend(x, y, HueAt(HUE_MAGENTA, 0.55f), 0.7f * line * depth);
        }
    }
    // In front, kept sharp: rows of blocks and a ball at both sides of the menu box, the title.
    Canvas front(kW, kH);
    for (int row = 0; row < 5; row++) {
        for (int side = 0; side < 2; side++) {
            int x = side ? 560 : 20, y = 190 + row * 42;
            Canvas block = BlockPicture(3 + (row * 2 + side * 3) % 10);
            front.Draw(block, x, y);
            front.Draw(block, x + 20, y + 21);
        }
    }
    Glow(c, 70, 420, 24, HueAt(HUE_FIRE, 0.7f), 0.8f);
    Sphere(front, 70, 420, 9, 9, HueAt(HUE_STEEL, 0.75f), 1.4f);
    // The title.
    if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) {
        TextStyle s = Lettering(HUE_GOLD, 3, 6);
        DrawText(front, *face, 104, "TALTRIX", 320, 22, s, true);
        DrawText(front, *face, 18, "THE BLOCK BREAKER", 320, 140, Lettering(HUE_CYAN, 1, 2), true);
    }
    // The menu box stands here; keep it and the prompt's strip dark.
    FillRect(front, 95, 163, 451, 270, HueAt(HUE_NAVY, 0.08f));
    FillRect(front, 0, 442, kW, kH - 442, HueAt(HUE_NAVY, 0.04f));
    Line(front, 0, 441, kW, 441, 2, HueAt(HUE_MAGENTA, 0.5f));
    c.Draw(front, 0, 0);
    return {std::move(c), &GamePicturePalette(), true, front.alpha};
}
