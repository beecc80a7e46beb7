// The power-up capsules (which double as the status panel's effect icons), the turn marker and
// the notification banners shown under the pad.
#include <cmath>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"
#include "tools/datagen/art/text.h"

namespace {

constexpr int kCapW = 32, kCapH = 16;
constexpr float kPi = 3.14159265f;
constexpr int kNotifyFrames = 12;  // 0..5 open, 6 held while the name shows, 7..11 close
constexpr int kNotifyH = 26;

struct PowerUpLook {
    const char* letter;
    Hue hue;
};

// Letters and colours of the ten power-up kinds.
const PowerUpLook kLooks[10] = {
    {"A", HUE_GREEN}, {"F", HUE_RED},  {"S", HUE_CYAN}, {"E", HUE_GOLD},  {"M", HUE_ORANGE},
    {"T", HUE_PURPLE}, {"?", HUE_GREY}, {"!", HUE_FIRE}, {"V", HUE_STEEL}, {"C", HUE_LIME},
};

// The capsule's letter, white with a dark rim, on a canvas of the capsule's size.
Canvas LetterDecal(int kind)
{
    Canvas decal(kCapW, kCapH);
    if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) {
        TextStyle style;
        style.top = Rgb{255, 255, 255};
        style.bottom = HueAt(kLooks[kind].hue, 0.95f);
        style.outline = HueAt(kLooks[kind].hue, 0.05f);
        style.outlinePx = 1;
        TextMask m = face->Render(kLooks[kind].letter, 13);
        // Centre the capital letters: their height is about 0.73 of the pixel size.
        PaintText(decal, m, kCapW / 2 - m.w / 2, kCapH / 2 - m.ascent + int(13 * 0.73f / 2 + 0.5f), style);
    }
    return decal;
}

// Three balls side by side: the multi-ball marker, steel or on fire.
Canvas MultiBallMarker(bool fire)
{
    Canvas c(kCapW, kCapH);
    for (int k = 0; k < 3; k++) {
        float x = 7.0f + float(k) * 9, y = k == 1 ? 6.0f : 9.5f;
        if (fire) Glow(c, x, y, 7, HueAt(HUE_FIRE, 0.3f), 1.2f);
        Sphere(c, x, y, 4.5f, 4.5f, fire ? HueAt(HUE_FIRE, 0.45f) : HueAt(HUE_STEEL, 0.7f));
    }
    return c;
}

// A banner of light with the event's name in it: it opens from the centre (frames 0..5), stands
// (6) and folds shut towards its middle line (7..11).
Canvas NotifyBanner(const char* text, Hue hue, int f)
{
    const Typeface* face = Face("DejaVuSans-Bold.ttf");
    TextMask m = face ? face->Render(text, 17) : TextMask{};
    int w = m.w + 48;
    Canvas c(w, kNotifyH);
    float open = f <= 6 ? float(f + 1) / 7 : 1;
    float tall = f <= 6 ? 1 : 1 - float(f - 6) / float(kNotifyFrames - 6);
    float halfW = open * float(w) / 2, halfH = tall * kNotifyH / 2.0f;
    auto inside = [&](float x, float y) {
        float dx = std::fabs(x - float(w) / 2), dy = std::fabs(y - kNotifyH / 2.0f);
        // Pointed ends: the banner narrows over its last 12 pixels.
        float reach = halfH * std::min(1.0f, (halfW - dx) / 12);
        return dx <= halfW && dy <= reach;
    };
    c.Fill(0, 0, w, kNotifyH, inside, [&](float, float y) {
        float v = std::fabs(y - kNotifyH / 2.0f) / std::max(halfH, 1.0f);
        return v > 0.8f ? HueAt(hue, 0.9f) : Mix(HueAt(hue, 0.55f), HueAt(hue, 0.22f), v);
    });
    if (f >= 3 && f <= 8 && face) {
        TextStyle style;
        style.top = Rgb{255, 255, 255};
        style.bottom = HueAt(hue, 0.9f);
        style.outline = HueAt(hue, 0.05f);
        style.outlinePx = 1;
        Canvas letters(w, kNotifyH);
        PaintText(letters, m, (w - m.w) / 2, (kNotifyH - m.h) / 2, style);
        // The name shows only where the banner already stands.
        for (int y = 0; y < kNotifyH; y++)
            for (int x = 0; x < w; x++)
                if (inside(float(x) + 0.5f, float(y) + 0.5f)) c.Blend(x, y, letters.At(x, y), letters.AlphaAt(x, y));
    }
    return c;
}

}  // namespace

