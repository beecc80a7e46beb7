// A true-colour drawing surface for the art: shapes are painted with 4 x 4 supersampling, so
// edges come out smooth before the picture is quantised to the game palette.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

struct Rgb {
    float r = 0, g = 0, b = 0;  // 0..255
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a * (1 - t) + b * t; }
// Brightens towards white (k > 0) or darkens towards black (k < 0).
inline Rgb Shade(Rgb c, float k) { return k >= 0 ? Mix(c, Rgb{255, 255, 255}, k) : c * (1 + k); }
inline Rgb RgbHex(uint32_t hex) { return {float(hex >> 16 & 255), float(hex >> 8 & 255), float(hex & 255)}; }

// A colour picked from a ramp of key colours, t from 0 (first key) to 1 (last).
Rgb Ramp(const std::vector<Rgb>& keys, float t);

class Canvas {
public:
    Canvas(int width, int height) : w(width), h(height), rgb(size_t(width) * height), alpha(size_t(width) * height) {}

    int w, h;
    std::vector<Rgb> rgb;
    std::vector<float> alpha;  // 0 transparent .. 1 opaque

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    // Lays colour c over pixel (x, y) with coverage a.
    void Blend(int x, int y, Rgb c, float a);
    void Set(int x, int y, Rgb c) { Blend(x, y, c, 1); }
    Rgb At(int x, int y) const { return rgb[size_t(y) * w + x]; }
    float AlphaAt(int x, int y) const { return alpha[size_t(y) * w + x]; }

    // Paints every pixel of the box (x0, y0)-(x1, y1) (exclusive) where inside(px, py) holds for
    // some of its 16 sample points, in colour paint(px, py) at the pixel centre, weighted by coverage.
    template <class InsideFn, class PaintFn>
    void Fill(int x0, int y0, int x1, int y1, InsideFn inside, PaintFn paint, float opacity = 1)
    {
        x0 = std::max(x0, 0), y0 = std::max(y0, 0), x1 = std::min(x1, w), y1 = std::min(y1, h);
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++) {
                int hits = 0;
                for (int sy = 0; sy < 4; sy++)
                    for (int sx = 0; sx < 4; sx++)
                        hits += inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4) ? 1 : 0;
                if (hits) Blend(x, y, paint(x + 0.5f, y + 0.5f), opacity * hits / 16.0f);
            }
    }

    // Overlays another canvas at (x, y), respecting its alpha.
    void Draw(const Canvas& src, int x, int y);
    // A copy of the rectangle (x, y, width, height).
    Canvas Crop(int x, int y, int width, int height) const;
};

// ---- shapes ------------------------------------------------------------------------------------

void FillRect(Canvas& c, int x, int y, int w, int h, Rgb col);
// A vertical gradient from top to bottom colour.
void FillGradientV(Canvas& c, int x, int y, int w, int h, Rgb top, Rgb bottom);
// A raised (depth > 0) or sunken (depth < 0) bevel of |depth| rings along the rectangle's inside:
// lit from the top left.
void Bevel(Canvas& c, int x, int y, int w, int h, int depth, Rgb light, Rgb dark);
// A rectangle filled from a colour ramp top to bottom, with a bevel and a gloss line: the look of
// a block or a plate.
void ShadedPlate(Canvas& c, int x, int y, int w, int h, const std::vector<Rgb>& ramp, int bevel);
// A lit sphere: base colour, lit from the upper left, with a specular highlight.
void Sphere(Canvas& c, float cx, float cy, float rx, float ry, Rgb base, float gloss = 1);
void Disc(Canvas& c, float cx, float cy, float r, Rgb col, float opacity = 1);
void Ellipse(Canvas& c, float cx, float cy, float rx, float ry, Rgb col, float opacity = 1);
// A soft round glow that fades from the centre outwards.
void Glow(Canvas& c, float cx, float cy, float r, Rgb col, float strength = 1);
void Line(Canvas& c, float x0, float y0, float x1, float y1, float width, Rgb col, float opacity = 1);
void Ring(Canvas& c, float cx, float cy, float r, float width, Rgb col, float opacity = 1);
// The outline of an ellipse of radii rx, ry turned by `angle` radians.
void EllipseStroke(Canvas& c, float cx, float cy, float rx, float ry, float angle, float width, Rgb col, float opacity = 1);
// A filled polygon (even-odd rule).
void Polygon(Canvas& c, const std::vector<float>& xy, Rgb col, float opacity = 1);
// A ring of 1-pixel outline in colour col round every opaque area (drawn outside it).
void Outline(Canvas& c, Rgb col);
