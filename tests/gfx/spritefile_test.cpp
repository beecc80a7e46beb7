// Sprite files: what the library writes reads back identically; bad files are refused
// whole (never a fault); the buffered reader's slots.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/headless_session.h"
#include "frames_support.h"
#include "gfx/alloc.h"

namespace fs = std::filesystem;

namespace {

std::string TempPath(const std::string& name)
{
    return (fs::temp_directory_path() / ("gfxa_" + std::to_string(::getpid()) + "_" + name)).string();
}

std::vector<uint8_t> Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Spit(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

int WriteFile(Q2SL_file& f, const std::string& path)
{
    if (!f.OpenWrite(path.c_str()))
        return 0;
    const int ok = f.Write();
    f.Close();
    return ok;
}

int ReadFile(Q2SL_file& f, const std::string& path)
{
    f.handle = Dos_OpenRead(path);
    if (f.handle < 0)
        return 0;
    const int ok = f.Read();
    f.Close();
    return ok;
}

int ReadBytes(const std::vector<uint8_t>& bytes)
{
    const std::string path = TempPath("bad.qsl");
    Spit(path, bytes);
    Q2SL_file f;
    const int ok = ReadFile(f, path);
    f.Free();
    fs::remove(path);
    return ok;
}

// One object of each kind, the way the data generator builds them.
void BuildEverything(Q2SL_file& f)
{
    auto* c = Q2SL_New<Q2SL_color>("color");
    Q2SL_SetName(c->name, 32, "c0");
    c->red = 1, c->green = 2, c->blue = 3, c->index = 4;
    f.Add(c);
    auto* p = Q2SL_New<Q2SL_palette>("palette");
    Q2SL_SetName(p->name, 32, "pal");
    for (int i = 0; i < 256; ++i)
        p->colors[i].red = static_cast<uint8_t>(i % 64);
    f.Add(p);
    Q2SL_buffer* pic = MakeFrame({"1.23456789abc", "..........1..", "ffffffffffff."}, 2, 1);
    Q2SL_SetName(pic->name, 32, "pic");
    pic->tiled = 1;
    f.Add(pic);
    auto* view = Q2SL_New<Q2SL_drawBuffer>("view");
    Q2SL_SetName(view->name, 32, "view");
    f.Add(view);
    auto* owner = Q2SL_New<Q2SL_drawBuffer>("owner");
    Q2SL_SetName(owner->name, 32, "owner");
    owner->viewX = 8, owner->viewY = 9, owner->viewWidth = 480, owner->viewHeight = 464;
    owner->numSharerNames = 1;
    owner->sharerNames = static_cast<char(*)[16]>(my_new(16, "sharerNames"));
    Q2SL_SetName(owner->sharerNames[0], 16, "view");
    view->Attach(owner);  // as reading will: the member takes the owner's view
    f.Add(owner);
    auto* scr = Q2SL_New<Q2SL_screen>("screen");
    Q2SL_SetName(scr->name, 32, "scr");
    scr->viewWidth = 640, scr->viewHeight = 480;
    f.Add(scr);
    Q2SL_spriteType* t = MakeType({{Picture(4, "12345678"), {"1.1.1.1.1.1.1.1.", "1111111111111111"}}, {}});
    Q2SL_SetName(t->name, 32, "ball");
    t->boxX = 1, t->boxY = 2, t->boxWidth = 5, t->boxHeight = 2;
    f.Add(t);
    auto* s = Q2SL_New<Q2SL_sprite>("sprite");
    Q2SL_SetName(s->name, 32, "s1");
    Q2SL_SetName(s->typeName, 16, "ball");
    s->x = -5, s->y = 7, s->frame = 1, s->frameStep = -1;
    f.Add(s);
    auto* font = Q2SL_New<Q2SL_font>("font");
    Q2SL_SetName(font->name, 32, "font0");
    font->lineHeight = 16;
    font->SetGlyph('A', MakeFrame({"1111111111111", "1...........1"}));
    font->SetGlyph('B', MakeFrame({"22222222"}));
    f.Add(font);
}

// Bytes of a file written by hand, field by field.
struct Bytes {
    std::vector<uint8_t> b;
    Bytes& u8(unsigned v)
    {
        b.push_back(static_cast<uint8_t>(v));
        return *this;
    }
    Bytes& u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8 & 0xFF); }
    Bytes& u32(uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& name(const char* s, size_t n)
    {
        for (size_t i = 0; i < n; ++i)
            u8(i < std::strlen(s) ? s[i] : 0);
        return *this;
    }
    Bytes& header(std::vector<uint32_t> counts, const char* magic = "Q2SL")
    {
        name(magic, 8).u16(37);
        for (int i = 10; i < 28; ++i)
            u8(0x5A);  // bytes the reader does not look at
        u16(static_cast<unsigned>(counts.size())).u32(0);
        for (uint32_t c : counts)
            u32(c);
        return *this;
    }
    Bytes& item(const char* n, unsigned section) { return name(n, 32).u16(section); }
};

// A 4 x 2 picture "1.23" / "4567" with its runs and solid map; fields can be spoilt.
struct PictureFields {
    unsigned depth = 8, width = 4, height = 2;
    uint32_t opaque = 7;
    std::vector<std::vector<std::pair<unsigned, unsigned>>> runs = {{{0, 1}, {2, 4}}, {{0, 4}}};
    unsigned solidRows = 2;
    unsigned pixelCount() const { return width * height < 64 ? width * height : 8; }
};

Bytes& Picture4x2(Bytes& out, const PictureFields& p)
{
    out.name("pic", 32).u16(p.depth).u16(p.width).u16(p.height).u16(0).u16(0).u16(0);
    const uint8_t pixels[] = {1, 0, 2, 3, 4, 5, 6, 7};
    for (unsigned i = 0; i < p.pixelCount(); ++i)
        out.u8(pixels[i % 8]);
    out.u32(p.opaque);
    for (const auto& row : p.runs) {
        out.u16(static_cast<unsigned>(row.size()));
        for (auto [s, e] : row)
            out.u16(s).u16(e);
    }
    out.u16(0).u16(p.solidRows);
    for (unsigned r = 0; r < p.solidRows; ++r)
        out.u16(1).u16(0).u16(1);
    return out;
}

std::vector<uint8_t> OnePicture(const PictureFields& p)
{
    Bytes b;
    b.header({0, 0, 1, 0, 0, 0, 0, 0}).item("pic", 2);
    return Picture4x2(b, p).b;
}

}  // namespace

