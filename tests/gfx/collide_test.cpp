// Overlap tests: boxes, solid runs, step-backs and the side that met.
#include <gtest/gtest.h>

#include "frames_support.h"
#include "gfx/collide.h"

namespace {

// A sprite with a collision box of its own type (no frames).
struct Boxed {
    Boxed(int w, int h, int ox = 0, int oy = 0)
    {
        type.boxWidth = static_cast<uint16_t>(w);
        type.boxHeight = static_cast<uint16_t>(h);
        type.boxX = static_cast<uint16_t>(ox);
        type.boxY = static_cast<uint16_t>(oy);
        sprite.type = &type;
    }
    void Place(int x, int y, int px, int py)
    {
        sprite.x = x;
        sprite.y = y;
        sprite.prevX = px;
        sprite.prevY = py;
    }
    Q2SL_spriteType type;
    Q2SL_sprite sprite;
};

// A sprite showing one picture, its solid runs those of the picture.
struct Shaped {
    explicit Shaped(const Picture& p) : type(MakeType({{p}}))
    {
        sprite.SetType(type);
        sprite.SetAnim(0);
        type->boxWidth = sprite.width;
        type->boxHeight = sprite.height;
    }
    ~Shaped() { FreeType(type); }
    Q2SL_spriteType* type;
    Q2SL_sprite sprite;
};

}  // namespace

TEST(CollideBox, TouchingEdgesDoNotOverlap)
{
    const struct {
        int bx, by, want;
    } cases[] = {{10, 0, 0}, {9, 0, 1}, {-10, 0, 0}, {-9, 0, 1}, {0, 10, 0}, {0, 9, 1}, {0, -10, 0}, {9, 9, 1}};
    Boxed a(10, 10), b(10, 10);
    for (const auto& c : cases) {
        b.sprite.x = c.bx;
        b.sprite.y = c.by;
        EXPECT_EQ(CollideBox(a.sprite, b.sprite), c.want) << c.bx << "," << c.by;
    }
}

TEST(CollideBox, OnlyTheFirstBoxIsOffset)
{
    Boxed a(4, 4, 6, 0), b(4, 4, 20, 20);
    b.sprite.x = 9;  // a's box covers 6..9, b's box 9..12 (its offset ignored)
    EXPECT_EQ(CollideBox(a.sprite, b.sprite), 1);
    b.sprite.x = 10;
    EXPECT_EQ(CollideBox(a.sprite, b.sprite), 0);
    EXPECT_EQ(CollideBox(b.sprite, a.sprite), 0);  // b's box at 30.., a's at 10..
}

TEST(Collide, ComparesSolidRunsRowByRow)
{
    Shaped a({"1.", ".1"}), b({"1.", ".1"});
    const struct {
        int bx, by, want;
    } cases[] = {
        {1, 0, 0},   // runs meet only diagonally
        {0, 1, 0},   // also diagonal
        {1, 1, 1},   // a's (1,1) on b's (0,0)
        {0, 0, 1},   // the same place
        {-1, -1, 1}, // b's (1,1) on a's (0,0)
        {3, 0, 0},   // rectangles apart
    };
    for (const auto& c : cases) {
        b.sprite.x = c.bx;
        b.sprite.y = c.by;
        EXPECT_EQ(Collide(a.sprite, b.sprite), c.want) << c.bx << "," << c.by;
        EXPECT_EQ(Collide(b.sprite, a.sprite), c.want) << c.bx << "," << c.by;
    }
}

TEST(CollideSolid, StepsBackAlongTheMotionUntilApart)
{
    Shaped a({"11", "11"}), b({"1111", "1111", "1111", "1111"});
    b.sprite.x = 10;
    b.sprite.y = 10;
    // Still, but overlapping: reported, not moved.
    a.sprite.x = a.sprite.prevX = 11;
    a.sprite.y = a.sprite.prevY = 11;
    EXPECT_EQ(CollideSolid(a.sprite, b.sprite), 2);
    EXPECT_EQ(a.sprite.x, 11);
    // Moving right and a little down: steps back along x only.
    a.sprite.prevX = 5;
    a.sprite.prevY = 10;
    EXPECT_EQ(CollideSolid(a.sprite, b.sprite), 1);
    EXPECT_EQ(a.sprite.x, 8);
    EXPECT_EQ(a.sprite.y, 11);
    EXPECT_EQ(a.sprite.prevX, 2);
    EXPECT_EQ(Collide(a.sprite, b.sprite), 0);
    EXPECT_EQ(CollideSolid(a.sprite, b.sprite), 0);
    // Exactly diagonal: both axes step back together.
    a.sprite.x = a.sprite.y = 11;
    a.sprite.prevX = a.sprite.prevY = 8;
    EXPECT_EQ(CollideSolid(a.sprite, b.sprite), 1);
    EXPECT_EQ(a.sprite.x, 8);
    EXPECT_EQ(a.sprite.y, 8);
}

