// The game screen's frame and status panel, the messages of a turn, game over and the exit
// confirmation box.
#include <cmath>
#include <optional>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"
#include "tools/datagen/art/text.h"

namespace {

constexpr int kScreenW = 640, kScreenH = 480;
constexpr int kFieldX = 8, kFieldY = 8, kFieldW = 480, kFieldH = 464;
constexpr int kPanelX = 498;             // the status panel's left edge; only 142 columns show
constexpr int kPanelW = kScreenW - kPanelX;
constexpr int kPlayerPanelH = 192;

// Brushed dark metal: fine horizontal streaks over a steel ramp.
void BrushedMetal(Canvas& c, int x, int y, int w, int h, Hue hue, float light)
{
    for (int py = y; py < y + h; py++) {
        float streak = 0.04f * std::sin(float(py) * 2.7f) + 0.03f * std::sin(float(py) * 0.9f + 1);
        for (int px = x; px < x + w; px++) {
            float grain = 0.025f * std::sin(float(px) * 0.31f + float(py) * 5.1f);
            c.Set(px, py, HueAt(hue, std::clamp(light + streak + grain, 0.0f, 1.0f)));
        }
    }
}

// A sunken tray: dark face with a bevel lit from below right.
void Tray(Canvas& c, int x, int y, int w, int h)
{
    FillRect(c, x, y, w, h, HueAt(HUE_NAVY, 0.1f));
    Bevel(c, x, y, w, h, -2, HueAt(HUE_STEEL, 0.6f), HueAt(HUE_STEEL, 0.04f));
}

Canvas ScreenFrame()
{
    Canvas c(kScreenW, kScreenH);
    BrushedMetal(c, 0, 0, kScreenW, kScreenH, HUE_STEEL, 0.28f);
    // The playfield sits in a sunken well; its inside is left clear for the background.
    Bevel(c, kFieldX - 4, kFieldY - 4, kFieldW + 8, kFieldH + 8, -4, HueAt(HUE_STEEL, 0.8f), HueAt(HUE_STEEL, 0.05f));
    Bevel(c, 1, 1, kScreenW - 2, kScreenH - 2, 2, HueAt(HUE_STEEL, 0.7f), HueAt(HUE_STEEL, 0.1f));
    // The panel: a dark recess from the top of the screen to the bottom.
    Tray(c, kPanelX - 4, 4, kPanelW + 4 - 3, kScreenH - 8);
    // Rivets down the divider between field and panel.
    for (int y = 24; y < kScreenH - 16; y += 48) Sphere(c, 491.5f, float(y), 1.8f, 1.8f, HueAt(HUE_STEEL, 0.65f));
    // The name of the game over the players' blocks.
    if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) {
        DrawText(c, *face, 25, "TALTRIX", kPanelX + kPanelW / 2 - 2, 14, Lettering(HUE_GOLD, 1, 2), true);
    }
    Line(c, kPanelX + 8, 50, kScreenW - 12, 50, 1, HueAt(HUE_GOLD, 0.5f));
    // The version line's strip at the bottom of the panel.
    Tray(c, kPanelX, kScreenH - 31, kPanelW - 6, 22);
    // Clear the playfield.
    for (int y = kFieldY; y < kFieldY + kFieldH; y++)
        for (int x = kFieldX; x < kFieldX + kFieldW; x++) c.alpha[size_t(y) * kScreenW + x] = 0;
    return c;
}

// One player's block of the panel: name plate, level and score rows, the icon tray, the lives
// box and the power-up name strip, at the positions the panel text is printed at.
Canvas PlayerPanel()
{
    Canvas c(kPanelW, kPlayerPanelH);
    BrushedMetal(c, 0, 0, kPanelW, kPlayerPanelH, HUE_NAVY, 0.36f);
    Bevel(c, 0, 0, kPanelW - 3, kPlayerPanelH, 2, HueAt(HUE_STEEL, 0.8f), HueAt(HUE_STEEL, 0.1f));
    // Name plate behind "Player n" at (24, 2).
    ShadedPlate(c, 3, 2, kPanelW - 9, 17, {HueAt(HUE_BLUE, 0.15f), HueAt(HUE_BLUE, 0.35f), HueAt(HUE_BLUE, 0.55f), HueAt(HUE_BLUE, 0.8f)}, 1);
    // Level and score rows.
    Tray(c, 2, 19, kPanelW - 7, 34);
    // Effect icons: 3 x 3 slots of 34 x 28 from (0, 54).
    Tray(c, 0, 52, 104, 88);
    for (int r = 0; r < 3; r++)
        for (int col = 0; col < 3; col++) {
            // The icons (32 x 16) are drawn at the slot's top-left.
            FillRect(c, col * 34 + 1, 54 + r * 28 - 1, 33, 18, HueAt(HUE_NAVY, 0.16f));
            Bevel(c, col * 34 + 1, 54 + r * 28 - 1, 33, 18, -1, HueAt(HUE_NAVY, 0.45f), HueAt(HUE_NAVY, 0.02f));
        }
    // Lives: the icon at (104, 56), "x" at (118, 54), the count at (106, 68).
    Tray(c, 102, 52, kPanelW - 105, 36);
    // The name of the last power-up at (4, 140).
    Tray(c, 2, 139, kPanelW - 7, 19);
    return c;
}

