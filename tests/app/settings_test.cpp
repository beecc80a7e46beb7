// Reading and writing "vexa.cfg".
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/settings.h"
#include "input/input.h"
#include "platform/platform.h"

namespace {

struct Case {
    const char* file;  // null: no file at all
    std::vector<int> expected;
};

void WriteOptionsFile(const char* text)
{
    const std::string path = I_UserPath("vexa.cfg");
    std::remove(path.c_str());
    if (text) {
        ASSERT_TRUE(I_WriteUserFile("vexa.cfg", text, std::string(text).size()));
    }
}

std::vector<int> Settings()
{
    return {inputDevice[0], inputDevice[1], shadowSetting, stereoMode, soundVolume, musicSetting};
}

TEST(Settings, LoadTakesWhatTheFileHoldsAndKeepsTheRest)
{
    const Case cases[] = {
        {nullptr, {1, 1, 1, 1, 100, 100}},
        {"1 1 1 1 100 100", {1, 1, 1, 1, 100, 100}},
        // No joystick here: player 1 falls back to the keyboard, player 2 keeps the mouse.
        {"3 2 0 2 50 0", {1, 2, 0, 2, 50, 0}},
        {"2", {2, 1, 1, 1, 100, 100}},
        {"2 x 0", {2, 1, 1, 1, 100, 100}},
        {"", {1, 1, 1, 1, 100, 100}},
        // Values outside their ranges are read safely.
        {"9 -1 2 5 250 7", {1, 1, 1, 1, 100, 7}},
        {"4 0 1 0 -20 100", {1, 1, 1, 0, 0, 100}},
        {"2 2 1 1 30 100\n", {2, 2, 1, 1, 30, 100}},
    };
    deviceAvailable[0] = deviceAvailable[1] = 1;
    deviceAvailable[2] = deviceAvailable[3] = 0;
    for (const Case& c : cases) {
        ResetOptions();
        WriteOptionsFile(c.file);
        LoadOptions();
        EXPECT_EQ(Settings(), c.expected) << (c.file ? c.file : "(no file)");
    }
}

TEST(Settings, AJoystickOnThisMachineIsKept)
{
    deviceAvailable[2] = deviceAvailable[3] = 1;
    ResetOptions();
    WriteOptionsFile("3 4 1 1 100 100");
    LoadOptions();
    EXPECT_EQ(inputDevice[0], 3);
    EXPECT_EQ(inputDevice[1], 4);
    deviceAvailable[2] = deviceAvailable[3] = 0;
}

TEST(Settings, SaveWritesTheSixValuesWithoutALineEnd)
{
    deviceAvailable[0] = deviceAvailable[1] = 1;
    ResetOptions();
    ASSERT_EQ(SaveOptions(), 1);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(I_ReadFile(I_UserPath("vexa.cfg"), bytes, 100));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "1 1 1 1 100 100");

    inputDevice[1] = 2;
    stereoMode = 2;
    soundVolume = 40;
    ASSERT_EQ(SaveOptions(), 1);
    ResetOptions();
    LoadOptions();
    EXPECT_EQ(Settings(), (std::vector<int>{1, 2, 1, 2, 40, 100}));
}

}  // namespace
