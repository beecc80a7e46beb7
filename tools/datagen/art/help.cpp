// The help pages and the company page: 640 x 480 pictures with their own frame at (7, 7) to
// (632, 472); the game prints "Press Space to Continue" over the bottom strip.
#include <cmath>

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/draw.h"
#include "tools/datagen/art/palette.h"
#include "tools/datagen/art/text.h"

namespace {

constexpr int kW = 640, kH = 480;
constexpr int kBottomStrip = 440;  // from here down the page stays plain for the prompt

// The page: the GUI box's bevelled frame round a dark face.
Canvas Page(const char* title)
{
    Canvas c(kW, kH);
    FillRect(c, 0, 0, kW, kH, Rgb{0, 0, 0});
    const Palette& pal = GamePalette();
    // The seven rings of the GUI box round (7, 7)-(632, 472), as the game draws them.
    for (int k = 1; k <= 7; k++) {
        Rgb tl = pal.Shown(k <= 2 ? PAL_BOX_SHADE : k <= 5 ? PAL_BOX_FACE : PAL_BOX_EDGE);
        Rgb br = pal.Shown(k <= 2 ? PAL_BOX_EDGE : k <= 5 ? PAL_BOX_FACE : PAL_BOX_SHADE);
        int x0 = 7 - k, y0 = 7 - k, x1 = 632 + k, y1 = 472 + k;
        for (int x = x0; x <= x1; x++) c.Set(x, y0, tl), c.Set(x, y1, br);
        for (int y = y0; y <= y1; y++) c.Set(x0, y, tl), c.Set(x1, y, br);
    }
    FillRect(c, 7, 7, 626, kBottomStrip - 7, HueAt(HUE_NAVY, 0.14f));
    if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) DrawText(c, *face, 30, title, kW / 2, 18, Lettering(HUE_GOLD, 2, 3), true);
    return c;
}

TextStyle Body()
{
    TextStyle s;
    s.top = Rgb{240, 244, 255}, s.bottom = HueAt(HUE_STEEL, 0.75f), s.outline = HueAt(HUE_NAVY, 0.02f), s.outlinePx = 1;
    return s;
}

void Heading(Canvas& c, const char* text, int x, int y)
{
    if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) DrawText(c, *face, 19, text, x, y, Lettering(HUE_CYAN, 1, 2));
    Line(c, float(x), float(y + 26), float(x + 280), float(y + 26), 1, HueAt(HUE_CYAN, 0.45f));
}

void Say(Canvas& c, const std::string& text, int x, int y)
{
    if (const Typeface* face = Face("DejaVuSans.ttf")) DrawText(c, *face, 13, text, x, y, Body());
}

// A row of the block key: the block's picture, then its name and what it does.
void BlockRow(Canvas& c, int kind, int x, int y, const char* text)
{
    c.Draw(BlockPicture(kind), x, y);
    if (kind == BLOCK_HIDDEN) {
        // A hidden block cannot be seen: show where it waits with a dotted outline.
        for (int k = 0; k < 40; k += 3) c.Set(x + k, y, HueAt(HUE_STEEL, 0.6f)), c.Set(x + k, y + 19, HueAt(HUE_STEEL, 0.6f));
        for (int k = 0; k < 20; k += 3) c.Set(x, y + k, HueAt(HUE_STEEL, 0.6f)), c.Set(x + 39, y + k, HueAt(HUE_STEEL, 0.6f));
    }
    Say(c, text, x + 50, y + 1);
}

void KeyCap(Canvas& c, int x, int y, int w, const char* label)
{
    ShadedPlate(c, x, y, w, 22, {HueAt(HUE_STEEL, 0.1f), HueAt(HUE_STEEL, 0.4f), HueAt(HUE_STEEL, 0.65f), HueAt(HUE_STEEL, 0.95f)}, 2);
    if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) {
        TextStyle s;
        s.top = s.bottom = HueAt(HUE_NAVY, 0.08f);
        DrawText(c, *face, 12, label, x + w / 2, y + 3, s, true);
    }
}

}  // namespace

