// The pads: metal bars with red end caps whose guns rise out of the inner side of each end.
#include <cmath>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"

namespace {

constexpr int kPadH = 14;       // the collision box is 13 high; a ball under the pad is put 16 below its top
constexpr int kEnd = 14;        // end pieces are drawn 14 wide
constexpr int kMiddle = 80;     // drawn up to 104 - 28 = 76 wide
constexpr int kGunRise = 6;     // how far a raised gun stands above the pad
constexpr int kGunSteps = 4;    // frames of raising or lowering

// The body of a pad `width` wide: rounded red caps at both ends, a steel bar between them with a
// glowing strip. When it is narrow the caps shrink with it.
void PadBody(Canvas& c, int width, int top)
{
    const float h = kPadH, r = h / 2;
    const float cap = std::min(float(kEnd) - 2, float(width) * 0.3f);
    auto inside = [&](float x, float y) {
        float dy = y - (float(top) + r);
        if (std::fabs(dy) > r - 0.5f) return false;
        float ex = std::max(0.0f, std::max(r - x, x - (float(width) - r)));
        return ex * ex + dy * dy <= (r - 0.5f) * (r - 0.5f);
    };
    auto paint = [&](float x, float y) {
        float v = (y - float(top)) / h;  // 0 top .. 1 bottom
        bool end = x < cap || x > float(width) - cap;
        Hue hue = end ? HUE_RED : HUE_STEEL;
        // Cylinder shading: bright just above the middle, dark at the bottom.
        float t = 0.95f - 1.1f * std::fabs(v - 0.3f);
        Rgb col = HueAt(hue, std::clamp(t, 0.08f, 1.0f));
        if (!end && std::fabs(v - 0.62f) < 0.09f) col = Mix(col, HueAt(HUE_CYAN, 0.8f), 0.8f);
        if (std::fabs(x - cap) < 0.8f || std::fabs(x - (float(width) - cap)) < 0.8f) col = HueAt(HUE_STEEL, 0.15f);
        return col;
    };
    c.Fill(0, top, width, top + kPadH, inside, paint);
}

// A gun barrel on an end piece, its top `rise` pixels above the pad.
void Gun(Canvas& c, int x, int top, int rise)
{
    if (rise <= 0) return;
    FillGradientV(c, x, top - rise, 4, rise + 2, HueAt(HUE_STEEL, 0.85f), HueAt(HUE_STEEL, 0.35f));
    FillRect(c, x, top - rise, 1, rise + 2, HueAt(HUE_STEEL, 0.98f));
    FillRect(c, x + 3, top - rise, 1, rise + 2, HueAt(HUE_STEEL, 0.15f));
    if (rise == kGunRise) FillRect(c, x + 1, top - rise, 2, 1, HueAt(HUE_CYAN, 0.9f));
}

// One frame of an end piece: the left or the right 14 columns of a whole pad, with its gun.
Image EndPiece(bool left, int rise)
{
    const int whole = kEnd * 2 + kMiddle;
    Canvas pad(whole, kPadH + kGunRise);
    PadBody(pad, whole, kGunRise);
    // The guns sit where the bullets leave: pad x + 10 and pad x + width - 14.
    Gun(pad, left ? 10 : whole - kEnd, kGunRise, rise);
    return Frame(pad.Crop(left ? 0 : whole - kEnd, 0, kEnd, kPadH + kGunRise), 0, kGunRise);
}

std::vector<Image> EndMotion(bool left, bool raising)
{
    std::vector<Image> frames;
    for (int f = 0; f < kGunSteps; f++) {
        int step = raising ? f + 1 : kGunSteps - 1 - f;
        frames.push_back(EndPiece(left, kGunRise * step / kGunSteps));
    }
    return frames;
}

}  // namespace

Canvas PadPicture(int width)
{
    Canvas c(width, kPadH);
    PadBody(c, width, 0);
    return c;
}

SpriteTypeArt DrawPadType()
{
    SpriteTypeArt type;
    type.name = "Pad";
    std::vector<Image> frames;
    for (int f = 0; f < PAD_NARROW_FRAMES; f++) {
        int width = (f + 1) * 2;
        Canvas c(width, kPadH);
        PadBody(c, width, 0);
        frames.push_back(Frame(c));
    }
    type.Add(std::move(frames));
    type.boxW = 2, type.boxH = 13;
    return type;
}

SpriteTypeArt DrawPadPieceType()
{
    SpriteTypeArt type;
    type.name = "PadPieces";
    const int whole = kEnd * 2 + kMiddle;
    Canvas pad(whole, kPadH);
    PadBody(pad, whole, 0);
    type.Add({EndPiece(true, 0)});                  // left rest
    type.Add({EndPiece(false, 0)});                 // right rest
    type.Add({Frame(pad.Crop(kEnd, 0, kMiddle, kPadH))});
    type.Add(EndMotion(true, true));                // left raise
    type.Add(EndMotion(false, true));               // right raise
    type.Add(EndMotion(true, false));               // left lower
    type.Add(EndMotion(false, false));              // right lower
    type.Add({EndPiece(true, kGunRise)});           // left raised
    type.Add({EndPiece(false, kGunRise)});          // right raised
    type.boxX = 0, type.boxY = kGunRise, type.boxW = kEnd, type.boxH = 13;
    return type;
}
