// PrintStr and the text measures, read back from the pixels of a canvas.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "gfx/text.h"
#include "text_fixture.h"

namespace {

int Width(const std::string& s)
{
    int w = 0;
    for (char c : s)
        w += TestFont::GlyphWidth(c);
    return w;
}

}  // namespace

TEST(PrintStr, EscapesPrintWhatTheyStandFor)
{
    TestFont font;
    struct Case {
        const char* format;
        int32_t value;
        std::string drawn;
    };
    const Case cases[] = {
        {"A", 0, "A"},
        {"%i10", -42, "-42"},
        {"%i10", INT32_MIN, "-2147483648"},
        {"Score: %i10", 1234, "Score: 1234"},
        {"%i16", 255, "ff"},
        {"%i16", -1, "ffffffff"},  // other radixes print the value unsigned
        {"%i02", 5, "101"},
        {"%i99", 5, ""},            // no digits for such a radix
        {"50%000", 0, "50%"},
        {"%b03A", 0, "   A"},
        {"%qB", 0, "B"},            // an unknown escape takes two characters
        {"A\x80" "B", 0, "AB"},     // no glyph above 127, and no advance
        {"5%", 0, "5"},             // an escape cut off by the end of the text
        {"%i1", 7, ""},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(200, 20);
        const int32_t end = PrintStr(&font.font, &canvas.buffer, 3, 2, c.format, c.value);
        EXPECT_EQ(ReadText(canvas, 3, 2, font), c.drawn) << c.format;
        EXPECT_EQ(end, 3 + Width(c.drawn)) << c.format;
    }
}

TEST(PrintStr, LineFeedReturnsToTheStartOneLineDown)
{
    TestFont font(16);
    TestCanvas canvas(200, 100);
    const int32_t end = PrintStr(&font.font, &canvas.buffer, 100, 50, "A\nBB");
    EXPECT_EQ(ReadText(canvas, 100, 50, font), "A");
    EXPECT_EQ(ReadText(canvas, 100, 66, font), "BB");
    EXPECT_EQ(canvas.At(100, 65), 'A');  // A fills its line height
    EXPECT_EQ(end, 100 + Width("BB"));
}

TEST(PrintStr, InsertedStringUsesItsFontAndTheTextGoesOnAfterIt)
{
    TestFont font;
    TestFont other(16, 128);
    TestCanvas canvas(200, 20);
    const int32_t end =
        PrintStr(&font.font, &canvas.buffer, 0, 0, "Ver: %s!%i10", &other.font, "1.8", 7);
    EXPECT_EQ(ReadText(canvas, 0, 0, font, &other), "Ver: 1.8!7");
    EXPECT_EQ(canvas.At(Width("Ver: "), 0), '1' + 128);
    EXPECT_EQ(end, Width("Ver: 1.8!7"));
}

TEST(PrintStr, MissingValuesPrintNothingHarmful)
{
    TestFont font;
    TestCanvas canvas(200, 20);
    EXPECT_EQ(PrintStr(&font.font, &canvas.buffer, 0, 0, "%i10%sA"), Width("0A"));
    EXPECT_EQ(ReadText(canvas, 0, 0, font), "0A");
}

TEST(PrintStr, GlyphsStayInsideTheView)
{
    TestFont font;
    TestCanvas canvas(60, 40, 10, 10, 20, 10, 0);
    const std::string before = canvas.Snapshot();
    PrintStr(&font.font, &canvas.buffer, -3, -4, "WWWWWWWW\nWWWW");
    const std::string after = canvas.Snapshot();
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool inView = x >= 10 && x < 30 && y >= 10 && y < 20;
            if (!inView) {
                ASSERT_EQ(after[y * 60 + x], before[y * 60 + x]) << x << "," << y;
            } else {
                ASSERT_EQ(after[y * 60 + x], 'W') << x << "," << y;
            }
        }
    }
}

TEST(PrintStr, CharHookMovesTheBaseline)
{
    TestFont font;
    font.font.charHook = [](int32_t, int32_t y, int, int count) { return uint16_t(y + count); };
    TestCanvas canvas(200, 40);
    PrintStr(&font.font, &canvas.buffer, 0, 0, "AB");
    EXPECT_EQ(canvas.At(0, 0), 'A');
    EXPECT_EQ(canvas.At(Width("A"), 0), 0);  // B starts one row down
    EXPECT_EQ(canvas.At(Width("A"), 1), 'B');
}

TEST(TextMeasures, WidthOfTheWidestLineAndHeightOfAllLines)
{
    TestFont font(16);
    struct Case {
        const char* text;
        int32_t width;
        int32_t height;
    };
    const Case cases[] = {
        {"", 0, 16},
        {"50%000", Width("50%"), 16},
        {"A\nBBB\nCC", Width("BBB"), 48},
        {"%i10 \n", Width("% "), 32},
        {"x%", Width("x%"), 16},
        {"\n", 0, 32},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindWidth(c.text, &font.font), c.width) << c.text;
        EXPECT_EQ(FindHeight(c.text, &font.font), c.height) << c.text;
    }
}
