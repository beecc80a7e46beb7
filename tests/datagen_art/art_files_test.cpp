// The generated art read back through the game's own readers: the sizes the screens and rules
// place and test the pictures by, the palette's fixed entries, and the trigonometry table.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "gamemode/sprite_ids.h"
#include "gfx/bitmap.h"
#include "gfx/dosfile.h"
#include "gfx/pcx.h"
#include "gfx/spritefile.h"
#include "tools/datagen/art/backgrounds.h"

namespace {

const std::string kData = TALTRIX_DATA;

// A sprite file read once per test program.
const Q2SL_file& Loaded(const char* name)
{
    static Q2SL_file files[3];
    static const char* names[3] = {"GFonts.qsl", "ZQGame.qsl", "ZQMenu.qsl"};
    for (int i = 0; i < 3; i++)
        if (std::string(name) == names[i]) {
            if (files[i].spriteTypes.count == 0 && files[i].fonts.count == 0) {
                files[i].handle = Dos_OpenRead(kData + "/" + name);
                EXPECT_GE(files[i].handle, 0) << name;
                EXPECT_TRUE(files[i].Read()) << name;
                files[i].Close();
            }
            return files[i];
        }
    ADD_FAILURE() << "unknown file " << name;
    return files[0];
}

const Q2SL_spriteType& Type(const char* file, int t)
{
    const Q2SL_file& f = Loaded(file);
    static Q2SL_spriteType empty;
    if (uint32_t(t) >= f.spriteTypes.count) {
        ADD_FAILURE() << file << " has no type " << t;
        return empty;
    }
    return *f.spriteTypes.items[t];
}

int W(const Q2SL_buffer* b) { return b->PictureWidth(); }

// Calls check(frame, anim, frame index) for every frame of a type.
template <typename Check>
void EachFrame(const Q2SL_spriteType& t, Check check)
{
    for (int a = 0; a < t.numAnims; a++)
        for (int f = 0; f < t.numFrames[a]; f++) check(*t.Frame(a, f), a, f);
}

// Counts the non-transparent pixels of a frame inside or outside a rectangle.
int OpaqueOutside(Q2SL_buffer& b, int x0, int y0, int w, int h, bool inside)
{
    int pitch = 0, n = 0;
    const uint8_t* px = I_LockSurface(b.surface, &pitch);
    for (int y = 0; y < b.height; y++)
        for (int x = 0; x < W(&b); x++) {
            bool in = x >= x0 && x < x0 + w && y >= y0 && y < y0 + h;
            if (in == inside && px[y * pitch + x] != 0) n++;
        }
    I_UnlockSurface(b.surface);
    return n;
}

TEST(GameSprites, EveryTypeHasTheAnimationsTheGameAsksFor)
{
    struct Want {
        int type, anims, minFrames;
    };
    const Want wants[] = {
        {GT_EXIT_DIALOG, 1, 1}, {GT_PAD, 1, PAD_NARROW_FRAMES}, {GT_BALLS, BALL_ANIMS, 1}, {GT_FRAME, 2, 1},
        {GT_BLOCKS, BLOCK_KINDS, 1}, {GT_MESSAGES, 4, 1}, {GT_GAME_OVER, 1, 1}, {GT_ENEMIES, ENEMY_KINDS * 3, 2},
        {GT_POWERUPS, PU_ANIMS, 1}, {GT_TURN_MARKER, 1, 1}, {GT_ATOM, 1, 2}, {GT_PARTICLES, PARTICLE_ANIMS, 3},
        {GT_BULLETS, 2, 1}, {GT_NOTIFY, NOTIFY_ANIMS, NOTIFY_HOLD_FRAME + 1}, {GT_PAD_PIECES, PIECE_ANIMS, 1},
        {GT_SPARKLE, 1, 9},
    };
    ASSERT_EQ(Loaded("ZQGame.qsl").spriteTypes.count, uint32_t(GT_COUNT));
    for (const Want& w : wants) {
        const Q2SL_spriteType& t = Type("ZQGame.qsl", w.type);
        EXPECT_EQ(t.numAnims, w.anims) << "type " << w.type;
        for (int a = 0; a < t.numAnims; a++) EXPECT_GE(t.numFrames[a], w.minFrames) << "type " << w.type << " anim " << a;
        // The collision box lies within the first frame.
        if (t.numAnims) {
            EXPECT_LE(t.boxX + t.boxWidth, W(t.Frame(0, 0))) << "type " << w.type;
            EXPECT_LE(t.boxY + t.boxHeight, t.Frame(0, 0)->height) << "type " << w.type;
        }
    }
}

TEST(GameSprites, BlocksFillOneCellAndTheExplosionOutlivesTheBlock)
{
    const Q2SL_spriteType& blocks = Type("ZQGame.qsl", GT_BLOCKS);
    ASSERT_EQ(blocks.numAnims, BLOCK_KINDS);
    EachFrame(blocks, [](Q2SL_buffer& b, int a, int f) {
        if (a == BLOCK_EXPLOSION) return;
        EXPECT_EQ(W(&b), 40) << "kind " << a << " frame " << f;
        EXPECT_EQ(b.height, 20) << "kind " << a << " frame " << f;
    });
    // The block under an explosion goes at frame 10; the overlay is centred on the cell.
    EXPECT_GT(blocks.numFrames[BLOCK_EXPLOSION], 11);
    Q2SL_buffer* blast = blocks.Frame(BLOCK_EXPLOSION, 0);
    EXPECT_EQ(W(blast) / 2 - blast->hotX, 20);
    EXPECT_EQ(blast->height / 2 - blast->hotY, 10);
    // A hidden block looks like an empty cell.
    EXPECT_EQ(OpaqueOutside(*blocks.Frame(BLOCK_HIDDEN, 0), 0, 0, 0, 0, false), 0);
    // One-shot kinds animate; the looping power-up blocks loop as many frames as their capsules.
    for (int kind : {19, 20, 22, 23, 24, 93, 94, 120, 129, 130, 137, 143}) EXPECT_GT(blocks.numFrames[kind], 1) << kind;
    const Q2SL_spriteType& capsules = Type("ZQGame.qsl", GT_POWERUPS);
    const int loops[][2] = {{26, PU_AUTO_PAD}, {27, PU_FAST_BALL}, {28, PU_SLOW_BALL}, {91, PU_VEXA_SHOTS}};
    for (const auto& [kind, pu] : loops) {
        EXPECT_GT(blocks.numFrames[kind], 1) << kind;
        EXPECT_EQ(blocks.numFrames[kind], capsules.numFrames[pu]) << kind;
    }
}

TEST(GameSprites, TheScreenFramePaintsEverythingOutsideThePlayfield)
{
    const Q2SL_spriteType& frame = Type("ZQGame.qsl", GT_FRAME);
    Q2SL_buffer* screen = frame.Frame(FRAME_SCREEN, 0);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(W(screen), 640);
    EXPECT_EQ(screen->height, 480);
    EXPECT_EQ(OpaqueOutside(*screen, 8, 8, 480, 464, false), 640 * 480 - 480 * 464);
    Q2SL_buffer* panel = frame.Frame(FRAME_PLAYER_PANEL, 0);
    EXPECT_LE(W(panel), 142);
    EXPECT_LE(panel->height, 192);
}

TEST(GameSprites, SizesTheRulesAndTheHudRelyOn)
{
    // Balls: a 12 x 12 box; the spare-ball row needs icons at most 16 wide.
    EachFrame(Type("ZQGame.qsl", GT_BALLS), [](Q2SL_buffer& b, int a, int) {
        EXPECT_EQ(W(&b), 12) << a;
        EXPECT_EQ(b.height, 12) << a;
    });
    // Narrow pads: frame w / 2 - 1 is w wide; every pad picture is 13 to 16 tall.
    const Q2SL_spriteType& pad = Type("ZQGame.qsl", GT_PAD);
    for (int f = 0; f < pad.numFrames[PAD_NARROW_ANIM]; f++) {
        EXPECT_EQ(W(pad.Frame(PAD_NARROW_ANIM, f)), 2 * (f + 1));
        EXPECT_GE(pad.Frame(PAD_NARROW_ANIM, f)->height, 13);
        EXPECT_LE(pad.Frame(PAD_NARROW_ANIM, f)->height, 16);
    }
    // Wide pads: 14-wide ends whose body sits at the pad's y; a middle for pads up to 104 wide.
    const Q2SL_spriteType& pieces = Type("ZQGame.qsl", GT_PAD_PIECES);
    EXPECT_GE(W(pieces.Frame(PIECE_MIDDLE, 0)), 76);
    EachFrame(pieces, [](Q2SL_buffer& b, int a, int f) {
        if (a == PIECE_MIDDLE) return;
        EXPECT_EQ(W(&b), 14) << a << "/" << f;
        EXPECT_GE(b.height - b.hotY, 13) << a << "/" << f;
        EXPECT_LE(b.height - b.hotY, 16) << a << "/" << f;
    });
    // Effect icons fit their 34 x 28 slots; the multi-ball marker has its Taltrix frame.
    EachFrame(Type("ZQGame.qsl", GT_POWERUPS), [](Q2SL_buffer& b, int a, int) {
        EXPECT_LE(W(&b), 34) << a;
        EXPECT_LE(b.height, 28) << a;
    });
    EXPECT_EQ(Type("ZQGame.qsl", GT_POWERUPS).numFrames[PU_MULTI_BALL_MARKER], 2);
    // Bullets are narrow; notifications fit between the pad and the bottom and within the field.
    Q2SL_buffer* bullet = Type("ZQGame.qsl", GT_BULLETS).Frame(BULLET_FLYING, 0);
    EXPECT_GE(W(bullet), 4);
    EXPECT_LE(W(bullet), 6);
    EachFrame(Type("ZQGame.qsl", GT_NOTIFY), [](Q2SL_buffer& b, int a, int) {
        EXPECT_LE(b.height, 28) << a;
        EXPECT_LE(W(&b), 480) << a;
    });
}

TEST(MenuSprites, ItemsFitTheMenuBoxAndTheDialogHoldsItsTexts)
{
    ASSERT_EQ(Loaded("ZQMenu.qsl").spriteTypes.count, uint32_t(MT_COUNT));
    const Q2SL_spriteType& items = Type("ZQMenu.qsl", MT_MENU_ITEMS);
    ASSERT_EQ(items.numAnims, MENU_ITEMS);
    EachFrame(items, [](Q2SL_buffer& b, int a, int) {
        EXPECT_LE(4 + W(&b), 436) << a;  // drawn at x 4 of the 436-wide menu view
        EXPECT_LE(b.height, 38) << a;    // items 0 and 1 stand 38 apart
    });
    for (int a = 0; a < MENU_ITEMS; a++) EXPECT_EQ(items.numFrames[a], 2);
    Q2SL_buffer* prompt = Type("ZQMenu.qsl", MT_PROMPT).Frame(0, 0);
    EXPECT_LE(W(prompt), 640);
    EXPECT_LE(prompt->height, 479 - 425 - 7);  // below the menu box and its bevel
    for (const char* file : {"ZQGame.qsl", "ZQMenu.qsl"}) {
        Q2SL_buffer* dialog = Type(file, 0).Frame(0, 0);
        EXPECT_GE(W(dialog), 240) << file;  // "No" at x 203
        EXPECT_GE(dialog->height, 80) << file;  // "Yes" and "No" at y 59
    }
}

TEST(Fonts, ThreeFontsWithEveryCharacterAndLineHeightsThatFitTheScreens)
{
    const Q2SL_file& f = Loaded("GFonts.qsl");
    ASSERT_GE(f.fonts.count, uint32_t(FONT_COUNT));
    struct Want {
        int font, minLine, maxLine;
    };
    // Options: nine rows of line height + 5; the panel's rows are 18 apart; names fill an 18 px cursor.
    for (const Want& w : {Want{FONT_NORMAL, 16, 20}, Want{FONT_PANEL, 14, 17}, Want{FONT_EMPHASIS, 17, 22}}) {
        const Q2SL_font& font = *f.fonts.items[w.font];
        EXPECT_GE(font.lineHeight, w.minLine) << w.font;
        EXPECT_LE(font.lineHeight, w.maxLine) << w.font;
        for (int c = 32; c <= 126; c++) ASSERT_NE(font.glyphs[c], nullptr) << "font " << w.font << " char " << c;
        EXPECT_NE(font.glyphs[int(CHAR_ARROW_RIGHT)], nullptr);
        EXPECT_NE(font.glyphs[int(CHAR_ARROW_LEFT)], nullptr);
        EXPECT_EQ(font.widths['i'] < font.widths['W'], true) << "proportional " << w.font;
    }
    // The widest score line fits the 142 visible columns of the panel.
    const Q2SL_font& panel = *f.fonts.items[FONT_PANEL];
    int width = 0;
    for (char c : std::string("Score: 2147483647")) width += panel.widths[int(c)];
    EXPECT_LE(4 + width, 142);
    // Ten wide characters of a high-score name fit their 198-pixel column.
    EXPECT_LE(10 * f.fonts.items[FONT_EMPHASIS]->widths[int('M')], 198);
}

TEST(Pictures, PaletteBackgroundsAndBitmaps)
{
    Q2SL_pcx pal;
    ASSERT_TRUE(pal.LoadFile((kData + "/GamePal.pcx").c_str()));
    const Q2SL_color* c = pal.palette.colors;
    EXPECT_EQ(c[0].red + c[0].green + c[0].blue, 0);
    auto bright = [&](int i) { return c[i].red + c[i].green + c[i].blue; };
    EXPECT_GT(bright(7), bright(23));   // box edge, face, shade: light to dark
    EXPECT_GT(bright(23), bright(25));
    EXPECT_GT(bright(255), 150);        // the cursor stands out
    for (const char* name : kBackgroundNames) {
        Q2SL_pcx back;
        ASSERT_TRUE(back.LoadFile((kData + "/Backs/" + name).c_str())) << name;
        EXPECT_EQ(back.Width(), 480) << name;
        EXPECT_EQ(back.Height(), 464) << name;
    }
    auto load = [](const char* name, BitmapFile& bmp) {
        ASSERT_TRUE(Load_Bitmap_Path(&bmp, (kData + "/" + name).c_str())) << name;
        EXPECT_EQ(bmp.infoHeader.biBitCount, 8) << name;
        EXPECT_EQ(bmp.infoHeader.biWidth, 640) << name;
        EXPECT_EQ(bmp.infoHeader.biHeight, 480) << name;
    };
    auto samePalette = [](const BitmapFile& a, const BitmapFile& b) {
        for (int i = 0; i < 256; i++)
            if (a.palette[i].peRed >> 2 != b.palette[i].peRed >> 2 || a.palette[i].peGreen >> 2 != b.palette[i].peGreen >> 2 ||
                a.palette[i].peBlue >> 2 != b.palette[i].peBlue >> 2)
                return false;
        return true;
    };
    BitmapFile game;
    for (int i = 0; i < 256; i++) game.palette[i] = {uint8_t(c[i].red << 2), uint8_t(c[i].green << 2), uint8_t(c[i].blue << 2), 0};
    // The menu and help pictures are shown through the game palette; the developer's three
    // pictures share one table, the publisher's has its own.
    for (const char* name : {"MainMenu.bmp", "help18.bmp", "help28.bmp", "Comp3R8.bmp"}) {
        BitmapFile bmp;
        load(name, bmp);
        EXPECT_TRUE(samePalette(bmp, game)) << name;
        Unload_Bitmap_File(&bmp);
    }
    BitmapFile mrv[3], skarvo;
    load("Mrv64_48.bmp", mrv[0]);
    load("Mrv64_58.bmp", mrv[1]);
    load("Mrv64_68.bmp", mrv[2]);
    load("Skarvo8.bmp", skarvo);
    EXPECT_TRUE(samePalette(mrv[0], mrv[1]));
    EXPECT_TRUE(samePalette(mrv[0], mrv[2]));
    EXPECT_FALSE(samePalette(skarvo, game));
    for (BitmapFile* b : {&mrv[0], &mrv[1], &mrv[2], &skarvo}) Unload_Bitmap_File(b);
}

TEST(TrigTable, SineAndCosineOfEveryDegree)
{
    const std::string path = kData + "/blkbrk.trg";
    ASSERT_EQ(std::filesystem::file_size(path), 2884u);
    int handle = Dos_OpenRead(path);
    ASSERT_GE(handle, 0);
    std::vector<int32_t> v(721);
    for (int32_t& x : v) ASSERT_TRUE(Q2SL_ReadI32(handle, x));
    Dos_Close(handle);
    EXPECT_EQ(v[0], 360);
    const int32_t* sine = &v[1];
    const int32_t* cosine = &v[361];
    const int cases[][3] = {{0, 0, 65536}, {30, 32768, 56756}, {90, 65536, 0}, {180, 0, -65536}, {270, -65536, 0}, {359, -1144, 65526}};
    for (const auto& [deg, s, co] : cases) {
        EXPECT_EQ(sine[deg], s) << deg;
        EXPECT_EQ(cosine[deg], co) << deg;
    }
}

}  // namespace