TEST(SpriteFile, WhatIsWrittenReadsBackIdentically)
{
    Q2SL_file built;
    BuildEverything(built);
    const std::string first = TempPath("first.qsl"), second = TempPath("second.qsl");
    ASSERT_EQ(WriteFile(built, first), 1);
    Q2SL_file f;
    ASSERT_EQ(ReadFile(f, first), 1);

    ASSERT_EQ(f.colors.count, 1u);
    EXPECT_EQ(f.SearchColor("c0")->blue, 3);
    EXPECT_EQ(f.SearchPalette("pal")->colors[70].red, 6);

    Q2SL_buffer* pic = f.SearchBuffer("pic");
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->width, 16);  // padded to a multiple of 8...
    EXPECT_EQ(pic->PictureWidth(), 13);
    EXPECT_EQ(pic->hotX, 2);
    EXPECT_EQ(pic->tiled, 1);
    EXPECT_EQ(pic->opaque, 0);
    EXPECT_EQ(pic->rawPixels, nullptr);
    EXPECT_EQ(pic->bitmap.rows[0].numRuns, 2);
    EXPECT_EQ(pic->solidMap.numRows, 3);
    int pitch = 0;
    const uint8_t* px = I_LockSurface(pic->surface, &pitch);
    EXPECT_EQ(px[12], 12);
    EXPECT_EQ(px[13] | px[14] | px[15], 0);  // ...with the padding transparent
    EXPECT_EQ(px[2 * pitch], 15);
    I_UnlockSurface(pic->surface);

    Q2SL_drawBuffer* owner = f.SearchDrawBuffer("owner");
    Q2SL_drawBuffer* view = f.SearchDrawBuffer("view");
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(owner->viewHeight, 464);
    EXPECT_EQ(*owner->sharerCount, 1);
    EXPECT_EQ(view->sharerCount, owner->sharerCount);
    EXPECT_EQ(view->viewX, 8);
    EXPECT_EQ(f.SearchScreen("scr")->viewWidth, 640);

    Q2SL_spriteType* t = f.SearchSpriteType("ball");
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->numAnims, 2);
    EXPECT_EQ(t->numFrames[0], 2);
    EXPECT_EQ(t->numFrames[1], 0);
    EXPECT_EQ(t->Frame(0, 0)->opaque, 1);
    EXPECT_EQ(t->Frame(0, 1)->opaque, 0);
    EXPECT_EQ(t->boxWidth, 5);
    ASSERT_EQ(t->numBoundRows, 4);  // the bound lies over the first frame
    EXPECT_EQ(t->boundRows[1].numRuns, 0);
    EXPECT_EQ(t->boundRows[2].runs[0].start, 1);
    EXPECT_EQ(t->boundRows[3].runs[0].end, 6);

    Q2SL_sprite* s = f.SearchSprite("s1");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->type, t);
    EXPECT_EQ(s->x, -5);
    EXPECT_EQ(s->frameStep, -1);
    EXPECT_EQ(s->drawMode, Q2SL_DRAW_NORMAL);

    ASSERT_EQ(f.fonts.count, 1u);
    Q2SL_font* font = f.fonts.items[0];
    EXPECT_EQ(font->lineHeight, 16);
    EXPECT_EQ(font->glyphs['A']->width, 16);
    EXPECT_EQ(font->widths['A'], 13);  // the advance stays the picture's own width
    EXPECT_EQ(font->widths['B'], 8);
    EXPECT_EQ(font->glyphs['C'], nullptr);

    ASSERT_EQ(WriteFile(f, second), 1);
    const auto a = Slurp(first), b = Slurp(second);
    ASSERT_EQ(a.size(), b.size());
    const auto diff = std::mismatch(a.begin(), a.end(), b.begin());
    EXPECT_EQ(diff.first, a.end()) << "first difference at byte " << (diff.first - a.begin());
    // Reading again into the same object replaces everything.
    ASSERT_EQ(ReadFile(f, second), 1);
    EXPECT_EQ(f.spriteTypes.count, 1u);
    built.Free();
    f.Free();
    if (!::testing::Test::HasFailure()) {
        fs::remove(first);
        fs::remove(second);
    }
}

