// Sprites: animation stepping, and every way a frame is drawn (keyed, opaque, one-colour,
// shadows, tiled, hidden-surface removal) clipped at every edge of the destination view.
#include <gtest/gtest.h>

#include "frames_support.h"
#include "gfx/alloc.h"

namespace {

const Picture kHoled = {"12.3", "4567", ".89."};
const Picture kSolid = {"1234", "5678", "9abc"};
constexpr uint8_t kBack = 14;  // the canvas colour, in no frame

enum class Way { Normal, Colour, ShadowSolid };

// What the frame should leave on a surface of sw x sh whose view is (vx, vy, vw, vh).
Picture Expected(const Picture& frame, Way way, int x0, int y0, int sw, int sh, int vx, int vy, int vw, int vh,
                 int limit = -1)
{
    Picture out(sh, std::string(sw, CharOf(kBack)));
    const int ox = way == Way::ShadowSolid ? shadowOffsetX : 0;
    const int oy = way == Way::ShadowSolid ? shadowOffsetY : 0;
    const int right = std::min(vw, sw - vx), bottom = std::min(vh, sh - vy);
    bool opaque = true;
    for (const auto& row : frame)
        opaque = opaque && row.find('.') == std::string::npos;
    for (int r = 0; r < int(frame.size()); ++r) {
        for (int c = 0; c < int(frame[r].size()); ++c) {
            const char p = frame[r][c];
            if (p == '.' && !(opaque && way == Way::ShadowSolid))
                continue;
            if (limit >= 0 && c >= limit)
                continue;
            const int x = x0 + ox + c, y = y0 + oy + r;
            if (x < 0 || y < 0 || x >= right || y >= bottom)
                continue;
            out[vy + y][vx + x] = way == Way::Normal ? p : way == Way::Colour ? '7' : '.';
        }
    }
    return out;
}

class SpriteDraw : public ::testing::Test {
protected:
    void SetUp() override { ResetDrawingState(); }
    void TearDown() override
    {
        ResetDrawingState();
        FreeType(type);
    }
    Q2SL_sprite SpriteOf(const Picture& p)
    {
        FreeType(type);
        type = MakeType({{p}});
        Q2SL_sprite s;
        s.SetType(type);
        s.SetAnim(0);
        return s;
    }
    Q2SL_spriteType* type = nullptr;
};

}  // namespace

TEST_F(SpriteDraw, ClipsEveryVariantAtEveryEdgeOfTheView)
{
    struct Pos {
        int x, y;
    };
    // Inside, across each edge and corner, and wholly outside each side of a 6 x 5 view.
    const Pos positions[] = {{1, 1},  {-2, 1}, {4, 1},  {1, -2}, {1, 4},  {-3, -2}, {4, 3},
                             {-2, 4}, {5, -1}, {-4, 1}, {6, 1},  {1, -3}, {1, 5}};
    struct Variant {
        const char* name;
        const Picture* frame;
        Way way;
        int mode;     // shadowMode
        int colour;   // drawMode
    };
    const Variant variants[] = {
        {"keyed", &kHoled, Way::Normal, 0, Q2SL_DRAW_NORMAL},
        {"opaque", &kSolid, Way::Normal, 0, Q2SL_DRAW_NORMAL},
        {"one colour", &kHoled, Way::Colour, 0, 7},
        {"solid shadow", &kHoled, Way::ShadowSolid, 1, Q2SL_DRAW_NORMAL},
        {"opaque solid shadow", &kSolid, Way::ShadowSolid, 1, Q2SL_DRAW_NORMAL},
        {"translucent without a table", &kHoled, Way::ShadowSolid, 2, Q2SL_DRAW_NORMAL},
    };
    Canvas canvas(10, 8, kBack);
    Q2SL_drawBuffer view;
    ASSERT_EQ(view.Attach(&canvas.buffer), 1);
    view.viewX = 2;
    view.viewY = 1;
    view.viewWidth = 6;
    view.viewHeight = 5;
    for (const Variant& v : variants) {
        Q2SL_sprite s = SpriteOf(*v.frame);
        s.drawMode = v.colour;
        for (const Pos& p : positions) {
            SCOPED_TRACE(std::string(v.name) + " at " + std::to_string(p.x) + "," + std::to_string(p.y));
            canvas.Fill(kBack);
            shadowMode = v.mode;
            shadowOffsetX = 2;
            shadowOffsetY = 1;
            s.x = p.x;
            s.y = p.y;
            s.DrawNoHSR(&view);
            shadowMode = 0;
            EXPECT_EQ(canvas.Rows(), Expected(*v.frame, v.way, p.x, p.y, 10, 8, 2, 1, 6, 5));
        }
    }
}

TEST_F(SpriteDraw, DrawModeSelectsPictureSilhouetteOrNothing)
{
    Canvas canvas(6, 4, kBack);
    Q2SL_sprite s = SpriteOf(kHoled);
    s.drawMode = Q2SL_DRAW_NOTHING;
    s.DrawNoHSR(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), Picture(4, "eeeeee"));
    s.drawMode = 0;
    s.DrawNoHSR(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), (Picture{"..e.ee", "....ee", "e..eee", "eeeeee"}));
}

