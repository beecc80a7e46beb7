// Buffers, views and the display; palettes, fades and shadow tables.
#include <gtest/gtest.h>

#include "common/headless_session.h"
#include "frames_support.h"

namespace {

// The display palette's red components as 6-bit values times 4.
std::vector<int> DisplayReds()
{
    uint8_t rgb[256 * 3];
    I_GetPalette(rgb);
    std::vector<int> reds;
    for (int i = 0; i < 256; ++i)
        reds.push_back(rgb[i * 3]);
    return reds;
}

}  // namespace

TEST(DrawBuffer, DrawCopiesOnlyTheCommonTopLeftArea)
{
    Canvas from(6, 4, 3), to(8, 8, 1);
    from.buffer.viewWidth = 4;  // the copy is at most 4 x 4 from the source's corner...
    Q2SL_drawBuffer view;
    view.Attach(&to.buffer);
    view.viewX = 3;
    view.viewY = 2;
    view.viewWidth = 5;
    view.viewHeight = 2;  // ...and at most 5 x 2 onto the view at (3, 2)
    from.buffer.Draw(&view);
    EXPECT_EQ(to.Rows(), (Picture{"11111111", "11111111", "11133331", "11133331", "11111111", "11111111",
                                  "11111111", "11111111"}));
}

TEST(DrawBuffer, GroupTakesTenMembersAndRefusesTheEleventh)
{
    Canvas owner(4, 4);
    Q2SL_drawBuffer views[11];
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(views[i].Attach(&owner.buffer), 1) << i;
    EXPECT_EQ(views[10].Attach(&owner.buffer), 0);
    EXPECT_EQ(*owner.buffer.sharerCount, 10);
    EXPECT_EQ(views[10].surface, nullptr);
    EXPECT_EQ(views[9].sharerCount, owner.buffer.sharerCount);
}

TEST(DrawBuffer, LockSharesThePixelsWithTheGroupAndUnlockTakesThemBack)
{
    Canvas owner(4, 4);
    Q2SL_drawBuffer view;
    view.Attach(&owner.buffer);
    ASSERT_EQ(owner.buffer.Lock(), 1);
    EXPECT_NE(view.pixels, nullptr);
    EXPECT_EQ(view.pixels, owner.buffer.pixels);
    EXPECT_EQ(view.pitch, owner.buffer.pitch);
    owner.buffer.Unlock();
    EXPECT_EQ(view.pixels, nullptr);
    // Joining another group leaves the first; a deleted member leaves its group.
    Canvas other(4, 4);
    ASSERT_EQ(view.Attach(&other.buffer), 1);
    EXPECT_EQ(*owner.buffer.sharerCount, 0);
    ASSERT_EQ(view.Attach(&owner.buffer), 1);
    view.Delete();
    EXPECT_EQ(*owner.buffer.sharerCount, 0);
    EXPECT_EQ(*view.sharerCount, 0);
    owner.buffer.Lock();
    EXPECT_EQ(view.pixels, nullptr);
    owner.buffer.Unlock();
}

TEST(DrawBuffer, ReattachFollowsANewSurfaceWithoutJoiningTwice)
{
    Canvas owner(4, 4);
    Q2SL_drawBuffer view;
    view.Attach(&owner.buffer);
    I_Surface* old = owner.buffer.surface;
    owner.buffer.surface = I_CreateSurface(4, 4);
    owner.buffer.viewX = 3;
    EXPECT_EQ(view.surface, old);
    view.Reattach(&owner.buffer);
    EXPECT_EQ(view.surface, owner.buffer.surface);
    EXPECT_EQ(view.viewX, 3);
    EXPECT_EQ(*owner.buffer.sharerCount, 1);
    I_ReleaseSurface(old);
    // A view never releases the surface it shares...
    view.ReleaseSurface();
    EXPECT_NE(owner.buffer.surface, nullptr);
    // ...and follows a surface the owner makes again or lets go.
    ASSERT_EQ(owner.buffer.CreateSurface(8, 1), 1);
    EXPECT_EQ(view.surface, owner.buffer.surface);
    owner.buffer.ReleaseSurface();
    EXPECT_EQ(view.surface, nullptr);
}

TEST(DrawBuffer, SurfaceNeedsASize)
{
    Q2SL_buffer b;
    EXPECT_EQ(b.CreateSurface(8, 1), 0);
    b.width = 3;
    b.height = 2;
    EXPECT_EQ(b.CreateSurface(8, 1), 1);
    EXPECT_EQ(DD_Fill_Surface(b.surface, 9), 1);
    b.Delete();
    EXPECT_EQ(b.surface, nullptr);
}