// Big lettering for the messages, on a bevelled plate when one is asked for.
Canvas Title(const std::string& text, int size, Hue hue, std::optional<Hue> plate = std::nullopt)
{
    const Typeface* face = Face("DejaVuSans-Bold.ttf");
    TextMask m = face ? face->Render(text, size) : TextMask{};
    int pad = plate ? 18 : 6;
    Canvas c(m.w + 2 * pad, m.h + 2 * pad - 4);
    if (plate) {
        Hue ph = *plate;
        ShadedPlate(c, 0, 4, c.w, c.h - 8, {HueAt(ph, 0.05f), HueAt(ph, 0.25f), HueAt(ph, 0.5f), HueAt(ph, 0.8f)}, 3);
        Bevel(c, 0, 4, c.w, c.h - 8, 1, HueAt(HUE_GOLD, 0.9f), HueAt(HUE_GOLD, 0.3f));
    }
    PaintText(c, m, pad, pad - 2, Lettering(hue, 2, 3));
    return c;
}

}  // namespace

SpriteTypeArt DrawFrameType()
{
    SpriteTypeArt type;
    type.name = "Frame";
    type.Add({Frame(ScreenFrame())});
    type.Add({Frame(PlayerPanel())});
    return type;
}

SpriteTypeArt DrawMessageType()
{
    SpriteTypeArt type;
    type.name = "Messages";
    type.Add({Frame(Title("NEW BALL", 34, HUE_CYAN))});
    type.Add({Frame(Title("READY", 44, HUE_GOLD))});
    type.Add({Frame(Title("GO!", 52, HUE_LIME))});
    type.Add({Frame(Title("LEVEL COMPLETE", 30, HUE_GOLD, HUE_BLUE))});
    return type;
}

SpriteTypeArt DrawGameOverType()
{
    SpriteTypeArt type;
    type.name = "GameOver";
    type.Add({Frame(Title("GAME OVER", 50, HUE_RED))});
    return type;
}

SpriteTypeArt DrawExitDialogType()
{
    // The question is printed at (13, 5) and (35, 27), "Yes" at (50, 59) and "No" at (203, 59).
    constexpr int w = 250, h = 90;
    Canvas c(w, h);
    const Palette& pal = GamePalette();
    FillRect(c, 0, 0, w, h, pal.Shown(PAL_BOX_FACE));
    Bevel(c, 0, 0, w, h, 2, pal.Shown(PAL_BOX_EDGE), pal.Shown(PAL_BOX_SHADE));
    FillGradientV(c, 4, 4, w - 8, h - 8, HueAt(HUE_NAVY, 0.3f), HueAt(HUE_NAVY, 0.12f));
    Bevel(c, 4, 4, w - 8, h - 8, -1, pal.Shown(PAL_BOX_EDGE), pal.Shown(PAL_BOX_SHADE));
    for (int bx : {40, 188}) {
        ShadedPlate(c, bx, 56, 56, 25, {HueAt(HUE_STEEL, 0.1f), HueAt(HUE_STEEL, 0.3f), HueAt(HUE_STEEL, 0.45f), HueAt(HUE_STEEL, 0.7f)}, 2);
    }
    SpriteTypeArt type;
    type.name = "ExitDialog";
    type.Add({Frame(c)});
    return type;
}

SpriteTypeArt DrawSpareType(int slot)
{
    SpriteTypeArt type;
    type.name = "Spare" + std::to_string(slot);
    type.Add({Frame(Canvas(8, 1))});
    return type;
}