TEST(SpriteFile, EveryTruncationIsRefused)
{
    Q2SL_file built;
    BuildEverything(built);
    const std::string path = TempPath("whole.qsl");
    ASSERT_EQ(WriteFile(built, path), 1);
    built.Free();
    const auto whole = Slurp(path);
    fs::remove(path);
    ASSERT_GT(whole.size(), 500u);
    for (size_t n = 0; n < whole.size(); ++n)
        ASSERT_EQ(ReadBytes({whole.begin(), whole.begin() + long(n)}), 0) << n << " of " << whole.size();
    EXPECT_EQ(ReadBytes(whole), 1);
}

TEST(SpriteFile, ItemHeaderAcrossTheReadBufferBoundaryIsAccepted)
{
    Q2SL_file built;
    built.Add(MakeFrame(Picture(23, std::string(693, '1'))));
    Q2SL_buffer* after = MakeFrame({"12"});
    Q2SL_SetName(after->name, 32, "after");
    built.Add(after);
    const std::string path = TempPath("boundary.qsl");
    ASSERT_EQ(WriteFile(built, path), 1);
    built.Free();
    const auto bytes = Slurp(path);
    const size_t second = 16384 - 17;  // the second item header runs from here across 16384
    ASSERT_GT(bytes.size(), second + 34);
    ASSERT_EQ(std::string(bytes.begin() + second, bytes.begin() + second + 5), "after");
    Q2SL_file f;
    ASSERT_EQ(ReadFile(f, path), 1);
    ASSERT_NE(f.SearchBuffer("after"), nullptr);
    EXPECT_EQ(f.SearchBuffer("after")->bitmap.rows[0].runs[0].pixels[1], 2);
    f.Free();
    fs::remove(path);
}

TEST(SpriteFile, SpoiltBytesNeverCauseAFault)
{
    Q2SL_file built;
    BuildEverything(built);
    const std::string path = TempPath("spoil.qsl");
    ASSERT_EQ(WriteFile(built, path), 1);
    built.Free();
    const auto whole = Slurp(path);
    fs::remove(path);
    uint32_t state = 12345;
    const auto next = [&state] { return state = state * 1103515245u + 12345u, state >> 8; };
    for (int round = 0; round < 1500; ++round) {
        auto bytes = whole;
        for (int k = 1 + next() % 4; k > 0; --k)
            bytes[next() % bytes.size()] = static_cast<uint8_t>(next());
        ReadBytes(bytes);  // refused or read, never a fault
    }
}

