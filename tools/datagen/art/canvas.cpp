// True-colour drawing for the art.
#include "tools/datagen/art/canvas.h"

Rgb Ramp(const std::vector<Rgb>& keys, float t)
{
    if (keys.size() == 1) return keys[0];
    t = std::clamp(t, 0.0f, 1.0f) * float(keys.size() - 1);
    size_t i = std::min(size_t(t), keys.size() - 2);
    return Mix(keys[i], keys[i + 1], t - float(i));
}

void Canvas::Blend(int x, int y, Rgb c, float a)
{
    if (!Inside(x, y) || a <= 0) return;
    a = std::min(a, 1.0f);
    size_t i = size_t(y) * w + x;
    float under = alpha[i] * (1 - a);
    float out = a + under;
    rgb[i] = (c * a + rgb[i] * under) * (1 / out);
    alpha[i] = out;
}

void Canvas::Draw(const Canvas& src, int x, int y)
{
    for (int sy = 0; sy < src.h; sy++)
        for (int sx = 0; sx < src.w; sx++) Blend(x + sx, y + sy, src.At(sx, sy), src.AlphaAt(sx, sy));
}

Canvas Canvas::Crop(int x, int y, int width, int height) const
{
    Canvas out(width, height);
    for (int cy = 0; cy < height; cy++)
        for (int cx = 0; cx < width; cx++)
            if (Inside(x + cx, y + cy)) out.Blend(cx, cy, At(x + cx, y + cy), AlphaAt(x + cx, y + cy));
    return out;
}

void FillRect(Canvas& c, int x, int y, int w, int h, Rgb col)
{
    for (int py = y; py < y + h; py++)
        for (int px = x; px < x + w; px++) c.Set(px, py, col);
}

void FillGradientV(Canvas& c, int x, int y, int w, int h, Rgb top, Rgb bottom)
{
    for (int py = y; py < y + h; py++) {
        Rgb col = Mix(top, bottom, h > 1 ? float(py - y) / float(h - 1) : 0);
        for (int px = x; px < x + w; px++) c.Set(px, py, col);
    }
}

void Bevel(Canvas& c, int x, int y, int w, int h, int depth, Rgb light, Rgb dark)
{
    Rgb topLeft = depth > 0 ? light : dark, bottomRight = depth > 0 ? dark : light;
    int rings = std::abs(depth);
    for (int k = 0; k < rings; k++) {
        // Outer rings are the strongest, inner ones fade into the face.
        float a = 1.0f - 0.35f * float(k) / float(std::max(rings, 1));
        for (int px = x + k; px < x + w - k; px++) {
            c.Blend(px, y + k, topLeft, a);
            c.Blend(px, y + h - 1 - k, bottomRight, a);
        }
        for (int py = y + k + 1; py < y + h - 1 - k; py++) {
            c.Blend(x + k, py, topLeft, a);
            c.Blend(x + w - 1 - k, py, bottomRight, a);
        }
    }
}

void ShadedPlate(Canvas& c, int x, int y, int w, int h, const std::vector<Rgb>& ramp, int bevel)
{
    // Light falls from above: the top of the face is the bright end of the ramp's middle part.
    for (int py = 0; py < h; py++) {
        float t = h > 1 ? float(py) / float(h - 1) : 0;
        Rgb col = Ramp(ramp, 0.72f - 0.4f * t);
        for (int px = 0; px < w; px++) c.Set(x + px, y + py, col);
    }
    Bevel(c, x, y, w, h, bevel, Ramp(ramp, 0.95f), Ramp(ramp, 0.12f));
    // A gloss streak just under the top bevel.
    for (int px = x + bevel + 1; px < x + w - bevel - 1; px++) c.Blend(px, y + bevel, Ramp(ramp, 1.0f), 0.45f);
}

void Sphere(Canvas& c, float cx, float cy, float rx, float ry, Rgb base, float gloss)
{
    c.Fill(int(cx - rx - 1), int(cy - ry - 1), int(cx + rx + 2), int(cy + ry + 2),
           [&](float x, float y) {
               float dx = (x - cx) / rx, dy = (y - cy) / ry;
               return dx * dx + dy * dy <= 1;
           },
           [&](float x, float y) {
               float dx = (x - cx) / rx, dy = (y - cy) / ry;
               float dz = std::sqrt(std::max(0.0f, 1 - dx * dx - dy * dy));
               // Light from the upper left, in front.
               float lx = -0.5f, ly = -0.6f, lz = 0.62f;
               float diffuse = std::max(0.0f, dx * lx + dy * ly + dz * lz);
               float spec = std::pow(std::max(0.0f, diffuse), 24.0f) * gloss;
               Rgb col = Shade(base, -0.75f + 0.9f * diffuse);
               // A little reflected light along the lower rim.
               float rim = std::max(0.0f, dy) * (1 - dz) * 0.35f;
               col = Mix(col, base, rim);
               return Mix(col, Rgb{255, 255, 255}, std::min(1.0f, spec));
           });
}