Picture DrawHelpControlsPage()
{
    Canvas c = Page("HOW TO PLAY");
    Heading(c, "Controls", 28, 60);
    KeyCap(c, 28, 96, 30, "<");
    KeyCap(c, 62, 96, 30, ">");
    Say(c, "Move the pad (or use the mouse,", 100, 94);
    Say(c, "joystick or gamepad from Options)", 100, 110);
    KeyCap(c, 28, 132, 64, "Space");
    Say(c, "Launch the ball; fire the guns", 100, 134);
    KeyCap(c, 28, 162, 30, "P");
    Say(c, "Pause", 100, 164);
    KeyCap(c, 28, 192, 40, "Esc");
    Say(c, "Leave the game", 100, 194);
    KeyCap(c, 28, 222, 30, "F2");
    KeyCap(c, 62, 222, 30, "F3");
    Say(c, "Save and load the game", 100, 224);
    Heading(c, "The Game", 28, 262);
    Say(c, "Keep the ball in play with your pad", 28, 298);
    Say(c, "and break every block to clear the", 28, 314);
    Say(c, "level. Thirty levels make a game.", 28, 330);
    Say(c, "An extra ball for every 1000 points.", 28, 346);
    Canvas pad = PadPicture(72);
    c.Draw(pad, 110, 410);
    Glow(c, 146, 400, 10, HueAt(HUE_STEEL, 0.6f), 0.5f);
    Sphere(c, 146, 402, 5.8f, 5.8f, HueAt(HUE_STEEL, 0.72f), 1.4f);
    for (int k = 0; k < 4; k++) c.Blend(150 + k * 6, 394 - k * 7, HueAt(HUE_STEEL, 0.6f), 0.7f);

    Heading(c, "Blocks", 330, 60);
    BlockRow(c, 3, 330, 96, "One hit breaks it");
    BlockRow(c, 40, 330, 124, "Patterned: one hit, too");
    BlockRow(c, 2, 330, 152, "Two hits");
    BlockRow(c, 13, 330, 180, "Five hits; it cracks as it goes");
    BlockRow(c, 18, 330, 208, "Glass: shatters at the first hit");
    BlockRow(c, 1, 330, 236, "Indestructible: only fire breaks it");
    BlockRow(c, 114, 330, 264, "Gem: 20 points");
    BlockRow(c, 118, 330, 292, "Wood: 10 points");
    BlockRow(c, BLOCK_HIDDEN, 330, 320, "Hidden: shows itself when hit");
    BlockRow(c, 25, 330, 348, "Multi-Ball: sets two balls free");
    for (float bx : {336.0f, 352.0f}) Sphere(c, bx + 6, 348 + 10, 5.8f, 5.8f, HueAt(HUE_STEEL, 0.72f), 1.4f);
    c.Draw(BlockPicture(26), 330, 376);
    Say(c, "Power-up: drops a capsule", 380, 377);
    BlockRow(c, 95, 330, 404, "Arrow: a blast runs along its line");
    return {std::move(c), &GamePicturePalette(), false, {}};
}

Picture DrawHelpPowerUpsPage()
{
    struct Entry {
        int kind;
        const char* name;
        const char* effect;
    };
    static const Entry entries[] = {
        {PU_AUTO_PAD, "Auto Pad", "a second pad plays along"},
        {PU_FAST_BALL, "Fast Ball", "the balls speed up"},
        {PU_SLOW_BALL, "Slow Ball", "the balls slow down"},
        {PU_SUPER_PAD, "Super Pad", "a wider pad"},
        {PU_MINI_PAD, "Mini Pad", "a narrower pad"},
        {PU_TWIN_PADS, "Twin Pads", "two pads ride above yours"},
        {PU_TALTRIX, "Taltrix!", "fire balls burn through all"},
        {PU_VEXA_SHOTS, "Vexa Shots", "your pad shoots: press fire"},
        {PU_STICKY_PAD, "Sticky Pad", "the pad catches the ball"},
    };
    Canvas c = Page("POWER-UPS AND FOES");
    Heading(c, "Catch the capsules", 28, 60);
    int y = 96;
    for (const Entry& e : entries) {
        PaintCapsule(c, e.kind, 46, float(y + 10), 0);
        if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) DrawText(c, *face, 13, e.name, 72, y, Lettering(HUE_GOLD, 1, 0));
        Say(c, e.effect, 72, y + 16);
        y += 37;
    }
    Heading(c, "Special blocks", 340, 60);
    c.Draw(BlockPicture(96), 340, 96);
    c.Draw(BlockPicture(97), 384, 96);
    Say(c, "Arrow blocks explode in a line", 340, 120);
    Say(c, "up, down, left or right.", 340, 136);
    c.Draw(BlockPicture(100), 340, 164);
    c.Draw(BlockPicture(106), 384, 164);
    Say(c, "Atom blocks launch a Spectral", 340, 188);
    Say(c, "Nuke that hunts their colour.", 340, 204);
    Heading(c, "Creatures", 340, 236);
    for (int kind = 0; kind < ENEMY_KINDS; kind++) PaintEnemy(c, kind, 362 + float(kind) * 62, 286, 0, 1.8f);
    Say(c, "They drift in as you play and get", 340, 318);
    Say(c, "in the way of the ball. Hit them", 340, 334);
    Say(c, "with a ball or a shot for points:", 340, 350);
    Say(c, "20, 30, 40 and 50.", 340, 366);
    return {std::move(c), &GamePicturePalette(), false, {}};
}

Picture DrawCompanyPage()
{
    Canvas c = Page("MORVANE GAMES");
    // A soft glow and the studio's sphere behind the lettering, smoothed by dithering.
    for (int y = 80; y < 300; y++)
        for (int x = 20; x < 620; x++) {
            float d = std::hypot(float(x) - 320, (float(y) - 190) * 2) / 300;
            if (d < 1) c.Blend(x, y, HueAt(HUE_CYAN, 0.3f), 0.5f * (1 - d));
        }
    Ring(c, 320, 190, 90, 3, HueAt(HUE_CYAN, 0.7f));
    Sphere(c, 320, 190, 40, 40, HueAt(HUE_CYAN, 0.6f), 1.2f);
    Canvas letters(c.w, c.h);
    // The page's frame and title stay sharp too.
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            if (x < 14 || y < 70 || x >= c.w - 14 || y >= 440) letters.Set(x, y, c.At(x, y));
    if (const Typeface* face = Face("DejaVuSans-Bold.ttf")) DrawText(letters, *face, 40, "MORVANE", 320, 292, Lettering(HUE_CYAN, 2, 3), true);
    Say(letters, "Taltrix was made by Morvane Games and published by Skarvo.", 110, 360);
    Say(letters, "Thank you for playing. Break them all!", 180, 384);
    c.Draw(letters, 0, 0);
    return {std::move(c), &GamePicturePalette(), true, letters.alpha};
}
