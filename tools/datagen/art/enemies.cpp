// The enemies: four kinds of little creature, each with an appearing, a moving and a dying
// animation (animation = kind x 3 + phase).
#include <cmath>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"

namespace {

constexpr int kSize = 22;
constexpr int kFrames = 6;  // every animation; they step once every three game frames
constexpr float kPi = 3.14159265f;

void Eyes(Canvas& c, float cx, float cy, float s, float spread, float look)
{
    for (float side : {-1.0f, 1.0f}) {
        float ex = cx + side * spread * s, ey = cy;
        Ellipse(c, ex, ey, 2.3f * s, 2.7f * s, Rgb{255, 255, 255});
        Disc(c, ex + look * s, ey + 0.6f * s, 1.2f * s, Rgb{10, 10, 20});
    }
}

// Kind 0: a green slime that wobbles as it wanders.
void Slime(Canvas& c, float cx, float cy, float s, int f)
{
    float squash = std::sin(float(f) * 2 * kPi / kFrames);
    float rx = (8.5f + 1.2f * squash) * s, ry = (7.5f - 1.2f * squash) * s;
    float base = cy + 7.5f * s;
    Sphere(c, cx, base - ry, rx, ry, HueAt(HUE_GREEN, 0.6f), 0.8f);
    FillRect(c, int(cx - rx + 1), int(base - 1), int(2 * rx - 2), 1, HueAt(HUE_GREEN, 0.25f));
    Eyes(c, cx, base - ry - 1.5f * s, s, 3.2f, squash);
}

// Kind 1: a purple spinning star with a single eye.
void Spinner(Canvas& c, float cx, float cy, float s, int f)
{
    std::vector<float> pts;
    float turn = float(f) / kFrames * 2 * kPi / 4;
    for (int k = 0; k < 16; k++) {
        float a = turn + float(k) * kPi / 8, r = (k % 2 ? 4.5f : 10.0f) * s;
        pts.push_back(cx + std::cos(a) * r), pts.push_back(cy + std::sin(a) * r);
    }
    Polygon(c, pts, HueAt(HUE_PURPLE, 0.35f));
    Sphere(c, cx, cy, 6 * s, 6 * s, HueAt(HUE_PURPLE, 0.6f));
    Disc(c, cx, cy, 3 * s, Rgb{255, 240, 120});
    Disc(c, cx + std::cos(turn * 4) * s, cy + std::sin(turn * 4) * s, 1.4f * s, Rgb{20, 0, 20});
}

// Kind 2: a red bat that beats its wings as it homes in.
void Bat(Canvas& c, float cx, float cy, float s, int f)
{
    float beat = std::cos(float(f) * 2 * kPi / kFrames);  // 1 wings up, -1 down
    for (float side : {-1.0f, 1.0f}) {
        float tipY = cy - 6 * beat * s;
        Polygon(c, {cx + side * 3 * s, cy - 2 * s, cx + side * 10.5f * s, tipY - 1 * s, cx + side * 9 * s, tipY + 3 * s,
                    cx + side * 6 * s, tipY + 1.5f * s, cx + side * 5 * s, cy + 3 * s},
                HueAt(HUE_RED, 0.35f));
        Line(c, cx + side * 3 * s, cy - 2 * s, cx + side * 10.5f * s, tipY - 1 * s, 1, HueAt(HUE_RED, 0.7f));
    }
    Sphere(c, cx, cy, 4.5f * s, 5 * s, HueAt(HUE_RED, 0.55f));
    Polygon(c, {cx - 3.5f * s, cy - 3 * s, cx - 2 * s, cy - 7.5f * s, cx - 0.8f * s, cy - 3.5f * s}, HueAt(HUE_RED, 0.4f));
    Polygon(c, {cx + 3.5f * s, cy - 3 * s, cx + 2 * s, cy - 7.5f * s, cx + 0.8f * s, cy - 3.5f * s}, HueAt(HUE_RED, 0.4f));
    Disc(c, cx - 1.7f * s, cy - 1 * s, 1.1f * s, Rgb{255, 255, 120});
    Disc(c, cx + 1.7f * s, cy - 1 * s, 1.1f * s, Rgb{255, 255, 120});
}

// Kind 3: a cyan ghost whose skirt ripples.
void Ghost(Canvas& c, float cx, float cy, float s, int f)
{
    float phase = float(f) / kFrames * 2 * kPi;
    auto inside = [&](float x, float y) {
        float dx = (x - cx) / (8 * s), dy = (y - (cy - 1.5f * s)) / (8 * s);
        if (dy < 0) return dx * dx + dy * dy <= 1;
        float hem = cy + 7.5f * s + 1.5f * s * std::sin(dx * 9 + phase);
        return std::fabs(dx) <= 1 && y <= hem;
    };
    auto paint = [&](float x, float y) {
        float t = 0.85f - 0.5f * (y - (cy - 9 * s)) / (18 * s) - 0.15f * (x - cx) / (8 * s);
        return HueAt(HUE_CYAN, std::clamp(t, 0.2f, 0.95f));
    };
    c.Fill(int(cx - 9 * s), int(cy - 10 * s), int(cx + 10 * s), int(cy + 11 * s), inside, paint);
    Eyes(c, cx, cy - 2 * s, s, 3, std::sin(phase));
    Ellipse(c, cx, cy + 3.5f * s, 1.6f * s, 1.2f * s, HueAt(HUE_NAVY, 0.1f));
}

void Paint(Canvas& c, int kind, float cx, float cy, float s, int f)
{
    switch (kind) {
    case 0: Slime(c, cx, cy, s, f); break;
    case 1: Spinner(c, cx, cy, s, f); break;
    case 2: Bat(c, cx, cy, s, f); break;
    default: Ghost(c, cx, cy, s, f); break;
    }
}

// The creature grows out of a swirl of sparkles.
Image Appear(int kind, int f)
{
    Canvas c(kSize, kSize);
    float t = float(f + 1) / kFrames, mid = kSize / 2.0f;
    for (int k = 0; k < 6; k++) {
        float a = float(k) * kPi / 3 + t * 3, r = 10 * (1 - t) + 2;
        Disc(c, mid + std::cos(a) * r, mid + std::sin(a) * r, 1.2f, HueAt(HUE_GOLD, 1), 1 - t * 0.5f);
    }
    Paint(c, kind, mid, mid, 0.2f + 0.8f * t, 0);
    return Frame(c);
}

// The creature bursts: it swells and fades while a ring of light spreads.
Image Die(int kind, int f)
{
    Canvas body(kSize, kSize);
    float t = float(f) / (kFrames - 1), mid = kSize / 2.0f;
    Paint(body, kind, mid, mid, 1 + 0.3f * t, 0);
    Canvas c(kSize, kSize);
    for (int y = 0; y < kSize; y++)
        for (int x = 0; x < kSize; x++) {
            // Dissolve the body in a fixed scatter so that it breaks up rather than blinks out.
            float keep = float((x * 37 + y * 91 + x * y * 7) % 17) / 17;
            if (keep >= t) c.Blend(x, y, Mix(body.At(x, y), Rgb{255, 255, 255}, 0.5f * t), body.AlphaAt(x, y));
        }
    Ring(c, mid, mid, 3 + 7 * t, 1.5f, HueAt(HUE_GOLD, 1 - 0.3f * t), 1 - t * 0.6f);
    return Frame(c);
}

}  // namespace

void PaintEnemy(Canvas& c, int kind, float cx, float cy, int f, float scale) { Paint(c, kind, cx, cy, scale, f); }

SpriteTypeArt DrawEnemyType()
{
    SpriteTypeArt type;
    type.name = "Enemies";
    for (int kind = 0; kind < ENEMY_KINDS; kind++) {
        std::vector<Image> appear, move, die;
        for (int f = 0; f < kFrames; f++) {
            appear.push_back(Appear(kind, f));
            Canvas c(kSize, kSize);
            Paint(c, kind, kSize / 2.0f, kSize / 2.0f, 1, f);
            move.push_back(Frame(c));
            die.push_back(Die(kind, f));
        }
        type.Add(std::move(appear));
        type.Add(std::move(move));
        type.Add(std::move(die));
    }
    type.boxX = 2, type.boxY = 2, type.boxW = kSize - 4, type.boxH = kSize - 4;
    return type;
}