TEST_F(SpriteDraw, KeyedFrameLeftOfTheViewShowsItsLaterColumnsUnstretched)
{
    Picture wide = {"..........123456"};
    Canvas canvas(8, 1, kBack);
    Q2SL_sprite s = SpriteOf(wide);
    s.x = -10;
    s.DrawNoHSR(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), Picture{"123456ee"});
}

TEST_F(SpriteDraw, SolidShadowOfAnOpaqueFrameLandsAtTheOffset)
{
    Picture square(10, std::string(10, '5'));
    Canvas canvas(20, 20, kBack);
    Q2SL_sprite s = SpriteOf(square);
    shadowMode = 1;
    shadowOffsetX = shadowOffsetY = 6;
    s.DrawNoHSR(&canvas.buffer);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(canvas.At(x, y), (x >= 6 && x <= 15 && y >= 6 && y <= 15) ? 0 : kBack) << x << "," << y;
    shadowMode = 0;
    canvas.Fill(kBack);
    s.DrawNoHSR(&canvas.buffer);
    EXPECT_EQ(canvas.At(9, 9), 5);
    EXPECT_EQ(canvas.At(10, 10), kBack);
}

TEST_F(SpriteDraw, OpaqueFrameWithPaddedWidthDrawsOnlyThePicture)
{
    Picture thirteen(2, std::string(13, '3'));
    Canvas canvas(20, 2, kBack);
    Q2SL_sprite s = SpriteOf(thirteen);
    s.DrawNoHSR(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), Picture(2, "3333333333333eeeeeee"));
}

TEST_F(SpriteDraw, WidthLimitCutsColumnsFromTheLeftEdge)
{
    Canvas canvas(6, 3, kBack);
    Q2SL_sprite s = SpriteOf(kSolid);
    s.x = 1;
    s.DrawNoHSR(&canvas.buffer, 0, 0, 2);
    EXPECT_EQ(canvas.Rows(), Expected(kSolid, Way::Normal, 1, 0, 6, 3, 0, 0, 6, 3, 2));
    canvas.Fill(kBack);
    s.DrawNoHSR(&canvas.buffer, 0, 0, 0);
    EXPECT_EQ(canvas.Rows(), Picture(3, "eeeeee"));
}

TEST_F(SpriteDraw, HotSpotAndOffsetMoveTheFrame)
{
    FreeType(type);
    type = Q2SL_New<Q2SL_spriteType>("type");
    type->SetAnimCount(1);
    type->AddFrame(0, MakeFrame(kSolid, 1, 2));
    Q2SL_sprite s;
    s.SetType(type);
    s.SetAnim(0);
    s.x = 4;
    s.y = 3;
    Canvas canvas(8, 4, kBack);
    s.DrawNoHSR(&canvas.buffer, 1, 0);
    EXPECT_EQ(canvas.Rows(), Expected(kSolid, Way::Normal, 2, 1, 8, 4, 0, 0, 8, 4));
}

TEST_F(SpriteDraw, ViewHangingOffTheSurfaceNeverWritesPastIt)
{
    Canvas canvas(16, 3, kBack);
    Q2SL_drawBuffer panel;
    panel.Attach(&canvas.buffer);
    panel.viewX = 10;
    panel.viewWidth = 20;  // 14 columns lie past the surface's right edge
    panel.viewHeight = 3;
    Q2SL_sprite s = SpriteOf(Picture(3, "77777777"));
    s.x = 2;
    s.drawMode = 9;
    canvas.buffer.Lock();
    s.DrawNoHSR(&panel);
    canvas.buffer.Unlock();
    EXPECT_EQ(canvas.Rows(), Picture(3, "eeeeeeeeeeee9999"));
}

TEST_F(SpriteDraw, TranslucentShadowShadesPairsFromEvenColumns)
{
    Q2SL_palette pal;
    pal.shadowPal = static_cast<uint16_t*>(my_new(65536 * 2, "shadowPal"));
    for (int v = 0; v < 65536; ++v)  // every pixel of a shaded pair becomes colour 1
        pal.shadowPal[v] = 0x0101;
    shadowPalette = &pal;
    shadowMode = 2;
    Canvas canvas(10, 3, kBack);
    // Runs [1, 4), [6, 7) and [9, 10): pairs (0,1), (2,3) and (8,9); a one-pixel run on
    // an even column shades nothing.
    Q2SL_sprite s = SpriteOf({".777..7..7", "..........", "8888888888"});
    s.DrawNoHSR(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), (Picture{"1111eeee11", "eeeeeeeeee", "1111111111"}));
    // An opaque frame shades its whole rectangle.
    canvas.Fill(kBack);
    Q2SL_sprite o = SpriteOf({"55", "55"});
    o.x = 3;
    o.DrawNoHSR(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), (Picture{"ee11eeeeee", "ee11eeeeee", "eeeeeeeeee"}));
}