TEST(SpriteFile, HeaderChecks)
{
    const PictureFields good;
    EXPECT_EQ(ReadBytes(OnePicture(good)), 1);
    const struct {
        const char* what;
        std::vector<uint32_t> counts;
        const char* magic;
        int want;
    } cases[] = {
        {"nine counts, the ninth ignored", {0, 0, 0, 0, 0, 0, 0, 0, 99}, "Q2SL", 1},
        {"every section empty", {0, 0, 0, 0, 0, 0, 0, 0}, "Q2SL", 1},
        {"seven counts", {0, 0, 0, 0, 0, 0, 0}, "Q2SL", 0},
        {"magic in lower case", {0, 0, 0, 0, 0, 0, 0, 0}, "q2sl", 0},
        {"a fifth letter", {0, 0, 0, 0, 0, 0, 0, 0}, "Q2SLX", 0},
        {"billions of colours", {0xFFFFFFFF, 0, 0, 0, 0, 0, 0, 0}, "Q2SL", 0},
        {"more fonts than the file holds", {0, 0, 0, 0, 0, 0, 0, 3}, "Q2SL", 0},
    };
    for (const auto& c : cases) {
        Bytes b;
        b.header(c.counts, c.magic);
        EXPECT_EQ(ReadBytes(b.b), c.want) << c.what;
    }
    Bytes many;
    many.header({0, 0, 0, 0, 0, 0, 0, 0});
    many.b[28] = many.b[29] = 0xFF;  // 65535 counts claimed
    EXPECT_EQ(ReadBytes(many.b), 0);
}

TEST(SpriteFile, CorruptPicturesAreRefused)
{
    const auto spoilt = [](auto change) {
        PictureFields p;
        change(p);
        return OnePicture(p);
    };
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"width 0", spoilt([](PictureFields& p) { p.width = 0; })},
        {"height 0", spoilt([](PictureFields& p) { p.height = 0; })},
        {"width 65535", spoilt([](PictureFields& p) { p.width = 65535; })},
        {"height 65535", spoilt([](PictureFields& p) { p.height = 65535; })},
        {"depth 16", spoilt([](PictureFields& p) { p.depth = 16; })},
        {"run past the right edge", spoilt([](PictureFields& p) { p.runs[1] = {{0, 5}}; })},
        {"empty run", spoilt([](PictureFields& p) { p.runs[1] = {{2, 2}}; })},
        {"overlapping runs", spoilt([](PictureFields& p) { p.runs[0] = {{0, 3}, {2, 4}}; })},
        {"runs out of order", spoilt([](PictureFields& p) { p.runs[0] = {{2, 4}, {0, 1}}; })},
        {"opaque count disagrees", spoilt([](PictureFields& p) { p.opaque = 8; })},
        {"more solid rows than rows", spoilt([](PictureFields& p) { p.solidRows = 3; })},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadBytes(c.bytes), 0) << c.what;
    // A run count far beyond the row.
    auto huge = OnePicture(PictureFields());
    const size_t firstRunCount = 34 + 32 + 34 + 32 + 12 + 8 + 4;  // header, counts, item, fields, pixels, count
    ASSERT_EQ(huge[firstRunCount], 2);
    huge[firstRunCount] = huge[firstRunCount + 1] = 0xFF;
    EXPECT_EQ(ReadBytes(huge), 0);
}

TEST(SpriteFile, OpaqueOnlyWithoutAnyTransparentPixel)
{
    PictureFields full;
    full.opaque = 8;
    full.runs = {{{0, 4}}, {{0, 4}}};
    auto bytes = OnePicture(full);
    const size_t secondPixel = 34 + 32 + 34 + 32 + 12 + 1;
    ASSERT_EQ(bytes[secondPixel], 0);
    bytes[secondPixel] = 9;  // the one 0 pixel gets a colour
    const std::string path = TempPath("opaque.qsl");
    Spit(path, bytes);
    Q2SL_file f;
    ASSERT_EQ(ReadFile(f, path), 1);
    EXPECT_EQ(f.buffers.items[0]->opaque, 1);
    Spit(path, OnePicture(PictureFields()));
    ASSERT_EQ(ReadFile(f, path), 1);
    EXPECT_EQ(f.buffers.items[0]->opaque, 0);
    f.Free();
    fs::remove(path);
}

TEST(SpriteFile, CorruptItemsAreRefused)
{
    Bytes views;  // eleven buffers to attach to one view
    views.header({0, 0, 0, 1, 0, 0, 0, 0}).item("v", 3).name("v", 32).u16(0).u16(0).u16(10).u16(10).u16(11);
    for (int i = 0; i < 11; ++i)
        views.name("x", 16);
    Bytes palette;
    palette.header({0, 1, 0, 0, 0, 0, 0, 0}).item("p", 1).name("p", 32).u16(300);
    for (int i = 0; i < 300; ++i)
        palette.name("", 32).u8(1).u8(2).u8(3).u8(4);
    Bytes anims;
    anims.header({0, 0, 0, 0, 0, 1, 0, 0}).item("t", 5).name("t", 32).u16(0).u16(0).u16(4).u16(4).u16(60000);
    Bytes frames;
    frames.header({0, 0, 0, 0, 0, 1, 0, 0}).item("t", 5).name("t", 32).u16(0).u16(0).u16(4).u16(4).u16(1).u16(
        60000);
    Bytes font;  // a glyph announced but not there
    font.header({0, 0, 0, 0, 0, 0, 0, 1}).item("f", 7).name("f", 32).u16(16).u8(1);
    for (const Bytes* b : {&views, &palette, &anims, &frames, &font})
        EXPECT_EQ(ReadBytes(b->b), 0);
    // Ten sharers are fine (their names need not be found).
    Bytes ten;
    ten.header({0, 0, 0, 1, 0, 0, 0, 0}).item("v", 3).name("v", 32).u16(0).u16(0).u16(10).u16(10).u16(10);
    for (int i = 0; i < 10; ++i)
        ten.name("x", 16);
    EXPECT_EQ(ReadBytes(ten.b), 1);
}

