// Labels, choice fields, lines, boxes and the growing box, checked on the pixels.
#include <gtest/gtest.h>

#include <string>

#include "gfx/gui.h"
#include "text_fixture.h"

namespace {

constexpr uint8_t kBackground = 99;

// A chain of labels with the given texts, linked left to right.
struct Chain {
    Chain(std::initializer_list<const char*> texts, Q2SL_font* font)
    {
        for (const char* t : texts) {
            labels[count].SetString(t);
            labels[count].SetFont(font);
            if (count) {
                labels[count - 1].rightChoice = &labels[count];
                labels[count].leftChoice = &labels[count - 1];
            }
            ++count;
        }
    }
    Q2SL_label labels[4];
    int count = 0;
};

bool Contains(TestCanvas& canvas, uint8_t colour)
{
    return canvas.Snapshot().find(char(colour)) != std::string::npos;
}

}  // namespace

TEST(Label, FlashShowsForOnFramesAndHidesForOffFrames)
{
    TestFont font;
    TestCanvas canvas(100, 40, kBackground);
    Q2SL_label label;
    label.SetString("A");
    label.SetFont(&font.font);
    label.SetBuffer(&canvas.buffer);
    label.x = 10;
    label.y = 5;
    label.SetFlash(1, 5, 2);
    std::string seen;
    for (int frame = 0; frame < 14; ++frame) {
        label.Erase();
        label.Flash();
        seen += canvas.At(10, 5) == 'A' ? 'X' : '.';
    }
    EXPECT_EQ(seen, "XX.....XX.....");
    label.NoFlash();
    label.Erase();
    label.Flash();
    EXPECT_EQ(canvas.At(10, 5), 'A');
}

TEST(Label, SizeFollowsTextAndFont)
{
    TestFont font(16);
    Q2SL_label label;
    label.SetString("AB\nC");  // no font yet: no size
    EXPECT_EQ(label.width, 0);
    label.SetFont(&font.font);
    EXPECT_EQ(label.width, TestFont::GlyphWidth('A') + TestFont::GlyphWidth('B'));
    EXPECT_EQ(label.height, 32);
    label.SetString("Score: %i10");
    label.argCount = 1;
    label.args[0] = 12;
    TestCanvas canvas(200, 20);
    label.SetBuffer(&canvas.buffer);
    label.Draw();
    EXPECT_EQ(ReadText(canvas, 0, 0, font), "Score: 12");
}

TEST(Label, PartlyOutsideItsViewKeepsAndRestoresOnlyTheVisiblePart)
{
    TestFont font;
    const struct {
        int x, y;
    } places[] = {{-3, -5}, {15, 4}, {-40, 0}, {100, 100}};
    for (const auto& at : places) {
        TestCanvas canvas(60, 40, 10, 10, 20, 10, kBackground);
        DrawFilledRect(&canvas.buffer, 0, 0, 19, 9, 7);  // the view in another colour
        const std::string before = canvas.Snapshot();
        Q2SL_label label;
        label.SetString("WWWW\nWW");
        label.SetFont(&font.font);
        label.SetBuffer(&canvas.buffer);
        label.x = int16_t(at.x);
        label.y = int16_t(at.y);
        label.Draw();
        label.Erase();
        EXPECT_EQ(canvas.Snapshot(), before) << at.x << "," << at.y;
    }
}

