// The art handed to the graphics library's writers: sprite files, PCX and BMP pictures.
#include "tools/datagen/art/write.h"

#include <cstdio>

#include "gfx/alloc.h"
#include "gfx/bitmap.h"
#include "gfx/pcx.h"
#include "gfx/spritefile.h"

namespace {

bool Fail(const std::string& path, const char* what)
{
    std::fprintf(stderr, "taltrix_datagen: %s: %s\n", path.c_str(), what);
    return false;
}

Q2SL_buffer* NewFrame(const Image& img)
{
    return Q2SL_NewFrame(uint16_t(img.w), uint16_t(img.h), img.px.data(), uint16_t(img.hotX), uint16_t(img.hotY));
}

Q2SL_spriteType* NewSpriteType(const SpriteTypeArt& art)
{
    auto* type = Q2SL_New<Q2SL_spriteType>("spriteType");
    Q2SL_SetName(type->name, sizeof type->name, art.name.c_str());
    // Making the animations starts the type afresh, so the collision box comes after.
    bool ok = type->SetAnimCount(uint16_t(art.anims.size()));
    type->boxX = uint16_t(art.boxX), type->boxY = uint16_t(art.boxY);
    type->boxWidth = uint16_t(art.boxW), type->boxHeight = uint16_t(art.boxH);
    for (size_t a = 0; ok && a < art.anims.size(); a++)
        for (const Image& img : art.anims[a]) {
            Q2SL_buffer* frame = NewFrame(img);
            ok = frame && type->AddFrame(uint16_t(a), frame);
        }
    if (!ok) {
        type->Delete();
        Q2SL_Delete(type, "spriteType");
    }
    return type;
}

Q2SL_font* NewFont(const FontArt& art)
{
    auto* font = Q2SL_New<Q2SL_font>("font");
    Q2SL_SetName(font->name, sizeof font->name, art.name.c_str());
    font->lineHeight = uint16_t(art.lineHeight);
    bool ok = true;
    for (int c = 0; ok && c < kFontChars; c++)
        if (art.glyphs[size_t(c)]) {
            Q2SL_buffer* glyph = NewFrame(*art.glyphs[size_t(c)]);
            ok = glyph && font->SetGlyph(c, glyph);
        }
    if (!ok) {
        font->Delete();
        Q2SL_Delete(font, "font");
    }
    return font;
}

void ToLibraryPalette(const Palette& pal, Q2SL_palette& out)
{
    for (int i = 0; i < Q2SL_PALETTE_SIZE; i++) {
        out.colors[i].red = pal.entries[size_t(i)].r;
        out.colors[i].green = pal.entries[size_t(i)].g;
        out.colors[i].blue = pal.entries[size_t(i)].b;
        out.colors[i].index = uint8_t(i);
    }
}

}  // namespace

bool WriteSpriteFile(const std::string& path, const std::vector<SpriteTypeArt>& types, const std::vector<FontArt>& fonts)
{
    Q2SL_file file;
    bool ok = true;
    for (const SpriteTypeArt& t : types) {
        Q2SL_spriteType* type = ok ? NewSpriteType(t) : nullptr;
        ok = type && file.Add(type);
    }
    for (const FontArt& f : fonts) {
        Q2SL_font* font = ok ? NewFont(f) : nullptr;
        ok = font && file.Add(font);
    }
    if (!ok) {
        file.Free();
        return Fail(path, "cannot build the sprite file");
    }
    ok = file.OpenWrite(path.c_str()) && file.Write();
    file.Close();
    file.Free();
    return ok || Fail(path, "cannot write the sprite file");
}

bool WritePcx(const std::string& path, const Image& img, const Palette& pal)
{
    Q2SL_palette colours;
    ToLibraryPalette(pal, colours);
    Q2SL_pcx pcx;
    return pcx.Save(path.c_str(), img.px.data(), colours, img.w, img.h) || Fail(path, "cannot write the PCX picture");
}

bool WriteBmp(const std::string& path, const Image& img, const Palette& pal)
{
    Q2SL_palette colours;
    ToLibraryPalette(pal, colours);
    return Save_Bitmap_File(path.c_str(), img.px.data(), colours, img.w, img.h) || Fail(path, "cannot write the BMP picture");
}
