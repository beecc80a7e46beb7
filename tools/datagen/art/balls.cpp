// The small round things: balls, bullets, particles, the extra-ball sparkle and the atom.
#include <cmath>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"

namespace {

constexpr int kBall = 12;  // the block-grid test takes a ball as a 12 x 12 box
constexpr float kPi = 3.14159265f;

// One look of the ball: a steel sphere or a fire ball, squashed to rx x ry.
Canvas Ball(float rx, float ry, bool fire)
{
    Canvas c(kBall, kBall);
    const float centre = kBall / 2.0f;
    if (fire) {
        Ellipse(c, centre, centre, rx, ry, HueAt(HUE_FIRE, 0.3f));
        Ellipse(c, centre, centre, rx - 1, ry - 1, HueAt(HUE_FIRE, 0.5f));
        Sphere(c, centre - 0.3f, centre - 0.3f, rx * 0.65f, ry * 0.65f, HueAt(HUE_FIRE, 0.72f), 0.8f);
        Glow(c, centre - 1, centre - 1, 3, Rgb{255, 255, 220}, 0.9f);
    } else {
        Sphere(c, centre, centre, rx, ry, HueAt(HUE_STEEL, 0.72f), 1.4f);
    }
    return c;
}

// The squash after a rebound: frame 0 slight, frame 1 strongest, frame 2 recovering.
std::vector<Image> Squash(bool flatten, bool fire)
{
    std::vector<Image> frames;
    for (float k : {0.9f, 0.72f, 0.82f}) {
        float along = 5.8f, across = 5.8f * k;
        frames.push_back(Frame(flatten ? Ball(along, across, fire) : Ball(across, along, fire)));
    }
    return frames;
}

}  // namespace

SpriteTypeArt DrawBallType()
{
    SpriteTypeArt type;
    type.name = "Balls";
    for (bool fire : {false, true}) {
        type.Add({Frame(Ball(5.8f, 5.8f, fire))});
        type.Add(Squash(true, fire));
        type.Add(Squash(false, fire));
    }
    type.boxW = kBall, type.boxH = kBall;
    return type;
}

SpriteTypeArt DrawBulletType()
{
    SpriteTypeArt type;
    type.name = "Bullets";
    type.Add(Animation(2, 6, 10, [&](Canvas& c, int f) {
        Glow(c, 3, 5, 5, HueAt(HUE_CYAN, 0.6f), 0.9f);
        Ellipse(c, 3, 4.5f, 1.8f, 4.2f, HueAt(HUE_CYAN, f ? 0.85f : 0.75f));
        Ellipse(c, 3, 3.5f, 0.9f, 2.5f, Rgb{255, 255, 255});
    }));
    type.Add(Animation(4, 12, 12, [&](Canvas& c, int f) {
        float r = 2.0f + float(f) * 1.4f;
        for (int k = 0; k < 6; k++) {
            float a = float(k) * kPi / 3 + 0.3f;
            Line(c, 6 + std::cos(a) * r * 0.4f, 6 + std::sin(a) * r * 0.4f, 6 + std::cos(a) * r, 6 + std::sin(a) * r, 1.2f,
                 HueAt(HUE_CYAN, 0.95f - 0.15f * float(f)), 1.0f - 0.2f * float(f));
        }
        if (f < 2) Disc(c, 6, 6, 2.5f - float(f), Rgb{255, 255, 255});
    }, 3, 2));
    type.boxW = 6, type.boxH = 10;
    return type;
}

SpriteTypeArt DrawParticleType()
{
    // By particle animation: fire sparks, fast-ball sparks, bullet impacts, explosion debris.
    static const Hue hues[PARTICLE_ANIMS] = {HUE_FIRE, HUE_CYAN, HUE_STEEL, HUE_BROWN};
    SpriteTypeArt type;
    type.name = "Particles";
    for (int a = 0; a < PARTICLE_ANIMS; a++) {
        type.Add(Animation(4, 5, 5, [&](Canvas& c, int f) {
            float r = 2.4f - 0.45f * float(f), t = 0.9f - 0.2f * float(f);
            if (a == PARTICLE_DEBRIS) {
                Polygon(c, {0.5f, 1, 4.5f - float(f), 0.5f, 3.5f - float(f) * 0.5f, 4.5f - float(f) * 0.7f}, HueAt(hues[a], t - 0.2f));
            } else {
                Disc(c, 2.5f, 2.5f, r + 0.5f, HueAt(hues[a], t * 0.7f));
                Disc(c, 2.5f, 2.5f, std::max(0.6f, r - 0.6f), HueAt(hues[a], t + 0.1f));
            }
        }, 2, 2));
    }
    return type;
}

SpriteTypeArt DrawSparkleType()
{
    SpriteTypeArt type;
    type.name = "Sparkle";
    type.Add(Animation(9, 20, 20, [&](Canvas& c, int f) {
        float t = float(f + 1) / 9, turn = t * 0.6f;
        // A four-pointed star with four shorter points between, white at the heart, gold outside.
        for (int layer = 0; layer < 2; layer++) {
            float outer = (layer ? 5.0f : 9.5f) * (0.35f + 0.65f * t), inner = 1.2f + t;
            float offset = turn + (layer ? kPi / 4 : 0);
            std::vector<float> pts;
            for (int k = 0; k < 8; k++) {
                float a = offset + float(k) * kPi / 4, r = k % 2 ? inner : outer;
                pts.push_back(10 + std::cos(a) * r), pts.push_back(10 + std::sin(a) * r);
            }
            Polygon(c, pts, HueAt(HUE_GOLD, layer ? 0.75f : 0.6f));
        }
        Disc(c, 10, 10, 1.2f + 1.3f * t, HueAt(HUE_GOLD, 0.95f));
        Disc(c, 10, 10, 0.6f + 0.8f * t, Rgb{255, 255, 255});
    }));
    return type;
}

SpriteTypeArt DrawAtomType()
{
    SpriteTypeArt type;
    type.name = "Atom";
    type.Add(Animation(8, 20, 20, [&](Canvas& c, int f) {
        float pulse = 0.5f + 0.5f * std::cos(float(f) * kPi / 4);
        Glow(c, 10, 10, 10, HueAt(HUE_MAGENTA, 0.7f), 0.6f + 0.4f * pulse);
        for (int k = 0; k < 3; k++) {
            // Three tilted orbits with an electron each, turning with the frame.
            float tilt = float(k) * kPi / 3;
            EllipseStroke(c, 10, 10, 8.5f, 3.2f, tilt, 0.9f, HueAt(HUE_MAGENTA, 0.9f), 0.8f);
            float u = float(f) / 8 * 2 * kPi + float(k) * 2.1f;
            float ox = 8.5f * std::cos(u), oy = 3.2f * std::sin(u);
            Disc(c, 10 + ox * std::cos(tilt) - oy * std::sin(tilt), 10 + ox * std::sin(tilt) + oy * std::cos(tilt), 1.2f,
                 Rgb{255, 255, 255});
        }
        Sphere(c, 10, 10, 3.2f, 3.2f, HueAt(HUE_MAGENTA, 0.65f + 0.2f * pulse));
    }));
    return type;
}