TEST(Field, ArrowsShowWhereThereIsAChoice)
{
    TestFont font;
    Chain chain({"Off", "On", "Reverse"}, &font.font);
    Q2SL_field field;
    field.SetString(&chain.labels[0]);
    field.SetFont(&font.font);
    field.Refresh(12);
    field.ArrowsOn(8);
    EXPECT_EQ(field.IsArrowOn(), 1);
    const int arrows = TestFont::GlyphWidth(16) + TestFont::GlyphWidth(17);
    EXPECT_EQ(field.arrowSpace, arrows + 16);
    EXPECT_EQ(field.width, chain.labels[2].width + 24 + arrows + 16);
    EXPECT_EQ(field.offset, field.width / 2 - chain.labels[0].width / 2);

    const struct {
        int choice;
        bool left, right;
    } cases[] = {{0, false, true}, {1, true, true}, {2, true, false}};
    for (const auto& c : cases) {
        TestCanvas canvas(200, 40);
        field.SetBuffer(&canvas.buffer);
        field.x = 20;
        field.y = 10;
        field.SetString(&chain.labels[c.choice]);
        field.Draw();
        EXPECT_EQ(canvas.At(20, 10), c.left ? 17 : 0) << c.choice;
        EXPECT_EQ(Contains(canvas, 17), c.left) << c.choice;
        EXPECT_EQ(Contains(canvas, 16), c.right) << c.choice;
        // The choice is centred in the field.
        const int textX = 20 + field.width / 2 - chain.labels[c.choice].width / 2;
        EXPECT_EQ(ReadText(canvas, textX, 10, font), chain.labels[c.choice].GetString());
        field.Erase();
        EXPECT_EQ(canvas.Snapshot(), std::string(200 * 40, '\0')) << c.choice;
    }
    field.ArrowsOff();
    EXPECT_EQ(field.width, chain.labels[2].width + 24);
}

TEST(Field, ScrollSlidesInThreePhasesAndEnds)
{
    TestFont font;
    // Choices 40 pixels wide, margin 35, 20 for the arrows: a field 130 wide.
    struct Case {
        int from, to, direction, steps;
        int step, frames;
    };
    const Case cases[] = {
        {0, 1, -1, 20, -6, 23},  // in from the right: 10 frames to the middle, 12 to the end
        {1, 0, +1, 20, 6, 23},
        {0, 1, -1, 500, -1, 131},  // more steps than pixels: still a pixel a frame
    };
    for (const Case& c : cases) {
        Chain chain({"AAAAAAAAAA", "AAAAAAAAAA"}, &font.font);
        Q2SL_field field;
        field.SetString(&chain.labels[c.from]);
        field.SetFont(&font.font);
        field.arrowSpace = 20;
        field.Refresh(35);
        ASSERT_EQ(field.width, 130);
        TestCanvas canvas(300, 40);
        field.SetBuffer(&canvas.buffer);
        field.x = 50;
        field.StartScroll(&chain.labels[c.to], c.direction, c.steps);
        EXPECT_EQ(field.scrollStep, c.step);
        int frames = 0;
        std::string phases;
        while (field.IsScrolling() && frames < 1000) {
            if (phases.empty() || phases.back() != char('0' + field.scrollPhase))
                phases += char('0' + field.scrollPhase);
            field.Erase();
            field.Draw();
            ++frames;
        }
        EXPECT_EQ(phases, "123");
        EXPECT_EQ(frames, c.frames);
        EXPECT_EQ(field.GetString(), &chain.labels[c.to]);
        EXPECT_EQ(chain.labels[0].x, 0);
        EXPECT_EQ(chain.labels[1].x, 0);
    }
}

TEST(Field, ChoicesNeverDrawOutsideTheField)
{
    TestFont font;
    Chain chain({"WWWWWWWWWW", "W"}, &font.font);
    Q2SL_field field;
    field.SetString(&chain.labels[1]);
    field.SetFont(&font.font);
    field.Refresh(0);  // as wide as the widest choice
    TestCanvas canvas(300, 40, kBackground);
    field.SetBuffer(&canvas.buffer);
    field.x = 100;
    field.y = 5;
    field.StartScroll(&chain.labels[0], -1, 4);
    const std::string before = canvas.Snapshot();
    while (field.IsScrolling()) {
        field.Draw();
        const std::string now = canvas.Snapshot();
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 300; ++x)
                if (x < 100 || x >= 100 + field.width || y < 5 || y >= 5 + field.height) {
                    ASSERT_EQ(now[y * 300 + x], before[y * 300 + x]) << x << "," << y;
                }
        field.Erase();
    }
    EXPECT_EQ(canvas.buffer.viewWidth, 300);  // the view is given back
}

