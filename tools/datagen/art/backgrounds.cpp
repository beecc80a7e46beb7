// The level backgrounds: calm, dark pictures with little contrast, so that blocks, balls and
// creatures stand out in front of them.
#include <cmath>
#include <cstdint>

#include "tools/datagen/art/backgrounds.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"

namespace {

constexpr int kW = 480, kH = 464;

float Hash(int x, int y, int seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

float ValueNoise(float x, float y, int seed)
{
    int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    float fx = x - float(x0), fy = y - float(y0);
    fx = fx * fx * (3 - 2 * fx), fy = fy * fy * (3 - 2 * fy);
    float a = Hash(x0, y0, seed), b = Hash(x0 + 1, y0, seed), c = Hash(x0, y0 + 1, seed), d = Hash(x0 + 1, y0 + 1, seed);
    return (a * (1 - fx) + b * fx) * (1 - fy) + (c * (1 - fx) + d * fx) * fy;
}

void Stars(Canvas& c, int count, int seed)
{
    for (int k = 0; k < count; k++) {
        int x = int(Hash(k, 1, seed) * kW), y = int(Hash(k, 2, seed) * kH);
        float b = Hash(k, 3, seed);
        c.Blend(x, y, HueAt(HUE_STEEL, 0.5f + 0.4f * b), 0.5f + 0.5f * b);
    }
}

Canvas Nebula()
{
    Canvas c(kW, kH);
    for (int y = 0; y < kH; y++)
        for (int x = 0; x < kW; x++) {
            float n = Noise(float(x) / 120, float(y) / 120, 1), m = Noise(float(x) / 70 + 9, float(y) / 70, 2);
            Rgb col = Mix(HueAt(HUE_NAVY, 0.08f + 0.15f * n), HueAt(HUE_DUSK, 0.1f + 0.3f * m), std::clamp(m * 1.4f - 0.5f, 0.0f, 1.0f));
            c.Set(x, y, col);
        }
    Stars(c, 260, 7);
    return c;
}

Canvas Circuit()
{
    Canvas c(kW, kH);
    FillGradientV(c, 0, 0, kW, kH, HueAt(HUE_TEAL, 0.16f), HueAt(HUE_TEAL, 0.08f));
    for (int k = 0; k < 70; k++) {
        float x = float(int(Hash(k, 1, 3) * 24) * 20 + 10), y = float(int(Hash(k, 2, 3) * 23) * 20 + 10);
        float len = 40 + Hash(k, 3, 3) * 120;
        bool horizontal = Hash(k, 4, 3) > 0.5f;
        float x1 = horizontal ? x + len : x, y1 = horizontal ? y : y + len;
        Line(c, x, y, x1, y1, 2, HueAt(HUE_TEAL, 0.3f));
        Line(c, x1, y1, x1 + 20, y1 + 20, 2, HueAt(HUE_TEAL, 0.3f));
        Disc(c, x, y, 3, HueAt(HUE_TEAL, 0.38f));
        Disc(c, x + 20 + (horizontal ? len : 0), y + 20 + (horizontal ? 0 : len), 2.5f, HueAt(HUE_TEAL, 0.36f));
    }
    return c;
}

Canvas Waves()
{
    Canvas c(kW, kH);
    for (int y = 0; y < kH; y++)
        for (int x = 0; x < kW; x++) {
            float v = std::sin(float(y) / 18 + 2.2f * std::sin(float(x) / 70)) * 0.5f + 0.5f;
            c.Set(x, y, HueAt(HUE_DUSK, 0.1f + 0.14f * v + 0.1f * float(y) / kH));
        }
    return c;
}

Canvas Hexes()
{
    Canvas c(kW, kH);
    const float r = 22, hx = r * std::sqrt(3.0f);
    for (int y = 0; y < kH; y++)
        for (int x = 0; x < kW; x++) {
            // Distance to the nearest hexagon centre decides between face and groove.
            float best = 1e9f, shade = 0;
            for (int row = int(float(y) / (1.5f * r)) - 1; row <= int(float(y) / (1.5f * r)) + 1; row++)
                for (int col = int(float(x) / hx) - 1; col <= int(float(x) / hx) + 1; col++) {
                    float cx = float(col) * hx + (row % 2 ? hx / 2 : 0), cy = float(row) * 1.5f * r;
                    float dx = float(x) - cx, dy = float(y) - cy;
                    float d = std::max(std::fabs(dx) * 0.866f + std::fabs(dy) * 0.5f, std::fabs(dy));
                    if (d < best) best = d, shade = (-dx - dy) / r;
                }
            float edge = r * 0.866f - best;
            float t = edge < 2 ? 0.06f : 0.16f + 0.03f * shade * (edge < 5 ? 1.0f : 0.3f);
            c.Set(x, y, HueAt(HUE_NAVY, t));
        }
    return c;
}

Canvas Aurora()
{
    Canvas c(kW, kH);
    for (int y = 0; y < kH; y++)
        for (int x = 0; x < kW; x++) {
            float curtain = std::sin(float(x) / 40 + 3 * Noise(float(x) / 150, float(y) / 300, 4)) * 0.5f + 0.5f;
            float fall = std::exp(-std::pow((float(y) - 150 - 60 * std::sin(float(x) / 90)) / 120, 2.0f));
            Rgb sky = HueAt(HUE_NAVY, 0.06f + 0.08f * float(y) / kH);
            c.Set(x, y, Mix(sky, HueAt(HUE_GREEN, 0.28f), 0.55f * curtain * fall));
        }
    Stars(c, 150, 11);
    return c;
}

Canvas Tiles()
{
    Canvas c(kW, kH);
    for (int ty = 0; ty < kH; ty += 40)
        for (int tx = 0; tx < kW; tx += 40) {
            float t = 0.14f + 0.05f * Hash(tx, ty, 5);
            for (int y = ty; y < ty + 40; y++)
                for (int x = tx; x < tx + 40; x++)
                    c.Set(x, y, HueAt(HUE_BROWN, t + 0.03f * Noise(float(x) / 9, float(y) / 9, 6)));
            Bevel(c, tx, ty, 40, 40, 2, HueAt(HUE_BROWN, t + 0.08f), HueAt(HUE_BROWN, 0.04f));
        }
    return c;
}

Canvas Lattice()
{
    Canvas c(kW, kH);
    FillGradientV(c, 0, 0, kW, kH, HueAt(HUE_STEEL, 0.1f), HueAt(HUE_NAVY, 0.1f));
    for (int k = -kH; k < kW + kH; k += 32) {
        Line(c, float(k), 0, float(k + kH), float(kH), 3, HueAt(HUE_STEEL, 0.2f));
        Line(c, float(k), float(kH), float(k + kH), 0, 3, HueAt(HUE_STEEL, 0.17f));
    }
    return c;
}

Canvas Dunes()
{
    Canvas c(kW, kH);
    FillGradientV(c, 0, 0, kW, kH, HueAt(HUE_DUSK, 0.12f), HueAt(HUE_ORANGE, 0.18f));
    for (int layer = 0; layer < 4; layer++) {
        float base = 220 + float(layer) * 70, t = 0.16f - 0.03f * float(layer);
        for (int x = 0; x < kW; x++) {
            float top = base + 30 * std::sin(float(x) / (90 - float(layer) * 10) + float(layer) * 1.7f);
            for (int y = int(top); y < kH; y++) c.Set(x, y, HueAt(HUE_BROWN, t + 0.02f * std::sin(float(y) / 3)));
        }
    }
    Disc(c, 360, 120, 36, HueAt(HUE_ORANGE, 0.3f), 0.6f);
    return c;
}

}  // namespace

float Noise(float x, float y, int seed)
{
    float sum = 0, amp = 0.5f;
    for (int octave = 0; octave < 4; octave++, amp *= 0.5f, x *= 2, y *= 2) sum += amp * ValueNoise(x, y, seed + octave * 31);
    return std::clamp(sum / 0.9375f, 0.0f, 1.0f);
}

Canvas DrawBackground(int index)
{
    switch (index) {
    case 0: return Nebula();
    case 1: return Circuit();
    case 2: return Waves();
    case 3: return Hexes();
    case 4: return Aurora();
    case 5: return Tiles();
    case 6: return Lattice();
    default: return Dunes();
    }
}