TEST(CollideSolid, BoxFormUsesTheBoxes)
{
    Boxed a(4, 4), b(4, 4);
    a.Place(2, 0, 2, -5);
    EXPECT_EQ(CollideSolidBox(a.sprite, b.sprite), 1);
    EXPECT_EQ(a.sprite.y, -4);
    EXPECT_EQ(a.sprite.x, 2);
}

TEST(CollideSolidXY, OnlyAMovingSpriteIsPushedBack)
{
    Boxed a(4, 4), b(4, 4);
    a.Place(2, 2, 2, 2);
    EXPECT_EQ(CollideSolidX(a.sprite, b.sprite), 0);
    EXPECT_EQ(a.sprite.x, 2);
    a.Place(2, 2, 0, 2);
    EXPECT_EQ(CollideSolidX(a.sprite, b.sprite), 0);
    EXPECT_EQ(a.sprite.x, -4);
    EXPECT_EQ(a.sprite.prevX, -6);
    a.Place(1, -2, 1, 6);
    CollideSolidY(a.sprite, b.sprite);
    EXPECT_EQ(a.sprite.y, 4);
    EXPECT_EQ(b.sprite.y, 0);
}

TEST(CollideSide, TellsWhichSideMet)
{
    struct Case {
        const char* what;
        int ax, ay, apx, apy, bx, by, bpx, bpy, want;
    };
    // a is a 12 x 12 ball, b a 40 x 20 block at (20, 20) unless it moves.
    const Case cases[] = {
        {"apart", 0, 0, 0, 0, 20, 20, 20, 20, SIDE_NONE},
        {"nothing moved", 15, 15, 15, 15, 20, 20, 20, 20, SIDE_NONE},
        {"straight down", 20, 10, 20, 7, 20, 20, 20, 20, SIDE_BOTTOM},
        {"straight up", 20, 35, 20, 38, 20, 20, 20, 20, SIDE_TOP},
        {"straight right", 10, 22, 7, 22, 20, 20, 20, 20, SIDE_RIGHT},
        {"straight left", 57, 22, 60, 22, 20, 20, 20, 20, SIDE_LEFT},
        {"block moves up onto it", 20, 10, 20, 10, 20, 20, 20, 24, SIDE_BOTTOM},
        {"same motion both", 20, 10, 17, 7, 20, 20, 17, 17, SIDE_NONE},
        {"relative motion only down", 20, 10, 17, 7, 20, 20, 17, 20, SIDE_BOTTOM},
        {"down-right, gapX -1 gapY -3", 9, 11, 6, 8, 20, 20, 20, 20, SIDE_RIGHT},
        {"down-right, equal gaps", 9, 9, 6, 6, 20, 20, 20, 20, SIDE_BOTTOM_RIGHT},
        {"down-right, gapY larger", 11, 9, 8, 6, 20, 20, 20, 20, SIDE_BOTTOM},
        {"up-left, equal gaps", 59, 39, 62, 42, 20, 20, 20, 20, SIDE_TOP_LEFT},
    };
    for (const Case& c : cases) {
        Boxed a(12, 12), b(40, 20);
        a.Place(c.ax, c.ay, c.apx, c.apy);
        b.Place(c.bx, c.by, c.bpx, c.bpy);
        EXPECT_EQ(CollideSide(a.sprite, b.sprite), c.want) << c.what;
    }
}

TEST(CollideSide, QuadrantFormTakesTheDirectionGiven)
{
    Boxed a(12, 12), b(40, 20);
    a.Place(9, 9, 9, 9);  // not moving: the quadrant alone decides
    b.Place(20, 20, 20, 20);
    EXPECT_EQ(CollideSide(a.sprite, b.sprite, QUADRANT_DOWN_RIGHT), SIDE_BOTTOM_RIGHT);
    EXPECT_EQ(CollideSide(a.sprite, b.sprite, QUADRANT_UP_RIGHT), SIDE_RIGHT);
    EXPECT_EQ(CollideSide(a.sprite, b.sprite, QUADRANT_DOWN_LEFT), SIDE_BOTTOM);
    EXPECT_EQ(CollideSide(a.sprite, b.sprite, QUADRANT_UP_LEFT), SIDE_TOP);
    EXPECT_EQ(CollideSide(a.sprite, b.sprite, 0), SIDE_NONE);
    EXPECT_EQ(CollideSide(a.sprite, b.sprite, 5), SIDE_NONE);
    a.Place(0, 0, 0, 0);
    EXPECT_EQ(CollideSide(a.sprite, b.sprite, QUADRANT_DOWN_RIGHT), SIDE_NONE);
}