void Ellipse(Canvas& c, float cx, float cy, float rx, float ry, Rgb col, float opacity)
{
    c.Fill(int(cx - rx - 1), int(cy - ry - 1), int(cx + rx + 2), int(cy + ry + 2),
           [&](float x, float y) {
               float dx = (x - cx) / rx, dy = (y - cy) / ry;
               return dx * dx + dy * dy <= 1;
           },
           [&](float, float) { return col; }, opacity);
}

void Disc(Canvas& c, float cx, float cy, float r, Rgb col, float opacity) { Ellipse(c, cx, cy, r, r, col, opacity); }

void Glow(Canvas& c, float cx, float cy, float r, Rgb col, float strength)
{
    for (int y = int(cy - r); y <= int(cy + r); y++)
        for (int x = int(cx - r); x <= int(cx + r); x++) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / r;
            if (d < 1) c.Blend(x, y, col, strength * (1 - d) * (1 - d));
        }
}

void Line(Canvas& c, float x0, float y0, float x1, float y1, float width, Rgb col, float opacity)
{
    float half = width / 2, len2 = (x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0);
    auto inside = [&](float x, float y) {
        float t = len2 > 0 ? std::clamp(((x - x0) * (x1 - x0) + (y - y0) * (y1 - y0)) / len2, 0.0f, 1.0f) : 0;
        float dx = x - (x0 + t * (x1 - x0)), dy = y - (y0 + t * (y1 - y0));
        return dx * dx + dy * dy <= half * half;
    };
    c.Fill(int(std::min(x0, x1) - half - 1), int(std::min(y0, y1) - half - 1), int(std::max(x0, x1) + half + 2),
           int(std::max(y0, y1) + half + 2), inside, [&](float, float) { return col; }, opacity);
}

void Ring(Canvas& c, float cx, float cy, float r, float width, Rgb col, float opacity)
{
    float r0 = r - width / 2, r1 = r + width / 2;
    c.Fill(int(cx - r1 - 1), int(cy - r1 - 1), int(cx + r1 + 2), int(cy + r1 + 2),
           [&](float x, float y) {
               float d = std::hypot(x - cx, y - cy);
               return d >= r0 && d <= r1;
           },
           [&](float, float) { return col; }, opacity);
}

void EllipseStroke(Canvas& c, float cx, float cy, float rx, float ry, float angle, float width, Rgb col, float opacity)
{
    const float ca = std::cos(angle), sa = std::sin(angle), reach = std::max(rx, ry) + width;
    c.Fill(int(cx - reach - 1), int(cy - reach - 1), int(cx + reach + 2), int(cy + reach + 2),
           [&](float x, float y) {
               float u = (x - cx) * ca + (y - cy) * sa, v = -(x - cx) * sa + (y - cy) * ca;
               float d = std::sqrt((u / rx) * (u / rx) + (v / ry) * (v / ry)), len = std::hypot(u, v);
               // Distance to the curve along the ray from the centre.
               return d > 0 && std::fabs(len - len / d) <= width / 2;
           },
           [&](float, float) { return col; }, opacity);
}

void Polygon(Canvas& c, const std::vector<float>& xy, Rgb col, float opacity)
{
    size_t n = xy.size() / 2;
    if (n < 3) return;
    float minX = xy[0], maxX = xy[0], minY = xy[1], maxY = xy[1];
    for (size_t i = 0; i < n; i++) {
        minX = std::min(minX, xy[2 * i]), maxX = std::max(maxX, xy[2 * i]);
        minY = std::min(minY, xy[2 * i + 1]), maxY = std::max(maxY, xy[2 * i + 1]);
    }
    auto inside = [&](float x, float y) {
        bool in = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
    };
    c.Fill(int(minX) - 1, int(minY) - 1, int(maxX) + 2, int(maxY) + 2, inside, [&](float, float) { return col; },
           opacity);
}

void Outline(Canvas& c, Rgb col)
{
    std::vector<float> a = c.alpha;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (a[size_t(y) * c.w + x] >= 0.5f) continue;
            float best = 0;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++)
                    if (c.Inside(x + dx, y + dy)) best = std::max(best, a[size_t(y + dy) * c.w + x + dx]);
            if (best >= 0.5f) c.Blend(x, y, col, 1);
        }
}
