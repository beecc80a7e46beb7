// FreeType rendering of the DejaVu fonts.
#include "tools/datagen/art/text.h"

#include "tools/datagen/art/palette.h"

#include <cstdio>
#include <map>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

// The FreeType library, opened on first use for the whole run.
FT_Library Library()
{
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return lib;
}

const char* const kFontDir = "/usr/share/fonts/truetype/dejavu/";

}  // namespace

Typeface::Typeface(const std::string& fileName)
{
    FT_Face face = nullptr;
    if (Library() && FT_New_Face(Library(), (std::string(kFontDir) + fileName).c_str(), 0, &face) == 0) face_ = face;
}

Typeface::~Typeface()
{
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
}

void Typeface::SetSize(int pixelSize) const { FT_Set_Pixel_Sizes(static_cast<FT_Face>(face_), 0, FT_UInt(pixelSize)); }

int Typeface::Advance(char ch, int pixelSize) const
{
    SetSize(pixelSize);
    FT_Face face = static_cast<FT_Face>(face_);
    if (FT_Load_Char(face, FT_ULong(ch), FT_LOAD_DEFAULT) != 0) return 0;
    return int((face->glyph->advance.x + 32) >> 6);
}

TextMask Typeface::Render(const std::string& text, int pixelSize) const
{
    SetSize(pixelSize);
    FT_Face face = static_cast<FT_Face>(face_);
    TextMask m;
    m.ascent = int((face->size->metrics.ascender + 63) >> 6);
    int descent = int((-face->size->metrics.descender + 63) >> 6);
    m.h = m.ascent + descent;
    // First pass measures, second draws.
    int width = 0;
    FT_UInt prev = 0;
    for (int pass = 0; pass < 2; pass++) {
        long pen = 0;
        prev = 0;
        for (unsigned char ch : text) {
            FT_UInt index = FT_Get_Char_Index(face, ch);
            if (prev && FT_HAS_KERNING(face)) {
                FT_Vector k;
                FT_Get_Kerning(face, prev, index, FT_KERNING_DEFAULT, &k);
                pen += k.x;
            }
            prev = index;
            if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) continue;
            FT_GlyphSlot g = face->glyph;
            if (pass == 1) {
                int gx = int(pen >> 6) + g->bitmap_left, gy = m.ascent - g->bitmap_top;
                for (unsigned r = 0; r < g->bitmap.rows; r++)
                    for (unsigned col = 0; col < g->bitmap.width; col++) {
                        int x = gx + int(col), y = gy + int(r);
                        if (x < 0 || y < 0 || x >= m.w || y >= m.h) continue;
                        float v = g->bitmap.buffer[r * unsigned(g->bitmap.pitch) + col] / 255.0f;
                        float& cell = m.cover[size_t(y) * m.w + x];
                        cell = std::min(1.0f, cell + v);
                    }
            }
            pen += g->advance.x;
            width = std::max(width, int((pen + 63) >> 6) + std::max(0, int(g->bitmap.width) + g->bitmap_left -
                                                                           int(g->advance.x >> 6)));
        }
        if (pass == 0) {
            m.w = width + 1;
            m.cover.assign(size_t(m.w) * m.h, 0);
        }
    }
    return m;
}

const Typeface* Face(const std::string& fileName)
{
    static std::map<std::string, std::unique_ptr<Typeface>> faces;
    auto& slot = faces[fileName];
    if (!slot) {
        slot = std::make_unique<Typeface>(fileName);
        if (!slot->Ok()) std::fprintf(stderr, "taltrix_datagen: cannot load the font %s%s\n", kFontDir, fileName.c_str());
    }
    return slot->Ok() ? slot.get() : nullptr;
}

void PaintText(Canvas& c, const TextMask& m, int x, int y, const TextStyle& style)
{
    auto dilated = [&](int mx, int my, int r) {
        float best = 0;
        for (int dy = -r; dy <= r; dy++)
            for (int dx = -r; dx <= r; dx++)
                if (dx * dx + dy * dy <= r * r + r) best = std::max(best, m.At(mx + dx, my + dy));
        return best;
    };
    int pad = style.outlinePx + style.shadowPx;
    for (int my = -pad; my < m.h + pad; my++)
        for (int mx = -pad; mx < m.w + pad; mx++) {
            if (style.shadowPx > 0) {
                float s = dilated(mx - style.shadowPx, my - style.shadowPx, style.outlinePx);
                c.Blend(x + mx, y + my, style.shadow, s);
            }
            if (style.outlinePx > 0) c.Blend(x + mx, y + my, style.outline, dilated(mx, my, style.outlinePx));
        }
    for (int my = 0; my < m.h; my++) {
        Rgb fill = Mix(style.top, style.bottom, m.h > 1 ? float(my) / float(m.h - 1) : 0);
        for (int mx = 0; mx < m.w; mx++) c.Blend(x + mx, y + my, fill, m.At(mx, my));
    }
}

void DrawText(Canvas& c, const Typeface& face, int pixelSize, const std::string& text, int x, int y,
              const TextStyle& style, bool centred)
{
    TextMask m = face.Render(text, pixelSize);
    PaintText(c, m, centred ? x - m.w / 2 : x, y, style);
}

TextStyle Lettering(Hue hue, int outlinePx, int shadowPx)
{
    TextStyle s;
    s.top = HueAt(hue, 1.0f);
    s.bottom = HueAt(hue, 0.5f);
    s.outline = HueAt(hue, 0.04f);
    s.outlinePx = outlinePx;
    s.shadowPx = shadowPx;
    s.shadow = Rgb{0, 0, 0};
    return s;
}
