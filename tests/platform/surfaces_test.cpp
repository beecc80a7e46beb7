// Surfaces: blits clipped to both surfaces, the colour key, blits within one surface, and
// the display's placement in the window.
#include <gtest/gtest.h>

#include <memory>

#include "platform/display.h"
#include "platform/platform.h"

namespace {

using SurfacePtr = std::unique_ptr<I_Surface, void (*)(I_Surface*)>;

SurfacePtr MakeSurface(int w, int h)
{
    return SurfacePtr(I_CreateSurface(w, h), I_ReleaseSurface);
}

uint8_t At(I_Surface* s, int x, int y)
{
    int pitch = 0;
    const uint8_t* p = I_LockSurface(s, &pitch);
    return p[y * pitch + x];
}

// A source whose pixel (x, y) is 10 * y + x + 1, with a key-coloured hole at (1, 1).
SurfacePtr Numbered(int w, int h)
{
    SurfacePtr s = MakeSurface(w, h);
    int pitch = 0;
    uint8_t* p = I_LockSurface(s.get(), &pitch);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            p[y * pitch + x] = uint8_t(10 * y + x + 1);
    p[pitch + 1] = 0;
    return s;
}

} // namespace

TEST(Surfaces, SizesArePlainAndBadOnesRefused)
{
    SurfacePtr s = MakeSurface(13, 5);
    int pitch = 0;
    ASSERT_NE(I_LockSurface(s.get(), &pitch), nullptr);
    EXPECT_EQ(I_SurfaceWidth(s.get()), 13);
    EXPECT_EQ(I_SurfaceHeight(s.get()), 5);
    EXPECT_GE(pitch, 13);
    EXPECT_EQ(I_CreateSurface(0, 5), nullptr);
    EXPECT_EQ(I_CreateSurface(5, -1), nullptr);
    EXPECT_EQ(I_CreateSurface(1 << 20, 1 << 20), nullptr);
}

TEST(Surfaces, BlitsAreClippedToBothSurfaces)
{
    struct Case {
        const char* what;
        int dx, dy;
        I_Rect area;
        // Destination pixel to look at and the value expected there (0: untouched).
        int px, py, value;
    };
    const Case cases[] = {
        {"inside", 1, 1, {0, 0, 2, 2}, 2, 1, 2},
        {"off the destination's left", -2, 0, {0, 0, 4, 1}, 0, 0, 3},
        {"off the destination's top", 0, -1, {0, 0, 1, 3}, 0, 0, 11},
        {"off the destination's right", 6, 0, {0, 0, 4, 1}, 7, 0, 2},
        {"off the destination's bottom", 0, 3, {0, 0, 1, 3}, 0, 3, 1},
        {"source area off the source's left", 0, 0, {-2, 0, 4, 1}, 2, 0, 1},
        {"source area off the source's left, nothing before", 0, 0, {-2, 0, 4, 1}, 1, 0, 0},
        {"source area past the source", 0, 0, {3, 0, 10, 1}, 1, 0, 5},
        {"source area past the source, cut", 0, 0, {3, 0, 10, 1}, 2, 0, 0},
        {"wholly outside", 20, 20, {0, 0, 5, 5}, 0, 0, 0},
        {"negative size", 0, 0, {0, 0, -3, 2}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SurfacePtr src = Numbered(5, 4);
        SurfacePtr dst = MakeSurface(8, 4);
        I_Blt(dst.get(), c.dx, c.dy, src.get(), c.area, false);
        EXPECT_EQ(At(dst.get(), c.px, c.py), c.value);
    }
}

TEST(Surfaces, KeyedBlitsSkipColourZeroAndUnkeyedOnesCopyIt)
{
    SurfacePtr src = Numbered(3, 3);
    SurfacePtr dst = MakeSurface(3, 3);
    I_FillSurface(dst.get(), 99);
    I_Blt(dst.get(), 0, 0, src.get(), {0, 0, 3, 3}, true);
    EXPECT_EQ(At(dst.get(), 1, 1), 99);
    EXPECT_EQ(At(dst.get(), 2, 1), 13);
    I_Blt(dst.get(), 0, 0, src.get(), {0, 0, 3, 3}, false);
    EXPECT_EQ(At(dst.get(), 1, 1), 0);
}

// Rows long enough for the word-at-a-time copy, with every colour, at an odd offset.
TEST(Surfaces, AKeyedBlitOfLongRowsKeepsExactlyTheColourZeroPixels)
{
    const int w = 300, h = 2;
    SurfacePtr src = MakeSurface(w, h);
    SurfacePtr dst = MakeSurface(w + 5, h);
    int pitch = 0;
    uint8_t* from = I_LockSurface(src.get(), &pitch);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            from[y * pitch + x] = uint8_t((x * 7 + y) % 5 == 0 ? 0 : x + y);
    I_FillSurface(dst.get(), 200);
    I_Blt(dst.get(), 3, 0, src.get(), {0, 0, w, h}, true);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const uint8_t colour = from[y * pitch + x];
            ASSERT_EQ(At(dst.get(), x + 3, y), colour ? colour : 200) << x << "," << y;
        }
    EXPECT_EQ(At(dst.get(), 2, 0), 200);
    EXPECT_EQ(At(dst.get(), w + 3, 0), 200);
}

