// The main menu's items and its blinking prompt.
#include <cmath>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"
#include "tools/datagen/art/text.h"

namespace {

constexpr int kItemW = 430, kItemH = 36;

// An item: a steel bar with the item's name; highlighted, the bar glows gold.
Canvas MenuItem(const char* text, bool lit)
{
    Canvas c(kItemW, kItemH);
    Hue hue = lit ? HUE_GOLD : HUE_STEEL;
    float base = lit ? 0.25f : 0.12f;
    ShadedPlate(c, 0, 0, kItemW, kItemH,
                {HueAt(hue, base * 0.3f), HueAt(hue, base), HueAt(hue, base + 0.2f), HueAt(hue, base + 0.45f)}, 2);
    // A ball marks the chosen line at both ends.
    for (float x : {22.0f, float(kItemW) - 22}) {
        if (lit) {
            Glow(c, x, kItemH / 2.0f, 12, HueAt(HUE_FIRE, 0.8f), 0.9f);
            Sphere(c, x, kItemH / 2.0f, 7, 7, HueAt(HUE_FIRE, 0.65f));
        }
        else Sphere(c, x, kItemH / 2.0f, 5, 5, HueAt(HUE_STEEL, 0.35f), 0.4f);
    }
    if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) {
        TextStyle style = lit ? Lettering(HUE_GOLD, 2, 2) : Lettering(HUE_STEEL, 2, 2);
        if (!lit) style.top = HueAt(HUE_STEEL, 0.9f), style.bottom = HueAt(HUE_STEEL, 0.55f);
        TextMask m = face->Render(text, 24);
        PaintText(c, m, (kItemW - m.w) / 2, (kItemH - m.h) / 2, style);
    }
    return c;
}

}  // namespace

SpriteTypeArt DrawMenuItemType()
{
    static const char* const items[MENU_ITEMS] = {"One Player", "Load Game", "Two Players", "Options", "Help", "Exit"};
    SpriteTypeArt type;
    type.name = "MenuItems";
    for (const char* item : items) type.Add({Frame(MenuItem(item, false)), Frame(MenuItem(item, true))});
    return type;
}

SpriteTypeArt DrawPromptType()
{
    SpriteTypeArt type;
    type.name = "Prompt";
    const Typeface* face = Face("DejaVuSans-Bold.ttf");
    TextMask m = face ? face->Render("Press Enter to Play", 22) : TextMask{};
    Canvas c(m.w + 12, m.h + 8);
    PaintText(c, m, 5, 3, Lettering(HUE_CYAN, 2, 0));
    type.Add({Frame(c)});
    return type;
}
