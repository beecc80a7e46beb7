// The desktop icons: a pad under a ball rising towards a row of blocks, drawn with soft
// edges at every size a desktop asks for.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/platform.h"
#include "tools/datagen/datagen.h"

namespace {

struct Colour {
    float r, g, b;
};

// An RGBA canvas painted in the unit square, sampled 4 x 4 per pixel for smooth edges.
class Icon {
public:
    explicit Icon(int size) : size(size), pixels(static_cast<size_t>(size) * size * 4, 0) {}

    // Paints every pixel whose sample points fall inside the shape, shaded by colourAt.
    template <typename Inside, typename Shade>
    void Paint(Inside inside, Shade colourAt)
    {
        for (int y = 0; y < size; y++)
            for (int x = 0; x < size; x++)
                PaintPixel(x, y, inside, colourAt);
    }

    bool Save(const std::string& path) const { return I_WritePng(path, size, size, 4, pixels.data()); }

private:
    template <typename Inside, typename Shade>
    void PaintPixel(int x, int y, Inside inside, Shade colourAt)
    {
        int hits = 0;
        for (int sy = 0; sy < 4; sy++)
            for (int sx = 0; sx < 4; sx++)
                hits += inside((x + (sx + 0.5f) / 4) / size, (y + (sy + 0.5f) / 4) / size);
        if (!hits)
            return;
        const float u = (x + 0.5f) / size, v = (y + 0.5f) / size;
        const Colour c = colourAt(u, v);
        const float alpha = hits / 16.0f;
        uint8_t* p = &pixels[(static_cast<size_t>(y) * size + x) * 4];
        const float under = p[3] / 255.0f * (1 - alpha);
        const float total = alpha + under;
        const float channel[3] = {c.r, c.g, c.b};
        for (int i = 0; i < 3; i++)
            p[i] = static_cast<uint8_t>(std::clamp((channel[i] * 255 * alpha + p[i] * under) / total, 0.0f, 255.0f));
        p[3] = static_cast<uint8_t>(std::clamp(total * 255, 0.0f, 255.0f));
    }

    int size;
    std::vector<uint8_t> pixels;
};

bool InRoundedBox(float u, float v, float x0, float y0, float x1, float y1, float radius)
{
    const float cx = std::clamp(u, x0 + radius, x1 - radius);
    const float cy = std::clamp(v, y0 + radius, y1 - radius);
    return (u - cx) * (u - cx) + (v - cy) * (v - cy) <= radius * radius;
}

void DrawIcon(Icon& icon)
{
    // A dark rounded tile as the ground.
    icon.Paint([](float u, float v) { return InRoundedBox(u, v, 0.02f, 0.02f, 0.98f, 0.98f, 0.16f); },
               [](float, float v) { return Colour{0.08f + 0.06f * v, 0.06f + 0.05f * v, 0.22f + 0.12f * v}; });
    // Three blocks in warm colours, lit from the top.
    const Colour blocks[3] = {{0.92f, 0.22f, 0.20f}, {0.98f, 0.62f, 0.12f}, {0.30f, 0.78f, 0.30f}};
    for (int i = 0; i < 3; i++) {
        const float x0 = 0.10f + i * 0.28f, x1 = x0 + 0.24f;
        const Colour base = blocks[i];
        icon.Paint([=](float u, float v) { return InRoundedBox(u, v, x0, 0.14f, x1, 0.30f, 0.03f); },
                   [=](float, float v) {
                       const float light = 1.25f - (v - 0.14f) * 3.0f;
                       return Colour{base.r * light, base.g * light, base.b * light};
                   });
    }
    // The ball: a shiny sphere with a highlight up and to the left.
    icon.Paint([](float u, float v) { return (u - 0.56f) * (u - 0.56f) + (v - 0.52f) * (v - 0.52f) <= 0.011f; },
               [](float u, float v) {
                   const float d = std::sqrt((u - 0.53f) * (u - 0.53f) + (v - 0.49f) * (v - 0.49f)) / 0.105f;
                   const float shine = std::max(0.0f, 1.0f - d * 1.6f);
                   const float body = 0.55f + 0.45f * (1 - d);
                   return Colour{body * 0.8f + shine, body * 0.85f + shine, body + shine};
               });
    // The pad: a metal bar with red gun ends.
    icon.Paint([](float u, float v) { return InRoundedBox(u, v, 0.20f, 0.76f, 0.80f, 0.88f, 0.06f); },
               [](float u, float v) {
                   const float light = 1.1f - std::fabs(v - 0.80f) * 6.0f;
                   if (u < 0.32f || u > 0.68f)
                       return Colour{0.85f * light, 0.18f * light, 0.16f * light};
                   return Colour{0.70f * light, 0.82f * light, 0.92f * light};
               });
}

}  // namespace

bool GenerateIcons(const std::string& dir)
{
    const std::string iconDir = dir + "/icons";
    std::error_code ec;
    std::filesystem::create_directories(iconDir, ec);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        Icon icon(size);
        DrawIcon(icon);
        const std::string path = iconDir + "/taltrix-" + std::to_string(size) + ".png";
        if (!icon.Save(path)) {
            std::fprintf(stderr, "taltrix_datagen: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
