// The remembered window and mouse settings: the file read with bounds and a bad one giving
// the defaults, and the sensitivity applied where the mouse is read.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/headless_session.h"
#include "platform/display_settings.h"

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int MouseX()
{
    int dx = 0, dy = 0;
    uint8_t buttons[4];
    I_GetMouseState(&dx, &dy, buttons);
    return dx;
}

} // namespace

TEST(DisplaySettings, FilesGoodAndBad)
{
    const I_DisplaySettings defaults;
    const struct {
        std::string text;
        bool good;
        I_DisplaySettings expected;
    } cases[] = {
        {"scale 2\nfullscreen 1\nmouse-sensitivity 1.5\n", true, {2, true, 1.5}},
        {"mouse-sensitivity 0.25\r\n\r\nscale 4\r\n", true, {4, false, 0.25}},
        {"fullscreen 1", true, {0, true, 1}},
        {"", true, defaults},
        // Anything wrong gives all the defaults, not just the wrong line's.
        {"scale 2\nfullscreen 2\n", false, defaults},
        {"scale 9\n", false, defaults},
        {"scale -1\n", false, defaults},
        {"scale 2x\n", false, defaults},
        {"scale 99999999999999999999\n", false, defaults},
        {"scale 2\nscale 3\n", false, defaults},
        {"scale\n", false, defaults},
        {"scale 2 3\n", false, defaults},
        {"volume 5\n", false, defaults},
        {"mouse-sensitivity 0\n", false, defaults},
        {"mouse-sensitivity 11\n", false, defaults},
        {"mouse-sensitivity nan\n", false, defaults},
        {"mouse-sensitivity inf\n", false, defaults},
        {"mouse-sensitivity 1e999\n", false, defaults},
        {"scale 2\n" + std::string(3, '\0'), false, defaults},
    };
    for (const auto& c : cases) {
        I_DisplaySettings parsed{3, true, 7};
        EXPECT_EQ(I_ParseDisplaySettings(c.text, parsed), c.good) << c.text;
        EXPECT_TRUE(parsed == c.expected) << c.text;
    }
}

TEST(DisplaySettings, WhatIsWrittenReadsBack)
{
    const I_DisplaySettings kept{5, true, 0.1};
    I_DisplaySettings read;
    ASSERT_TRUE(I_ParseDisplaySettings(I_FormatDisplaySettings(kept), read));
    EXPECT_TRUE(read == kept);
}

TEST(DisplaySettings, TheUserFileIsLoadedAndABadOrHugeOneGivesTheDefaults)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    session.WriteUser("display.cfg", "scale 3\nfullscreen 1\n");
    I_LoadDisplaySettings();
    EXPECT_TRUE((displaySettings == I_DisplaySettings{3, true, 1}));
    session.WriteUser("display.cfg", "scale three\n");
    I_LoadDisplaySettings();
    EXPECT_TRUE(displaySettings == I_DisplaySettings{});
    session.WriteUser("display.cfg", "scale 3\n" + std::string(1 << 20, '\n'));
    I_LoadDisplaySettings();
    EXPECT_TRUE(displaySettings == I_DisplaySettings{});
}

TEST(DisplaySettings, TheSensitivityOptionIsKeptAndScalesTheMouseWithoutLosingFractions)
{
    I_Options opts;
    opts.mouseSensitivity = 0.5;
    HeadlessSession session(opts, "10 mouse 3 0\n20 mouse 3 0\n30 mouse -1 0\n");
    ASSERT_TRUE(session.ok);
    EXPECT_NE(ReadText(session.dir + "/user/display.cfg").find("mouse-sensitivity 0.5\n"),
              std::string::npos);
    I_WaitTicks(I_GetTicks(), 15);
    EXPECT_EQ(MouseX(), 1);   // 1.5 pixels: one now, the half later
    I_WaitTicks(I_GetTicks(), 10);
    EXPECT_EQ(MouseX(), 2);
    I_WaitTicks(I_GetTicks(), 10);
    EXPECT_EQ(MouseX(), 0);   // half a pixel back
    session.Finish();
    displaySettings = I_DisplaySettings{};
}
