// The pads: metal bars with red end caps whose guns rise out of the inner side of each end.
#include <cmath>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"

namespace {

constexpr int kPadH = 14;       // the collision box is 13 high; a ball under the pad is put 16 below its top
constexpr int kEnd = 14;        // end pieces are drawn 14 wide
constexpr int kMiddle = 80;     // drawn up to 104 - 28 = 76 wide
constexpr int kGunRise = 5;     // how far a raised gun stands above a resting one
constexpr int kGunSteps = 4;    // frames of raising or lowering
constexpr int kGunTop = kGunRise + 2;  // rows above the pad that a raised gun takes

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

// A gun on an end piece: a squat mount on the pad and a barrel whose top stands `rise` pixels
// above the pad (a stub at rest); a raised gun's muzzle glows.
void Gun(Canvas& c, int x, int top, int rise)
{
    int barrelTop = top - 2 - rise;
    FillGradientV(c, x, barrelTop, 4, top + 2 - barrelTop, HueAt(HUE_STEEL, 0.55f), HueAt(HUE_STEEL, 0.2f));
    FillRect(c, x, barrelTop, 1, top + 2 - barrelTop, HueAt(HUE_STEEL, 0.95f));
    FillRect(c, x + 3, barrelTop, 1, top + 2 - barrelTop, HueAt(HUE_STEEL, 0.08f));
    FillRect(c, x + 1, barrelTop, 2, 1, rise == kGunRise ? HueAt(HUE_CYAN, 0.95f) : HueAt(HUE_STEEL, 0.1f));
    // The mount straddles the pad's top edge.
    ShadedPlate(c, x - 1, top - 1, 6, 4, {HueAt(HUE_STEEL, 0.1f), HueAt(HUE_STEEL, 0.3f), HueAt(HUE_STEEL, 0.5f), HueAt(HUE_STEEL, 0.8f)}, 1);
}

// One frame of an end piece: the left or the right 14 columns of a whole pad, with its gun.
Image EndPiece(bool left, int rise)
{
    const int whole = kEnd * 2 + kMiddle;
    Canvas pad(whole, kPadH + kGunTop);
    PadBody(pad, whole, kGunTop);
    // The guns sit where the bullets leave: pad x + 10 and pad x + width - 14.
    Gun(pad, left ? 10 : whole - kEnd, kGunTop, rise);
    return Frame(pad.Crop(left ? 0 : whole - kEnd, 0, kEnd, kPadH + kGunTop), 0, kGunTop);
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
    type.boxX = 0, type.boxY = kGunTop, type.boxW = kEnd, type.boxH = 13;
    return type;
}