TEST(SpriteFile, SpriteWhoseTypeIsMissingHasNone)
{
    Bytes b;
    b.header({0, 0, 0, 0, 0, 0, 1, 0}).item("s", 6).name("s", 32).name("nowhere", 16).u32(1).u32(2).u16(0).u16(1);
    const std::string path = TempPath("sprite.qsl");
    Spit(path, b.b);
    Q2SL_file f;
    ASSERT_EQ(ReadFile(f, path), 1);
    EXPECT_EQ(f.sprites.items[0]->type, nullptr);
    EXPECT_EQ(f.sprites.items[0]->y, 2);
    EXPECT_EQ(f.SearchSprite("nope"), nullptr);
    f.Free();
    fs::remove(path);
}

TEST(SpriteFile, OpensGamePathsThroughTheDataFolder)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    session.WriteData("Sprites/Game.qsl", OnePicture(PictureFields()));
    Q2SL_file f;
    EXPECT_EQ(f.OpenRead("Missing.qsl"), 0);
    ASSERT_EQ(f.OpenRead("sprites\\GAME.QSL"), 1);
    EXPECT_EQ(f.Read(), 1);
    f.Close();
    Q2SL_SetName(f.fileName, sizeof f.fileName, "Sprites\\game.qsl");
    ASSERT_EQ(f.OpenRead(), 1);
    EXPECT_EQ(f.Read(), 1);
    f.Close();
    EXPECT_EQ(f.buffers.count, 1u);
    f.Free();
}

TEST(DosRead, BuffersAcrossTheSlotBoundaryAndHasTwoSlots)
{
    std::vector<uint8_t> bytes(16384 + 100);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i * 7);
    const std::string path = TempPath("dos.bin");
    Spit(path, bytes);
    const int a = Dos_OpenRead(path), b = Dos_OpenRead(path), c = Dos_OpenRead(path);
    ASSERT_GE(c, 0);
    std::vector<uint8_t> got(16384 + 100);
    uint32_t delivered = 0;
    ASSERT_EQ(Q2SL_DosRead(a, got.data(), 16370, &delivered, Q2SL_DOS_READ), Q2SL_READ_OK);
    ASSERT_EQ(Q2SL_DosRead(a, got.data() + 16370, 34, &delivered, Q2SL_DOS_READ), Q2SL_READ_OK);
    EXPECT_EQ(delivered, 34u);
    EXPECT_TRUE(std::equal(got.begin(), got.begin() + 16404, bytes.begin()));
    // The end of the file delivers what is left.
    ASSERT_EQ(Q2SL_DosRead(a, got.data(), 1000, &delivered, Q2SL_DOS_READ), Q2SL_READ_OK);
    EXPECT_EQ(delivered, 80u);
    EXPECT_EQ(Q2SL_DosRead(b, got.data(), 4, &delivered, Q2SL_DOS_READ), Q2SL_READ_OK);
    EXPECT_EQ(Q2SL_DosRead(c, got.data(), 4, &delivered, Q2SL_DOS_READ), Q2SL_SLOTS_BUSY);
    EXPECT_EQ(Q2SL_DosRead(c, nullptr, 0, nullptr, Q2SL_DOS_RELEASE), Q2SL_NO_SLOT);
    EXPECT_EQ(Q2SL_DosRead(b, nullptr, 0, nullptr, Q2SL_DOS_RELEASE), Q2SL_READ_OK);
    EXPECT_EQ(Q2SL_DosRead(c, got.data(), 4, &delivered, Q2SL_DOS_READ), Q2SL_READ_OK);
    EXPECT_EQ(got[3], bytes[3]);
    for (int h : {a, b, c})
        Dos_Close(h);
    fs::remove(path);
}
