// The blocks: one animation per block kind, 40 x 20 each, with the hit and vanishing animations
// and the explosion that runs over a cell.
#include <cmath>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"

namespace {

constexpr int kW = 40, kH = 20;
constexpr int kVanishFrames = 10;    // one-shot: a quarter of a second at 40 frames a second
constexpr int kShineFrames = 8;      // the indestructible block's hit shine
constexpr int kExplosionFrames = 14; // the block under it is removed at frame 10
constexpr int kExplosionW = 64, kExplosionH = 48;

enum Pattern { PLAIN, STRIPES, CHECKER, DIAMOND, BRICK, MARBLE, DOTS, GEM, METAL, WOOD, GLASS, DOUBLE, CRACKED };

// The base plate of every block: a shaded, bevelled face with a dark rim.
void Plate(Canvas& c, Hue hue, float light = 0)
{
    std::vector<Rgb> ramp;
    for (float t : {0.05f, 0.3f, 0.55f, 0.8f, 1.0f}) ramp.push_back(HueAt(hue, std::min(1.0f, t * 0.85f + light)));
    ShadedPlate(c, 0, 0, kW, kH, ramp, 2);
    // A one-pixel dark rim keeps neighbouring blocks apart.
    Bevel(c, 0, 0, kW, kH, 1, HueAt(hue, 0.92f), HueAt(hue, 0.05f));
}

// Cracks spreading from the middle; level 0..4.
void Cracks(Canvas& c, Hue hue, int level)
{
    static const float lines[][4] = {{20, 10, 12, 3}, {20, 10, 30, 17}, {12, 3, 6, 8},  {30, 17, 36, 12},
                                     {20, 10, 24, 2}, {20, 10, 14, 18}, {24, 2, 31, 5}, {14, 18, 5, 15}};
    Rgb dark = HueAt(hue, 0.02f), lit = HueAt(hue, 0.9f);
    for (int i = 0; i < level * 2 && i < 8; i++) {
        const float* l = lines[i];
        Line(c, l[0] + 0.6f, l[1] + 0.6f, l[2] + 0.6f, l[3] + 0.6f, 1.0f, lit, 0.5f);
        Line(c, l[0], l[1], l[2], l[3], 1.1f, dark);
    }
}

void PaintPattern(Canvas& c, Hue hue, Pattern p)
{
    Rgb hi = HueAt(hue, 0.85f), lo = HueAt(hue, 0.25f);
    switch (p) {
    case PLAIN:
        Plate(c, hue);
        break;
    case STRIPES:
        Plate(c, hue);
        for (int k = -kH; k < kW; k += 8) Line(c, float(k + 3), 17, float(k + 3 + 14), 3, 2.5f, hi, 0.45f);
        break;
    case CHECKER:
        Plate(c, hue);
        for (int y = 3; y < kH - 3; y += 7)
            for (int x = 3 + ((y / 7) % 2) * 7; x < kW - 3; x += 14) FillRect(c, x, y, 7, 7, lo);
        break;
    case DIAMOND:
        Plate(c, hue);
        Polygon(c, {20, 3, 33, 10, 20, 17, 7, 10}, lo);
        Polygon(c, {20, 5, 29, 10, 20, 15, 11, 10}, hi, 0.8f);
        break;
    case BRICK:
        Plate(c, hue, -0.05f);
        for (int y : {6, 13}) Line(c, 2, float(y), 38, float(y), 1, lo);
        for (int x : {12, 28}) Line(c, float(x), 2, float(x), 6, 1, lo);
        Line(c, 20, 6, 20, 13, 1, lo);
        for (int x : {12, 28}) Line(c, float(x), 13, float(x), 18, 1, lo);
        break;
    case MARBLE:
        Plate(c, hue, 0.1f);
        for (int i = 0; i < 3; i++) {
            float y0 = 4.0f + float(i) * 5;
            for (int x = 2; x < kW - 3; x++)
                c.Blend(x, int(y0 + 2.5f * std::sin(float(x) * 0.35f + float(i) * 2)), hi, 0.6f);
        }
        break;
    case DOTS:
        Plate(c, hue);
        for (int x = 8; x < kW; x += 12) Sphere(c, float(x), 10, 3, 3, HueAt(hue, 0.7f));
        break;
    case GEM:
        Plate(c, HUE_STEEL, -0.1f);
        Polygon(c, {20, 2, 33, 10, 20, 18, 7, 10}, HueAt(hue, 0.35f));
        Polygon(c, {20, 2, 33, 10, 20, 10}, HueAt(hue, 0.75f));
        Polygon(c, {7, 10, 20, 10, 20, 18}, HueAt(hue, 0.2f));
        Disc(c, 17, 7, 1.5f, Rgb{255, 255, 255}, 0.9f);
        break;
    case METAL:
        Plate(c, HUE_STEEL, 0.05f);
        for (float x : {5.0f, 35.0f})
            for (float y : {5.0f, 15.0f}) Sphere(c, x, y, 1.8f, 1.8f, HueAt(HUE_STEEL, 0.7f));
        Line(c, 10, 10, 30, 10, 1, HueAt(HUE_STEEL, 0.2f));
        break;
    case WOOD:
        Plate(c, HUE_BROWN);
        for (int i = 0; i < 4; i++)
            for (int x = 2; x < kW - 2; x++)
                c.Blend(x, 4 + i * 4 + int(std::sin(float(x) * 0.2f + float(i)) * 1.2f), HueAt(HUE_BROWN, 0.3f), 0.7f);
        Ellipse(c, 27, 10, 3, 1.8f, HueAt(HUE_BROWN, 0.25f));
        break;
    case GLASS:
        FillGradientV(c, 0, 0, kW, kH, HueAt(hue, 0.35f), HueAt(hue, 0.15f));
        Bevel(c, 0, 0, kW, kH, 2, HueAt(hue, 0.95f), HueAt(hue, 0.1f));
        Line(c, 5, 15, 13, 4, 2, Rgb{255, 255, 255}, 0.35f);
        Line(c, 10, 16, 16, 8, 1, Rgb{255, 255, 255}, 0.25f);
        break;
    case DOUBLE:
        Plate(c, hue, -0.1f);
        FillRect(c, 5, 4, 30, 12, HueAt(hue, 0.55f));
        Bevel(c, 5, 4, 30, 12, 2, HueAt(hue, 0.95f), HueAt(hue, 0.15f));
        break;
    case CRACKED:
        Plate(c, hue);
        Cracks(c, hue, 3);
        break;
    }
}

Canvas Block(Hue hue, Pattern p)
{
    Canvas c(kW, kH);
    PaintPattern(c, hue, p);
    return c;
}

// An arrow of light on an orange block, pointing up, down, left or right.
Canvas ArrowBlock(int dir)
{
    Canvas c = Block(HUE_ORANGE, PLAIN);
    // The arrow drawn pointing right about the centre, then turned.
    std::vector<float> pts = {-9, -2, 2, -2, 2, -6, 10, 0, 2, 6, 2, 2, -9, 2};
    std::vector<float> xy;
    for (size_t i = 0; i < pts.size(); i += 2) {
        float x = pts[i], y = pts[i + 1] * 1.1f;
        if (dir == 0) std::swap(x, y), y = -y;       // up
        else if (dir == 1) std::swap(x, y);          // down
        else if (dir == 2) x = -x;                   // left
        if (dir < 2) x *= 1.6f, y *= 0.8f;           // flatten the vertical arrows into the block
        xy.push_back(20 + x), xy.push_back(10 + y);
    }
    std::vector<float> shadow = xy;
    for (size_t i = 0; i < shadow.size(); i++) shadow[i] += 1;
    Polygon(c, shadow, HueAt(HUE_RED, 0.1f));
    Polygon(c, xy, HueAt(HUE_GOLD, 0.95f));
    return c;
}

// A dark block holding a glowing atom of one of twelve colours.
Canvas AtomBlock(int colour)
{
    static const Hue hues[12] = {HUE_RED,    HUE_ORANGE, HUE_GOLD,    HUE_LIME,  HUE_GREEN, HUE_CYAN,
                                 HUE_BLUE,   HUE_PURPLE, HUE_MAGENTA, HUE_STEEL, HUE_BROWN, HUE_FIRE};
    Hue hue = hues[colour % 12];
    Canvas c = Block(HUE_NAVY, PLAIN);
    Glow(c, 20, 10, 10, HueAt(hue, 0.8f), 0.8f);
    for (int k = 0; k < 3; k++) EllipseStroke(c, 20, 10, 13, 3.2f, float(k - 1) * 0.42f, 1.0f, HueAt(hue, 0.9f), 0.85f);
    Sphere(c, 20, 10, 3, 3, HueAt(hue, 0.75f));
    return c;
}

// A power-up block: a gold frame around the power-up's capsule; frame f of its shimmer.
Canvas PowerUpBlock(int kind, int f, bool loops)
{
    Canvas c(kW, kH);
    ShadedPlate(c, 0, 0, kW, kH, {HueAt(HUE_GOLD, 0.1f), HueAt(HUE_GOLD, 0.4f), HueAt(HUE_GOLD, 0.7f), HueAt(HUE_GOLD, 1)}, 2);
    FillRect(c, 3, 3, kW - 6, kH - 6, HueAt(HUE_NAVY, 0.15f));
    PaintCapsule(c, kind, 20, 10, loops ? float(f) / kCapsuleFrames : 0);
    if (loops) {
        // A glint travels round the frame.
        float t = float(f) / kCapsuleFrames;
        float per = 2.0f * (kW + kH), d = t * per;
        float x = d < kW ? d : d < kW + kH ? kW - 1 : d < 2 * kW + kH ? 2 * kW + kH - d : 0;
        float y = d < kW ? 0 : d < kW + kH ? d - kW : d < 2 * kW + kH ? kH - 1 : per - d;
        Glow(c, x, y, 5, Rgb{255, 255, 220}, 1);
    }
    return c;
}

// A Multi-Ball block: a glass case; the two captive balls are drawn over it at (6, 4) and (22, 4).
Canvas MultiBallBlock()
{
    Canvas c = Block(HUE_CYAN, GLASS);
    Line(c, 20, 3, 20, 17, 1, HueAt(HUE_CYAN, 0.7f), 0.8f);
    return c;
}

// The indestructible block with a band of light sweeping across it.
Canvas Shine(int f)
{
    Canvas c = Block(HUE_STEEL, METAL);
    float x = -10 + float(f) * (kW + 20) / float(kShineFrames - 1);
    for (int y = 0; y < kH; y++)
        for (int px = 0; px < kW; px++) {
            float d = std::fabs(float(px) - (x + float(y) * 0.6f));
            if (d < 5) c.Blend(px, y, Rgb{255, 255, 255}, 0.7f * (1 - d / 5));
        }
    return c;
}

// The block breaking apart: eight shards drift from the middle, shrink and fade, after a flash.
std::vector<Image> Vanish(const Canvas& src)
{
    return Animation(kVanishFrames, kW, kH, [&](Canvas& c, int f) {
        float t = float(f) / (kVanishFrames - 1);
        for (int piece = 0; piece < 8; piece++) {
            int px = (piece % 4) * 10, py = (piece / 4) * 10;
            float cx = float(px) + 5, cy = float(py) + 5;
            float dx = (cx - 20) * 0.09f * float(f), dy = (cy - 10) * 0.12f * float(f) + 0.08f * float(f * f);
            float scale = 1 - t * 0.85f;
            float half = 5 * scale;
            float ncx = cx + dx, ncy = cy + dy;
            float flash = f < 2 ? 0.2f - 0.1f * float(f) : 0;
            c.Fill(int(ncx - half - 1), int(ncy - half - 1), int(ncx + half + 2), int(ncy + half + 2),
                   [&](float x, float y) { return std::fabs(x - ncx) <= half && std::fabs(y - ncy) <= half; },
                   [&](float x, float y) {
                       int sx = std::clamp(int(cx + (x - ncx) / scale), 0, kW - 1);
                       int sy = std::clamp(int(cy + (y - ncy) / scale), 0, kH - 1);
                       return Mix(src.At(sx, sy), Rgb{255, 255, 255}, flash);
                   },
                   src.AlphaAt(px + 5, py + 5) > 0.5f ? 1.0f : 0.0f);
        }
    });
}

// The explosion over a cell: a white-hot flash swells into rolling fire that cools through red
// into smoke and thins out, with sparks thrown clear in the first frames.
std::vector<Image> Explosion()
{
    const float cx = kExplosionW / 2.0f, cy = kExplosionH / 2.0f;
    return Animation(kExplosionFrames, kExplosionW, kExplosionH, [&](Canvas& c, int f) {
        float t = float(f) / (kExplosionFrames - 1);
        float spread = 6 + 16 * std::sqrt(t);
        for (int y = 0; y < kExplosionH; y++)
            for (int x = 0; x < kExplosionW; x++) {
                // The fire's density: puffs set round the centre in a fixed scatter.
                float density = 0;
                for (int k = 0; k < 9; k++) {
                    float a = float(k) * 2.39996f, r = spread * (k == 0 ? 0 : 0.35f + 0.5f * float((k * 7) % 9) / 9);
                    float px = cx + std::cos(a) * r * 1.25f, py = cy + std::sin(a) * r * 0.8f - t * 4;
                    float pr = 7 + 3 * t + float(k % 3);
                    float d2 = ((float(x) - px) * (float(x) - px) + (float(y) - py) * (float(y) - py)) / (pr * pr);
                    density += std::exp(-d2 * 1.6f);
                }
                density += 0.35f * Noise(float(x) / 7, float(y) / 7, 40 + f);
                float edge = 0.55f + 0.5f * t;  // the blast thins out as it ages
                if (density < edge) continue;
                float core = std::clamp((density - edge) / 1.2f, 0.0f, 1.0f);
                float heat = std::clamp(core * (1.1f - t) + (1 - t) * 0.1f, 0.0f, 1.0f);
                Rgb fire = HueAt(HUE_FIRE, 0.15f + 0.85f * heat);
                Rgb smoke = HueAt(HUE_GREY, 0.18f + 0.2f * core);
                c.Set(x, y, Mix(fire, smoke, std::clamp((t - 0.45f) * 2.2f - heat, 0.0f, 1.0f)));
            }
        if (f >= 1 && f <= 7)
            for (int k = 0; k < 10; k++) {
                float a = float(k) * 0.628f + 0.3f, r0 = 8 + float(f) * 3.2f;
                Line(c, cx + std::cos(a) * r0, cy + std::sin(a) * r0 * 0.75f, cx + std::cos(a) * (r0 + 3),
                     cy + std::sin(a) * (r0 + 3) * 0.75f, 1.2f, HueAt(HUE_FIRE, 0.95f - float(f) * 0.05f));
            }
    }, (kExplosionW - kW) / 2, (kExplosionH - kH) / 2);
}

// The looks of the simple kinds: colours and patterns spread so that neighbours differ.
Canvas SimpleBlock(int kind)
{
    static const Hue hues[] = {HUE_RED,  HUE_CYAN,  HUE_GOLD,   HUE_PURPLE, HUE_GREEN, HUE_ORANGE, HUE_BLUE,
                               HUE_MAGENTA, HUE_LIME, HUE_TEAL, HUE_BROWN, HUE_STEEL, HUE_DUSK};
    static const Pattern patterns[] = {STRIPES, CHECKER, DIAMOND, BRICK, MARBLE, DOTS, PLAIN};
    int n = kind - 32;
    return Block(hues[n % 13], patterns[(n / 13 + n) % 7]);
}

Canvas KindPicture(int kind)
{
    static const Hue plain[10] = {HUE_RED,  HUE_ORANGE, HUE_GOLD,    HUE_LIME, HUE_GREEN,
                                  HUE_CYAN, HUE_BLUE,   HUE_PURPLE, HUE_MAGENTA, HUE_GREY};
    static const Hue gems[4] = {HUE_RED, HUE_GREEN, HUE_BLUE, HUE_PURPLE};
    if (kind == 1) return Block(HUE_STEEL, METAL);
    if (kind == 2) return Block(HUE_PURPLE, DOUBLE);
    if (kind >= 3 && kind <= 12) return Block(plain[kind - 3], PLAIN);
    if (kind >= 13 && kind <= 17) {
        Canvas c = Block(HUE_BROWN, DOUBLE);
        Cracks(c, HUE_BROWN, kind - 13);
        return c;
    }
    if (kind == 18) return Block(HUE_TEAL, GLASS);
    if (kind == 21) {
        Canvas c = Block(HUE_STEEL, DOUBLE);
        Cracks(c, HUE_STEEL, 4);
        return c;
    }
    if (kind == 24) return Block(HUE_PURPLE, CRACKED);
    if (kind == 25) return MultiBallBlock();
    if (kind >= 95 && kind <= 98) return ArrowBlock(kind - 95);
    if (kind >= 100 && kind <= 111) return AtomBlock(kind - 100);
    if (kind == BLOCK_HIDDEN) return Canvas(kW, kH);
    if (kind >= 114 && kind <= 117) return Block(gems[kind - 114], GEM);
    if (kind == 118 || kind == 119) {
        Canvas c = Block(HUE_BROWN, WOOD);
        if (kind == 119) Cracks(c, HUE_BROWN, 1);
        return c;
    }
    return SimpleBlock(kind);
}

// The power-up kind a power-up block carries, or -1.
int PowerUpOf(int kind)
{
    if (kind >= 26 && kind <= 31) return kind - 26;
    if (kind >= 90 && kind <= 92) return kind - 83;
    return -1;
}

bool Loops(int kind) { return kind == 26 || kind == 27 || kind == 28 || kind == 91; }

// The kind whose picture a vanishing kind breaks apart.
int VanishSource(int kind)
{
    static const int fromSpecial[8] = {35, 38, 56, 58, 60, 63, 62, 72};  // 130 .. 137
    if (kind >= 120 && kind <= 129) return kind - 117;
    if (kind >= 130 && kind <= 137) return fromSpecial[kind - 130];
    if (kind == 138 || kind == 139) return kind - 20;
    if (kind >= 140 && kind <= 143) return kind - 26;
    switch (kind) {
    case 19: return 18;
    case 22: return 21;
    case 23: return 17;
    case 24: return 2;
    case 93: return 49;
    case 94: return 34;
    default: return -1;
    }
}

}  // namespace