TEST(Screen, BackBufferReachesTheDisplayAndBack)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    ASSERT_EQ(screen.SetVideoMode(640, 480, 8), 1);
    EXPECT_EQ(screen.viewWidth, 640);
    Canvas back(640, 480, 5);
    back.buffer.Draw(&screen);
    ASSERT_EQ(screen.Lock(), 1);
    EXPECT_EQ(screen.pixels[479 * screen.pitch + 639], 5);
    screen.pixels[0] = 7;
    screen.Unlock();
    Canvas copy(640, 480, 0);
    screen.Draw(&copy.buffer);
    EXPECT_EQ(copy.At(0, 0), 7);
    EXPECT_EQ(copy.At(639, 479), 5);
    EXPECT_EQ(screen.SetVideoMode(800, 600, 8), 0);
    screen.ReleaseDirectX();
    session.Finish();
}

TEST(Palette, SetupPalettesFillsTheFourConstants)
{
    SetupPalettes();
    const struct {
        const Q2SL_palette& p;
        int r, g, b;
    } cases[] = {{whitePalette, 63, 63, 63}, {blackPalette, 0, 0, 0}, {bluePalette, 0, 0, 63},
                 {yellowPalette, 63, 63, 0}};
    for (const auto& c : cases) {
        for (int i : {0, 128, 255}) {
            EXPECT_EQ(c.p.colors[i].red, c.r);
            EXPECT_EQ(c.p.colors[i].green, c.g);
            EXPECT_EQ(c.p.colors[i].blue, c.b);
            EXPECT_EQ(c.p.colors[i].index, i);
        }
    }
}

TEST(Palette, FloatComponentsAreTruncatedBeforeTheyReachTheDisplay)
{
    Q2SL_floatPalette p;
    p.entries[0].red = 62.9f;
    p.entries[1].red = 63.0f;
    p.entries[2].red = 0.99f;
    screen.AttachPalette(p);
    const auto reds = DisplayReds();
    EXPECT_EQ(reds[0], 248);
    EXPECT_EQ(reds[1], 252);
    EXPECT_EQ(reds[2], 0);
}

TEST(Palette, FadeEndsOnItsLastStepExactlyAtTheTarget)
{
    Q2SL_palette from, to;
    for (int i = 0; i < 256; ++i) {
        from.colors[i].red = static_cast<uint8_t>(i % 64);
        to.colors[i].red = static_cast<uint8_t>(63 - i % 64);
    }
    EXPECT_EQ(FadePal(), 0);  // none running yet
    for (int frames : {1, 7, 10}) {
        FadePalStart(from, to, frames);
        for (int step = 1; step < frames; ++step)
            EXPECT_EQ(FadePal(), 0) << frames << " frames, step " << step;
        EXPECT_EQ(FadePal(), 1) << frames;
        EXPECT_EQ(FadePal(), 0);
        const auto reds = DisplayReds();
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(reds[i], to.colors[i].red * 4) << i;
    }
    // Half way through a fade from 0 to 63 in 10 steps shows 31.5, truncated.
    FadePalStart(from, to, 10);
    for (int step = 0; step < 5; ++step)
        FadePal();
    EXPECT_EQ(DisplayReds()[0], 31 * 4);
}

TEST(Palette, ShadowTableShadesBothPixelsOfAPair)
{
    Q2SL_palette grey;
    for (int i = 0; i < 64; ++i)
        grey.colors[i].red = grey.colors[i].green = grey.colors[i].blue = static_cast<uint8_t>(i);
    for (int i = 64; i < 256; ++i)
        grey.colors[i].red = 63;  // reds never come closest to a grey
    ASSERT_EQ(grey.CreateShadowPal(48), 1);  // every component 16 darker
    EXPECT_EQ(grey.shadowPal[40 * 256 + 20], (24 << 8) | 4);
    EXPECT_EQ(grey.shadowPal[10 * 256 + 63], (0 << 8) | 47);
    // The reds 64..255 are all equally near a darkened red: the first of them wins.
    EXPECT_EQ(grey.shadowPal[200 * 256] >> 8, 64);
    // Lightening clamps at 63.
    grey.CreateShadowPal(80);
    EXPECT_EQ(grey.shadowPal[50 * 256 + 10], (63 << 8) | 26);
}