TEST(Drawing, BoxRingsAroundTheRectangle)
{
    TestCanvas canvas(30, 30, kBackground);
    canvas.buffer.Lock();
    DrawBox(&canvas.buffer, 10, 10, 10, 10, 1, 2, 3);
    canvas.buffer.Unlock();
    const struct {
        int x, y;
        uint8_t colour;
    } spots[] = {
        {10, 10, kBackground},  // inside
        {9, 10, 3}, {10, 9, 3}, {8, 10, 3},       // rings 1, 2 top and left: shade
        {11, 10, 1}, {10, 12, 1},                 // rings 1, 2 bottom and right: edge
        {7, 10, 2}, {13, 10, 2}, {10, 5, 2},      // rings 3 to 5: face
        {3, 10, 1}, {4, 3, 1}, {10, 17, 3}, {17, 10, 3},  // rings 6, 7
        {2, 10, kBackground}, {18, 10, kBackground}, {10, 2, kBackground}, {18, 18, kBackground},
        {3, 3, 1}, {17, 17, 3},
    };
    for (const auto& s : spots)
        EXPECT_EQ(canvas.At(s.x, s.y), s.colour) << s.x << "," << s.y;
}

TEST(Drawing, LinesAndRectanglesAreClippedToTheView)
{
    TestCanvas canvas(40, 30, 10, 10, 20, 10, kBackground);
    DrawFilledRect(&canvas.buffer, -5, -5, 100, 100, 4);
    canvas.buffer.Lock();
    DrawHLine(&canvas.buffer, 3, -50, 50, 5);
    DrawVLine(&canvas.buffer, 19, -50, 50, 6);
    DrawHLine(&canvas.buffer, 10, 0, 19, 7);  // below the view
    DrawHLine(&canvas.buffer, 5, 8, 4, 7);    // reversed: nothing
    canvas.buffer.Unlock();
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inView = x >= 10 && x < 30 && y >= 10 && y < 20;
            const uint8_t want = !inView ? kBackground : x == 29 ? 6 : y == 13 ? 5 : 4;
            ASSERT_EQ(canvas.At(x, y), want) << x << "," << y;
        }
    }
    DrawHLine(&canvas.buffer, 12, 0, 5, 9);  // unlocked: nothing
    EXPECT_EQ(canvas.At(10, 12), 4);
}

TEST(Drawing, BoxGrowEndsOnTheEndRectangleAfterEveryStep)
{
    ASSERT_TRUE(screen.SetVideoMode(640, 480, 8));
    TestCanvas back(640, 480, kBackground);
    TestCanvas canvas(640, 480);
    boxEdgeColor = 1;
    boxFaceColor = 2;
    boxShadeColor = 3;
    const uint32_t before = I_GetTicks();
    BoxGrow(&canvas.buffer, &screen, &back.buffer, 4, 300, 200, 300, 200, 100, 50, 200, 80);
    EXPECT_GE(I_GetTicks() - before, 5u * 17);  // five pictures, 17 ms apart
    EXPECT_EQ(canvas.At(150, 60), 0);           // the black inside
    EXPECT_EQ(canvas.At(99, 60), 3);            // ring 1
    EXPECT_EQ(canvas.At(300, 200), kBackground);  // the earlier steps are gone
    EXPECT_EQ(canvas.At(92, 60), kBackground);
    // The last picture is on the display.
    int pitch = 0;
    const uint8_t* shown = I_LockSurface(I_PrimarySurface(), &pitch);
    EXPECT_EQ(shown[60 * pitch + 99], 3);
    EXPECT_EQ(shown[60 * pitch + 150], 0);
    I_UnlockSurface(I_PrimarySurface());
}