Canvas BlockPicture(int kind)
{
    int pu = PowerUpOf(kind);
    if (pu >= 0) return PowerUpBlock(pu, 0, Loops(kind));
    int source = VanishSource(kind);
    return KindPicture(source >= 0 && kind != 24 ? source : kind);
}

SpriteTypeArt DrawBlockType()
{
    SpriteTypeArt type;
    type.name = "Blocks";
    for (int kind = 0; kind < BLOCK_KINDS; kind++) {
        std::vector<Image> frames;
        int pu = PowerUpOf(kind);
        int source = VanishSource(kind);
        if (kind == BLOCK_EMPTY) frames.push_back(Frame(Canvas(kW, kH)));
        else if (kind == BLOCK_EXPLOSION) frames = Explosion();
        else if (kind == 20)
            for (int f = 0; f < kShineFrames; f++) frames.push_back(Frame(Shine(f)));
        else if (pu >= 0)
            for (int f = 0; f < (Loops(kind) ? kCapsuleFrames : 1); f++) frames.push_back(Frame(PowerUpBlock(pu, f, Loops(kind))));
        else if (source >= 0) frames = Vanish(kind == 24 ? KindPicture(24) : KindPicture(source));
        else frames.push_back(Frame(KindPicture(kind)));
        type.Add(std::move(frames));
    }
    type.boxX = 0, type.boxY = 0, type.boxW = kW, type.boxH = kH;
    return type;
}