TEST(Surfaces, ABlitWithinOneSurfaceCopiesTheAreaAsItWas)
{
    SurfacePtr s = Numbered(6, 1);
    I_Blt(s.get(), 1, 0, s.get(), {0, 0, 5, 1}, false);
    const uint8_t expected[] = {1, 1, 2, 3, 4, 5};
    for (int x = 0; x < 6; x++)
        EXPECT_EQ(At(s.get(), x, 0), expected[x]) << x;
}

TEST(Display, OnlyTheGameModeIsOfferedAndSettingItAsksForAPaint)
{
    EXPECT_FALSE(I_SetVideoMode(800, 600, 8));
    EXPECT_FALSE(I_SetVideoMode(640, 480, 16));
    ASSERT_TRUE(I_SetVideoMode(640, 480, 8));
    ASSERT_NE(I_PrimarySurface(), nullptr);
    EXPECT_EQ(I_SurfaceWidth(I_PrimarySurface()), 640);
    I_Message msg{};
    ASSERT_TRUE(I_PeekMessage(msg));
    EXPECT_EQ(msg.kind, I_MSG_PAINT);
    I_Shutdown();
}

TEST(Display, ThePictureIsScaledByWholeFactorsAndCentred)
{
    struct Case {
        int outW, outH;
        I_Rect expected;
    };
    const Case cases[] = {
        {640, 480, {0, 0, 640, 480}},
        {1920, 1080, {320, 60, 1280, 960}},
        {1300, 2000, {10, 520, 1280, 960}},
        {1279, 959, {319, 239, 640, 480}},
        {2560, 1440, {320, 0, 1920, 1440}},
        {320, 480, {0, 120, 320, 240}},
        {400, 200, {67, 0, 266, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.outW << " x " << c.outH);
        const I_Rect r = I_FitDisplay(c.outW, c.outH);
        EXPECT_EQ(r.x, c.expected.x);
        EXPECT_EQ(r.y, c.expected.y);
        EXPECT_EQ(r.w, c.expected.w);
        EXPECT_EQ(r.h, c.expected.h);
    }
}

TEST(Display, FramesConvertThroughThePalette)
{
    std::vector<uint8_t> pixels(640 * 480, 0);
    pixels[641] = 7;
    uint8_t rgb[256 * 3] = {};
    rgb[7 * 3] = 0xFC;
    rgb[7 * 3 + 1] = 0x10;
    rgb[7 * 3 + 2] = 0x04;
    std::vector<uint32_t> out(640 * 480);
    I_ConvertFrame(pixels.data(), 640, rgb, out.data(), 640);
    EXPECT_EQ(out[641], 0xFFFC1004u);
    EXPECT_EQ(out[0], 0xFF000000u);
}