void PaintCapsule(Canvas& c, int kind, float cx, float cy, float turn)
{
    const PowerUpLook& look = kLooks[kind];
    const Canvas decal = LetterDecal(kind);
    const float hw = kCapW / 2.0f - 1, r = kCapH / 2.0f - 1;
    const float spin = turn * 2 * kPi;
    auto pill = [&](float x, float y, float grow) {
        float dx = std::fabs(x - cx), dy = y - cy;
        if (dx <= hw - r) return std::fabs(dy) <= r + grow;
        float ex = dx - (hw - r);
        return ex * ex + dy * dy <= (r + grow) * (r + grow);
    };
    auto inside = [&](float x, float y) { return pill(x, y, 0); };
    // A dark rim keeps the capsule clear of any background.
    c.Fill(int(cx - hw - 2), int(cy - r - 2), int(cx + hw + 3), int(cy + r + 3), [&](float x, float y) { return pill(x, y, 1); },
           [&](float, float) { return HueAt(look.hue, 0.04f); });
    auto paint = [&](float x, float y) {
        // The capsule rolls about its long axis: a point at height v sits at angle theta on the
        // cylinder; the letter is printed on the front and the back and rolls with the spin.
        float v = std::clamp((y - cy) / r, -1.0f, 1.0f);
        float theta = std::asin(v);
        float light = std::cos(theta - 0.5f);
        Rgb body = HueAt(look.hue, std::clamp(0.12f + 0.55f * light, 0.0f, 1.0f));
        // Bright bands at the joins of the two halves.
        float dx = x - cx;
        if (std::fabs(std::fabs(dx) - 9) < 1.0f) body = Shade(body, 0.35f);
        for (float side : {0.0f, kPi}) {
            float phi = std::remainder(theta - spin - side, 2 * kPi);
            if (std::fabs(phi) < 1.1f && std::fabs(dx) < 8) {
                float row = (phi / 1.1f * 0.5f + 0.5f) * float(kCapH);
                int sx = std::clamp(int(kCapW / 2.0f + dx), 0, kCapW - 1), sy = std::clamp(int(row), 0, kCapH - 1);
                float a = decal.AlphaAt(sx, sy) * std::cos(phi * 0.9f);
                body = Mix(body, Shade(decal.At(sx, sy), -0.3f * (1 - light)), std::max(0.0f, a));
            }
        }
        // Specular streak along the upper side.
        float spec = std::exp(-std::pow((v + 0.45f) * 4.0f, 2.0f));
        return Mix(body, Rgb{255, 255, 255}, 0.55f * spec);
    };
    c.Fill(int(cx - hw - 1), int(cy - r - 1), int(cx + hw + 2), int(cy + r + 2), inside, paint);
}

SpriteTypeArt DrawCapsuleType()
{
    SpriteTypeArt type;
    type.name = "PowerUps";
    for (int kind = 0; kind < PU_MULTI_BALL_MARKER; kind++) {
        type.Add(Animation(kCapsuleFrames, kCapW, kCapH, [&](Canvas& c, int f) {
            PaintCapsule(c, kind, kCapW / 2.0f, kCapH / 2.0f, float(f) / kCapsuleFrames);
        }));
    }
    type.Add({Frame(MultiBallMarker(false)), Frame(MultiBallMarker(true))});
    return type;
}

SpriteTypeArt DrawTurnMarkerType()
{
    SpriteTypeArt type;
    type.name = "TurnMarker";
    type.Add(Animation(4, kCapW, kCapH, [&](Canvas& c, int f) {
        float pulse = 0.5f + 0.5f * std::cos(float(f) * kPi / 2);
        Glow(c, 10, 8, 9, HueAt(HUE_GOLD, 0.8f), 0.5f + 0.4f * pulse);
        // A gold arrow pointing at the player's name.
        Polygon(c, {2, 8, 12, 1, 12, 5, 29, 5, 29, 11, 12, 11, 12, 15}, HueAt(HUE_GOLD, 0.15f));
        Polygon(c, {3, 8, 11, 2.5f, 11, 6, 28, 6, 28, 10, 11, 10, 11, 13.5f}, HueAt(HUE_GOLD, 0.65f + 0.3f * pulse));
        Line(c, 12, 6.5f, 27, 6.5f, 1, HueAt(HUE_GOLD, 1), 0.7f);
    }));
    return type;
}

SpriteTypeArt DrawNotifyType()
{
    struct Event {
        const char* text;
        Hue hue;
    };
    // By notification animation.
    static const Event events[NOTIFY_ANIMS] = {
        {"MULTI-BALL", HUE_CYAN},   {"TALTRIX!", HUE_FIRE},    {"VEXA SHOTS", HUE_STEEL}, {"AUTO PAD", HUE_GREEN},
        {"FAST BALL", HUE_RED},     {"SLOW BALL", HUE_BLUE},   {"SUPER PAD", HUE_GOLD},   {"MINI PAD", HUE_ORANGE},
        {"TWIN PADS", HUE_PURPLE},  {"STICKY PAD", HUE_LIME},  {"SPECTRAL NUKE", HUE_MAGENTA},
        {"GAME SAVED", HUE_TEAL},   {"GAME LOADED", HUE_TEAL}, {"EXTRA BALL", HUE_GOLD},
    };
    SpriteTypeArt type;
    type.name = "Notify";
    for (const Event& e : events) {
        std::vector<Image> frames;
        for (int f = 0; f < kNotifyFrames; f++) frames.push_back(Frame(NotifyBanner(e.text, e.hue, f)));
        type.Add(std::move(frames));
    }
    return type;
}
