// taltrix_contact_sheet DATA_DIR OUT_DIR: reads the generated data through the game's own
// readers and lays every sprite type's animations, every font and every picture out as PNG
// pages, with two mock-ups of the game and menu screens, so that the whole art can be seen.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gamemode/sprite_ids.h"
#include "gfx/bitmap.h"
#include "gfx/dosfile.h"
#include "gfx/pcx.h"
#include "gfx/spritefile.h"
#include "platform/platform.h"
#include "tools/contact_sheet/sheet.h"
#include "tools/datagen/art/backgrounds.h"

namespace {

using Colours = uint8_t[256][3];

struct Data {
    std::string dir, out;
    Colours game{};
    Q2SL_file fonts, gameSprites, menuSprites;
    uint8_t dark = 0, light = 0, text = 0;  // checker and label colours from the game palette
};

// A 6-bit colour component as an 8-bit one.
uint8_t Widen(int component) { return uint8_t(component * 255 / 63); }

void FromPalette(const Q2SL_palette& pal, Colours& out)
{
    for (int i = 0; i < 256; i++) {
        out[i][0] = Widen(pal.colors[i].red);
        out[i][1] = Widen(pal.colors[i].green);
        out[i][2] = Widen(pal.colors[i].blue);
    }
}

uint8_t Nearest(const Colours& pal, int r, int g, int b)
{
    int best = 1 << 30, index = 0;
    for (int i = 1; i < 256; i++) {
        int d = (pal[i][0] - r) * (pal[i][0] - r) + (pal[i][1] - g) * (pal[i][1] - g) + (pal[i][2] - b) * (pal[i][2] - b);
        if (d < best) best = d, index = i;
    }
    return uint8_t(index);
}

bool ReadSpriteFile(Q2SL_file& file, const std::string& path)
{
    file.handle = Dos_OpenRead(path);
    bool ok = file.handle >= 0 && file.Read();
    file.Close();
    if (!ok) std::fprintf(stderr, "contact sheet: cannot read %s\n", path.c_str());
    return ok;
}

const Q2SL_font* LabelFont(const Data& d) { return d.fonts.fonts.count > FONT_PANEL ? d.fonts.fonts.items[FONT_PANEL] : nullptr; }

// Writes a page as a true-colour PNG seen through pal.
bool Save(const Data& d, const std::string& name, const Sheet& s, const Colours& pal)
{
    std::vector<uint8_t> rgb;
    rgb.reserve(s.px.size() * 3);
    for (uint8_t index : s.px) rgb.insert(rgb.end(), pal[index], pal[index] + 3);
    std::string path = d.out + "/" + name + ".png";
    if (I_WritePng(path, s.w, s.h, 3, rgb.data())) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

// One page per sprite type (types with many animations take several): a row per animation,
// its frames side by side on a chequered ground.
bool TypePages(const Data& d, const Q2SL_file& file, const std::string& prefix)
{
    bool ok = true;
    constexpr int kAnimsPerPage = 24, kLabelW = 70, kGap = 6, kMaxW = 1800;
    for (uint32_t t = 0; t < file.spriteTypes.count; t++) {
        const Q2SL_spriteType* type = file.spriteTypes.items[t];
        int cellW = 0, cellH = 0;
        for (int a = 0; a < type->numAnims; a++)
            for (int f = 0; f < type->numFrames[a]; f++) {
                cellW = std::max(cellW, int(type->frames[a][f]->PictureWidth()));
                cellH = std::max(cellH, int(type->frames[a][f]->height));
            }
        int scale = cellW <= 32 && cellH <= 32 ? 3 : cellW <= 100 && cellH <= 100 ? 2 : 1;
        int stepX = cellW * scale + kGap;
        // Each animation's rows are as tall as its own tallest frame.
        auto stepY = [&](int a) {
            int h = 0;
            for (int f = 0; f < type->numFrames[a]; f++) h = std::max(h, int(type->frames[a][f]->height));
            return std::max(h * scale, 16) + kGap;
        };
        int perRow = std::max(1, (kMaxW - kLabelW) / stepX);
        for (int first = 0; first < type->numAnims; first += kAnimsPerPage) {
            int last = std::min<int>(type->numAnims, first + kAnimsPerPage);
            int rows = 0, cols = 1;  // rows: the page's height in pixels
            for (int a = first; a < last; a++) {
                rows += (type->numFrames[a] + perRow - 1) / perRow * stepY(a);
                cols = std::max(cols, std::min<int>(perRow, type->numFrames[a]));
            }
            Sheet s(kLabelW + cols * stepX + kGap, 24 + rows + kGap, 0);
            s.Print(LabelFont(d), 4, 2, prefix + " type " + std::to_string(t) + ": " + type->name);
            int y = 24;
            for (int a = first; a < last; a++) {
                s.Print(LabelFont(d), 4, y, std::to_string(a) + " (" + std::to_string(type->numFrames[a]) + ")");
                for (int f = 0; f < type->numFrames[a]; f++) {
                    Q2SL_buffer* frame = type->frames[a][f];
                    int x = kLabelW + (f % perRow) * stepX, fy = y + (f / perRow) * stepY(a);
                    s.Checker(x, fy, frame->PictureWidth() * scale, frame->height * scale, d.dark, d.light);
                    s.Paste(frame, x, fy, scale);
                }
                y += ((type->numFrames[a] + perRow - 1) / perRow) * stepY(a);
            }
            char name[64];
            std::snprintf(name, sizeof name, "%s_%02u_%s%s", prefix.c_str(), t, type->name,
                          type->numAnims > kAnimsPerPage ? ("_" + std::to_string(first / kAnimsPerPage)).c_str() : "");
            ok = Save(d, name, s, d.game) && ok;
        }
    }
    return ok;
}

bool FontPage(const Data& d)
{
    Sheet s(700, 3 * 150 + 10, 0);
    int y = 6;
    for (uint32_t i = 0; i < d.fonts.fonts.count; i++) {
        const Q2SL_font* font = d.fonts.fonts.items[i];
        s.Print(LabelFont(d), 6, y, "font " + std::to_string(i) + ": " + font->name + ", line height " + std::to_string(font->lineHeight));
        y += 20;
        std::string all;
        for (int c = 32; c < 127; c++) all += char(c);
        for (size_t k = 0; k < all.size(); k += 48) {
            s.Print(font, 6, y, all.substr(k, 48));
            y += font->lineHeight;
        }
        std::string arrows = {char(CHAR_ARROW_LEFT), ' ', 'K', 'e', 'y', 'b', 'o', 'a', 'r', 'd', ' ', char(CHAR_ARROW_RIGHT)};
        s.Print(font, 6, y, "Score: 1234567   Level: 30   " + arrows);
        y += font->lineHeight + 12;
    }
    return Save(d, "fonts", s, d.game);
}

bool PicturePages(const Data& d)
{
    bool ok = true;
    for (const char* name : {"Skarvo8", "Mrv64_48", "Mrv64_58", "Mrv64_68", "MainMenu", "help18", "help28", "Comp3R8"}) {
        BitmapFile bmp;
        if (!Load_Bitmap_Path(&bmp, (d.dir + "/" + name + ".bmp").c_str()) || bmp.infoHeader.biBitCount != 8) {
            std::fprintf(stderr, "contact sheet: cannot read %s.bmp\n", name);
            ok = false;
            continue;
        }
        Colours pal;
        for (int i = 0; i < 256; i++) {
            // Shown as the game shows it: 6-bit components.
            pal[i][0] = Widen(bmp.palette[i].peRed >> 2);
            pal[i][1] = Widen(bmp.palette[i].peGreen >> 2);
            pal[i][2] = Widen(bmp.palette[i].peBlue >> 2);
        }
        Sheet s(bmp.infoHeader.biWidth, bmp.infoHeader.biHeight, 0);
        s.PastePixels(bmp.buffer, s.w, s.h, 0, 0, false);
        ok = Save(d, std::string("picture_") + name, s, pal) && ok;
        Unload_Bitmap_File(&bmp);
    }
    for (const char* name : kBackgroundNames) {
        Q2SL_pcx pcx;
        if (!pcx.LoadFile((d.dir + "/Backs/" + name).c_str())) {
            std::fprintf(stderr, "contact sheet: cannot read Backs/%s\n", name);
            ok = false;
            continue;
        }
        Sheet s(pcx.Width(), pcx.Height(), 0);
        s.PastePixels(pcx.image, s.w, s.h, 0, 0, false);
        ok = Save(d, std::string("back_") + std::filesystem::path(name).stem().string(), s, d.game) && ok;
    }
    return ok;
}

Q2SL_buffer* FrameOf(const Q2SL_file& file, int type, int anim, int frame = 0)
{
    if (uint32_t(type) >= file.spriteTypes.count) return nullptr;
    return file.spriteTypes.items[type]->Frame(anim, frame);
}

// Pastes a frame with its hot spot at (x, y).
void Put(Sheet& s, Q2SL_buffer* f, int x, int y)
{
    if (f) s.Paste(f, x - f->hotX, y - f->hotY);
}

// The game screen as a level would show it: background, blocks, pads, balls, a capsule, a
// creature, the status panel with its text.
bool GameMockup(const Data& d)
{
    const Q2SL_file& g = d.gameSprites;
    Sheet s(640, 480, 0);
    Q2SL_pcx back;
    if (back.LoadFile((d.dir + "/Backs/" + kBackgroundNames[0]).c_str())) s.PastePixels(back.image, back.Width(), back.Height(), 8, 8, false);
    Put(s, FrameOf(g, GT_FRAME, FRAME_SCREEN), 0, 0);
    for (int row = 0; row < 9; row++)
        for (int col = 0; col < 12; col++) {
            static const int kinds[9] = {1, 3, 4, 5, 6, 13, 26, 95, 100};
            int kind = kinds[row] + (row >= 1 && row <= 4 ? col % 10 - kinds[row] + 3 + row : 0);
            if (row == 6) kind = (col % 2) ? 27 + col / 4 : 40 + col;
            if (row == 7) kind = col < 4 ? 95 + col : col < 8 ? 114 + col - 4 : 25;
            if (row == 8) kind = 100 + col;
            Put(s, FrameOf(g, GT_BLOCKS, kind), 8 + col * 40, 8 + 40 + row * 20);
        }
    Put(s, FrameOf(g, GT_BLOCKS, BLOCK_EXPLOSION, 5), 8 + 200, 8 + 40 + 60);
    // Pad 0, 72 wide, at y 418 with its guns up; a narrow pad appearing beside it.
    int px = 8 + 200, py = 8 + 418;
    Put(s, FrameOf(g, GT_PAD_PIECES, PIECE_LEFT_RAISED), px, py);
    if (Q2SL_buffer* mid = FrameOf(g, GT_PAD_PIECES, PIECE_MIDDLE)) {
        Sheet piece(mid->PictureWidth(), mid->height, 0);
        piece.Paste(mid, 0, 0, 1, false);
        for (int y = 0; y < mid->height; y++)
            for (int x = 0; x < 72 - 28; x++)
                if (piece.px[size_t(y) * piece.w + x]) s.Set(px + 14 + x, py + y, piece.px[size_t(y) * piece.w + x]);
    }
    Put(s, FrameOf(g, GT_PAD_PIECES, PIECE_RIGHT_RAISED), px + 72 - 14, py);
    Put(s, FrameOf(g, GT_PAD, PAD_NARROW_ANIM, 9), px + 120, 8 + 439);
    Put(s, FrameOf(g, GT_BALLS, BALL_NORMAL), px + 30, py - 12);
    Put(s, FrameOf(g, GT_BALLS, BALL_TALTRIX), px - 60, py - 120);
    Put(s, FrameOf(g, GT_BULLETS, BULLET_FLYING), px + 10, py - 40);
    Put(s, FrameOf(g, GT_BULLETS, BULLET_FLYING), px + 58, py - 40);
    Put(s, FrameOf(g, GT_POWERUPS, PU_FAST_BALL, 2), 8 + 320, 8 + 300);
    for (int k = 0; k < ENEMY_KINDS; k++) Put(s, FrameOf(g, GT_ENEMIES, k * 3 + ENEMY_MOVE, k), 8 + 40 + k * 110, 8 + 260);
    Put(s, FrameOf(g, GT_ATOM, 0, 2), 8 + 420, 8 + 330);
    for (int k = 0; k < 4; k++) Put(s, FrameOf(g, GT_PARTICLES, k, k % 3), 8 + 120 + k * 8, 8 + 340);
    Put(s, FrameOf(g, GT_MESSAGES, MSG_READY), 8 + 150, 8 + 340);
    Put(s, FrameOf(g, GT_NOTIFY, NOTIFY_FAST_BALL, NOTIFY_HOLD_FRAME), 8 + 150, 8 + 435);
    // The spare balls.
    for (int k = 0; k < 4; k++) Put(s, FrameOf(g, GT_BALLS, BALL_NORMAL), 8 + 2 + k * 16, 8 + 464 - 12 - 3);
    Put(s, FrameOf(g, GT_SPARKLE, 0, 6), 8 + 2 + 4 * 16 - 12 - 12, 8 + 464 - 15 - 8);
    // The status panel: the first player's block with text, icons and lives.
    const Q2SL_font* f1 = LabelFont(d);
    for (int p = 0; p < 2; p++) {
        int panelY = 8 + (p ? 240 : 48);
        Put(s, FrameOf(g, GT_FRAME, FRAME_PLAYER_PANEL), 498, panelY);
        s.Print(f1, 498 + 24, panelY + 2, p ? "Player 2" : "Player 1");
        s.Print(f1, 498 + 4, panelY + 20, "Level: 12");
        s.Print(f1, 498 + 4, panelY + 38, "Score: 1234567");
        Put(s, FrameOf(g, GT_BALLS, BALL_NORMAL), 498 + 104, panelY + 56);
        s.Print(f1, 498 + 118, panelY + 54, "x");
        s.Print(f1, 498 + 106, panelY + 68, "5");
        if (p == 0) {
            Put(s, FrameOf(g, GT_POWERUPS, PU_FAST_BALL), 498 + 0, panelY + 54);
            Put(s, FrameOf(g, GT_POWERUPS, PU_STICKY_PAD), 498 + 68, panelY + 54);
            Put(s, FrameOf(g, GT_TURN_MARKER, 0), 498 + 34, panelY + 82);
            Put(s, FrameOf(g, GT_POWERUPS, PU_MULTI_BALL_MARKER), 498 + 0, panelY + 110);
            Put(s, FrameOf(g, GT_POWERUPS, PU_TALTRIX), 498 + 68, panelY + 110);
            s.Print(f1, 498 + 4, panelY + 140, "Fast Ball");
        }
    }
    s.Print(f1, 498 + 2, 8 + 447, "Ver: 1.8");
    return Save(d, "mockup_game", s, d.game);
}

// The main menu with its box, items (the second highlighted) and prompt.
bool MenuMockup(const Data& d)
{
    BitmapFile bmp;
    if (!Load_Bitmap_Path(&bmp, (d.dir + "/MainMenu.bmp").c_str())) return false;
    Sheet s(640, 480, 0);
    s.PastePixels(bmp.buffer, 640, 480, 0, 0, false);
    Unload_Bitmap_File(&bmp);
    // The 7-ring GUI box round (102, 170)-(538, 425).
    for (int k = 1; k <= 7; k++) {
        uint8_t tl = k <= 2 ? 25 : k <= 5 ? 23 : 7, br = k <= 2 ? 7 : k <= 5 ? 23 : 25;
        for (int x = 102 - k; x <= 538 + k; x++) s.Set(x, 170 - k, tl), s.Set(x, 425 + k, br);
        for (int y = 170 - k; y <= 425 + k; y++) s.Set(102 - k, y, tl), s.Set(538 + k, y, br);
    }
    for (int y = 170; y <= 425; y++)
        for (int x = 102; x <= 538; x++) s.Set(x, y, 0);
    static const int itemY[MENU_ITEMS] = {2, 40, 82, 127, 170, 212};
    for (int i = 0; i < MENU_ITEMS; i++) Put(s, FrameOf(d.menuSprites, MT_MENU_ITEMS, i, i == 1), 102 + 4, 170 + itemY[i]);
    if (Q2SL_buffer* prompt = FrameOf(d.menuSprites, MT_PROMPT, 0)) Put(s, prompt, 320 - prompt->PictureWidth() / 2, 479 - prompt->height);
    if (Q2SL_buffer* dialog = FrameOf(d.menuSprites, MT_EXIT_DIALOG, 0)) {
        int x = 320 - dialog->PictureWidth() / 2, y = 240 - dialog->height / 2 + 150;
        Put(s, dialog, x, y);
        const Q2SL_font* f2 = d.fonts.fonts.count > 2 ? d.fonts.fonts.items[2] : nullptr;
        const Q2SL_font* f0 = d.fonts.fonts.count > 0 ? d.fonts.fonts.items[0] : nullptr;
        s.Print(f2, x + 13, y + 5, "Are you sure you");
        s.Print(f2, x + 35, y + 27, "want to exit?");
        s.Print(f0, x + 50, y + 59, "Yes");
        s.Print(f0, x + 203, y + 59, "No");
    }
    return Save(d, "mockup_menu", s, d.game);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: taltrix_contact_sheet DATA_DIR OUT_DIR\n");
        return 2;
    }
    static Data d;
    d.dir = argv[1], d.out = argv[2];
    std::error_code ec;
    std::filesystem::create_directories(d.out, ec);
    Q2SL_pcx pal;
    if (!pal.LoadFile((d.dir + "/GamePal.pcx").c_str())) {
        std::fprintf(stderr, "contact sheet: cannot read %s/GamePal.pcx\n", d.dir.c_str());
        return 1;
    }
    FromPalette(pal.palette, d.game);
    d.dark = Nearest(d.game, 20, 22, 34), d.light = Nearest(d.game, 34, 38, 54);
    bool ok = ReadSpriteFile(d.fonts, d.dir + "/GFonts.qsl") & ReadSpriteFile(d.gameSprites, d.dir + "/ZQGame.qsl") &
              ReadSpriteFile(d.menuSprites, d.dir + "/ZQMenu.qsl");
    if (!ok) return 1;
    ok = TypePages(d, d.gameSprites, "game") & TypePages(d, d.menuSprites, "menu") & FontPage(d) & PicturePages(d) &
         GameMockup(d) & MenuMockup(d);
    std::printf("contact sheet written to %s\n", d.out.c_str());
    return ok ? 0 : 1;
}
