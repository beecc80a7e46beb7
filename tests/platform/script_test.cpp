// The headless input script: what a good script turns into, and every kind of bad line
// refused with its line number before the run starts.
#include <gtest/gtest.h>

#include "platform/headless/script.h"
#include "platform/keys.h"

using headless::ParseScript;
using headless::ScriptEvent;

TEST(Script, EventsComeOutInTimeOrderWithTapsAndTextSpreadOut)
{
    const std::string text =
        "# a comment line\n"
        "\n"
        "100 tap RETURN   # the menu\n"
        "120 key LEFT down\r\n"
        "130 text ab\n"
        "10 mouse -3 4\n"
        "200 joy -1.0 0.5\n"
        "300 joybutton 31 down\n"
        "300 button 3 up\n"
        "400 focus-lost\n"
        "500 quit\n";
    std::vector<ScriptEvent> events;
    std::string error;
    ASSERT_TRUE(ParseScript(text, "run.txt", events, error)) << error;

    struct Expected {
        uint64_t ms;
        ScriptEvent::Kind kind;
        int code;
        bool down;
    };
    const Expected expected[] = {
        {10, ScriptEvent::MOUSE_MOVE, 0, false},  {100, ScriptEvent::KEY, DIK_RETURN, true},
        {120, ScriptEvent::KEY, DIK_LEFT, true},  {130, ScriptEvent::CHAR, 'a', false},
        {160, ScriptEvent::KEY, DIK_RETURN, false}, {160, ScriptEvent::CHAR, 'b', false},
        {200, ScriptEvent::JOY_MOVE, 0, false},   {300, ScriptEvent::JOY_BUTTON, 31, true},
        {300, ScriptEvent::MOUSE_BUTTON, 3, false}, {400, ScriptEvent::FOCUS_LOST, 0, false},
        {500, ScriptEvent::QUIT, 0, false},
    };
    ASSERT_EQ(events.size(), std::size(expected));
    for (size_t i = 0; i < events.size(); i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(events[i].ms, expected[i].ms);
        EXPECT_EQ(events[i].kind, expected[i].kind);
        EXPECT_EQ(events[i].code, expected[i].code);
        EXPECT_EQ(events[i].down, expected[i].down);
    }
    EXPECT_EQ(events[0].dx, -3);
    EXPECT_EQ(events[0].dy, 4);
    EXPECT_DOUBLE_EQ(events[6].x, -1.0);
    EXPECT_DOUBLE_EQ(events[6].y, 0.5);
}

TEST(Script, TextKeepsItsInnerSpaces)
{
    std::vector<ScriptEvent> events;
    std::string error;
    ASSERT_TRUE(ParseScript("0 text A B  \n", "s", events, error)) << error;
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].code, ' ');
    EXPECT_EQ(events[2].ms, 60u);
}

TEST(Script, BadLinesAreRefusedWithTheirLineNumber)
{
    struct Case {
        const char* line;
        const char* problem;
    };
    const Case cases[] = {
        {"abc tap SPACE", "bad time \"abc\""},
        {"-5 tap SPACE", "bad time \"-5\""},
        {"100", "missing event"},
        {"100 jump", "unknown event \"jump\""},
        {"100 tap SPCAE", "unknown key \"SPCAE\""},
        {"100 tap space", "unknown key \"space\""},
        {"100 key DIK_SPACE down", "unknown key \"DIK_SPACE\""},
        {"100 key SPACE", "key takes 2 value(s)"},
        {"100 key SPACE pressed", "expected down or up, not \"pressed\""},
        {"100 tap", "tap takes 1 value(s)"},
        {"100 text", "text needs characters"},
        {"100 mouse 1", "mouse takes 2 value(s)"},
        {"100 mouse 1 x", "bad mouse motion"},
        {"100 button 4 down", "bad button \"4\" (0 to 3)"},
        {"100 joybutton 32 down", "bad button \"32\" (0 to 31)"},
        {"100 joy 1.5 0", "joy position must lie in -1.0..1.0"},
        {"100 joy nan 0", "joy position must lie in -1.0..1.0"},
        {"100 quit now", "quit takes 0 value(s)"},
        {"100 focus-lost 1", "focus-lost takes 0 value(s)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::vector<ScriptEvent> events;
        std::string error;
        const std::string text = "0 tap SPACE\n# fine so far\n" + std::string(c.line) + "\n9 quit\n";
        EXPECT_FALSE(ParseScript(text, "moves.txt", events, error));
        EXPECT_EQ(error, std::string("script moves.txt:3: ") + c.problem);
        EXPECT_TRUE(events.empty());
    }
}
