// The game's three bitmap fonts, rendered from DejaVu: each glyph is filled with a gradient and
// rimmed with a dark outline, so its smoothed edges survive on any background.
#include "tools/datagen/art/fonts.h"

#include "gamemode/sprite_ids.h"
#include "tools/datagen/art/palette.h"
#include "tools/datagen/art/text.h"

namespace {

struct FontLook {
    const char* name;
    const char* face;
    int pixelSize;
    int lineHeight;  // also the height of every glyph
    TextStyle style;
};

// The choice fields' arrows: a triangle as tall as a capital letter, rimmed like the letters.
Canvas Arrow(const FontLook& look, bool right)
{
    float capH = float(look.pixelSize) * 0.8f;
    int w = int(capH * 0.75f) + 5;
    Canvas c(w, look.lineHeight);
    float top = (float(look.lineHeight) - capH) / 2, mid = top + capH / 2;
    float x0 = 2, x1 = float(w) - 2;
    Polygon(c, right ? std::vector<float>{x0, top, x1, mid, x0, top + capH} : std::vector<float>{x1, top, x0, mid, x1, top + capH},
            Mix(look.style.top, look.style.bottom, 0.4f));
    Outline(c, look.style.outline);
    return c;
}

std::optional<Image> Glyph(const Typeface& face, const FontLook& look, int ch)
{
    if (ch == CHAR_ARROW_RIGHT || ch == CHAR_ARROW_LEFT) return Frame(Arrow(look, ch == CHAR_ARROW_RIGHT));
    if (ch < 32 || ch > 126) return std::nullopt;
    int pad = look.style.outlinePx;
    int advance = face.Advance(char(ch), look.pixelSize) + pad;
    Canvas c(std::max(advance, 1), look.lineHeight);
    if (ch != ' ') {
        TextMask m = face.Render(std::string(1, char(ch)), look.pixelSize);
        PaintText(c, m, pad, (look.lineHeight - m.h) / 2, look.style);
    }
    return Frame(c);
}

FontArt BuildFont(const FontLook& look)
{
    FontArt font;
    font.name = look.name;
    font.lineHeight = look.lineHeight;
    if (const Typeface* face = Face(look.face))
        for (int ch = 0; ch < 128; ch++) font.glyphs[size_t(ch)] = Glyph(*face, look, ch);
    return font;
}

TextStyle Style(Rgb top, Rgb bottom, Rgb outline)
{
    TextStyle s;
    s.top = top, s.bottom = bottom, s.outline = outline, s.outlinePx = 1;
    return s;
}

}  // namespace

std::vector<FontArt> DrawFonts()
{
    const FontLook looks[FONT_COUNT] = {
        // Normal: silver lettering for menus, dialogs and options.
        {"Normal", "DejaVuSans-Bold.ttf", 15, 19, Style(Rgb{255, 255, 255}, HueAt(HUE_STEEL, 0.62f), HueAt(HUE_NAVY, 0.05f))},
        // Panel: compact cyan lettering that fits the status panel's 142 columns.
        {"Panel", "DejaVuSansCondensed-Bold.ttf", 12, 16, Style(HueAt(HUE_CYAN, 0.95f), HueAt(HUE_CYAN, 0.62f), HueAt(HUE_NAVY, 0.02f))},
        // Emphasised: gold headings, questions and high-score names.
        {"Emphasis", "DejaVuSans-Bold.ttf", 16, 20, Style(HueAt(HUE_GOLD, 1.0f), HueAt(HUE_ORANGE, 0.6f), HueAt(HUE_BROWN, 0.05f))},
    };
    std::vector<FontArt> fonts;
    for (const FontLook& look : looks) fonts.push_back(BuildFont(look));
    return fonts;
}

bool FontsComplete(const std::vector<FontArt>& fonts)
{
    for (const FontArt& f : fonts)
        if (!f.glyphs['A']) return false;
    return fonts.size() == FONT_COUNT;
}