TEST_F(SpriteDraw, TiledFrameCoversTheWholeViewFromItsPosition)
{
    Canvas canvas(7, 5, kBack);
    Q2SL_sprite s = SpriteOf({"12.", "345"});
    type->frames[0][0]->tiled = 1;
    s.x = -1;
    s.y = 1;
    s.DrawNoHSR(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), (Picture{"4534534", "2e12e12", "4534534", "2e12e12", "4534534"}));
}

TEST_F(SpriteDraw, CompressedPictureDrawsFromItsPackedPixels)
{
    const auto px = PixelsOf({"1234", "5678"});
    const auto mask = PixelsOf({"1..1", ".11."});
    Q2SL_buffer packed;
    packed.width = 4;
    packed.height = 2;
    ASSERT_EQ(packed.InitBuffer(px.data(), mask.data()), 1);
    EXPECT_EQ(packed.bitmap.opaqueBytes, 4u);
    Canvas canvas(4, 2, kBack);
    drawPosition pos;
    pos.rowLimit = 2;
    pos.columnLimit = 4;
    packed.DrawSingleNoHSR(&canvas.buffer, pos);
    EXPECT_EQ(canvas.Rows(), (Picture{"1ee4", "e67e"}));
    packed.Delete();
}

TEST_F(SpriteDraw, HiddenSurfaceRemovalKeepsWhatWasDrawnFirst)
{
    Canvas canvas(12, 1, kBack);
    ASSERT_EQ(canvas.buffer.InitBuffer(), 1);
    Q2SL_sprite front = SpriteOf({"11.11"});
    front.x = 2;
    front.Draw(&canvas.buffer);
    Q2SL_spriteType* frontType = type;
    type = nullptr;
    Q2SL_sprite back = SpriteOf({"2222222222"});
    back.x = 1;
    back.Draw(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), Picture{"e2112112222e"});
    // The spans merged into one covering columns 1..10: a later silhouette draws nothing.
    ASSERT_EQ(canvas.buffer.currentRuns[0], 1);
    EXPECT_EQ(canvas.buffer.usedRuns[0][0].start, 1);
    EXPECT_EQ(canvas.buffer.usedRuns[0][0].end, 11);
    back.drawMode = 3;
    back.Draw(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), Picture{"e2112112222e"});
    // After Reset the next frame draws again.
    canvas.buffer.Reset();
    back.Draw(&canvas.buffer);
    EXPECT_EQ(canvas.Rows(), Picture{"e3333333333e"});
    FreeType(frontType);
}

TEST_F(SpriteDraw, HiddenSurfaceRemovalJoinsSpansOnBothSides)
{
    Canvas canvas(12, 1, kBack);
    canvas.buffer.InitBuffer();
    const struct {
        int x;
        Picture p;
    } draws[] = {{0, {"11"}}, {6, {"33"}}, {2, {"2222"}}};
    std::vector<Q2SL_spriteType*> types;
    for (const auto& d : draws) {
        Q2SL_sprite s = SpriteOf(d.p);
        types.push_back(type);
        type = nullptr;
        s.x = d.x;
        s.Draw(&canvas.buffer);
    }
    EXPECT_EQ(canvas.Rows(), Picture{"11222233eeee"});
    ASSERT_EQ(canvas.buffer.currentRuns[0], 1);
    EXPECT_EQ(canvas.buffer.usedRuns[0][0].end, 8);
    for (auto* t : types)
        FreeType(t);
}

TEST(SpriteAnimation, StepsWrapAndOutOfRangeRequestsChangeNothing)
{
    Q2SL_spriteType* t = MakeType({{{"1"}, {"22"}, {"333"}}, {{"4444444444444"}}, {}});
    Q2SL_sprite s;
    s.SetType(t);
    EXPECT_STREQ(s.typeName, "testType");
    EXPECT_EQ(s.numAnims, 3);
    s.SetAnim(0);
    EXPECT_EQ(s.numFrames, 3);
    EXPECT_EQ(s.width, 1);
    EXPECT_EQ(s.StepFrame(), 1);
    EXPECT_EQ(s.StepFrame(), 1);
    EXPECT_EQ(s.frame, 2);
    EXPECT_EQ(s.StepFrame(), 0);
    EXPECT_EQ(s.frame, 0);
    s.frameStep = -1;
    EXPECT_EQ(s.StepFrame(), 0);
    EXPECT_EQ(s.frame, 2);
    s.SetFrame(3);
    s.SetFrame(-1);
    EXPECT_EQ(s.frame, 2);
    s.SetAnim(3);
    s.SetAnim(-1);
    EXPECT_EQ(s.anim, 0);
    s.SetAnim(1);
    EXPECT_EQ(s.width, 13);
    // An animation without frames is taken but keeps the frame and size.
    s.SetAnim(2);
    EXPECT_EQ(s.anim, 2);
    EXPECT_EQ(s.numFrames, 0);
    EXPECT_EQ(s.width, 13);
    EXPECT_EQ(s.CurrentFrame(), nullptr);
    Canvas canvas(4, 4, kBack);
    s.DrawNoHSR(&canvas.buffer);  // nothing to draw, and no fault
    FreeType(t);
}
