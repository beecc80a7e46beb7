#include "input/input.h"

#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "app/state.h"
#include "common/headless_session.h"
#include "platform/keys.h"

namespace {

I_Options Controllers(bool joystick, bool gamepad)
{
    I_Options opts;
    opts.joystickPresent = joystick;
    opts.gamepadPresent = gamepad;
    return opts;
}

// Moves the virtual clock so that the script's first events arrive.
void LetTimePass()
{
    I_WaitTicks(I_GetTicks(), 1);
}

TEST(CheckInputs, APlainGameControllerIsAGamepadButNotAJoystick)
{
    struct Case {
        bool joystick, gamepad;
        int joystickAvailable, gamepadAvailable;
    };
    // A controller that is not a plain game controller is found by both rules.
    const Case cases[] = {{false, false, 0, 0}, {false, true, 0, 1}, {true, false, 1, 1}, {true, true, 1, 1}};
    for (const Case& c : cases) {
        HeadlessSession session(Controllers(c.joystick, c.gamepad));
        ASSERT_TRUE(session.ok);
        CheckInputs();
        EXPECT_EQ(deviceAvailable[0], 1);
        EXPECT_EQ(deviceAvailable[1], 1);
        EXPECT_EQ(deviceAvailable[2], c.joystickAvailable) << c.joystick << c.gamepad;
        EXPECT_EQ(deviceAvailable[3], c.gamepadAvailable) << c.joystick << c.gamepad;
    }
}

TEST(CheckInputs, DevicesTheMachineLacksLoadAsTheKeyboard)
{
    struct Case {
        bool joystick, gamepad;
        const char* file;
        int player1, player2;
    };
    const Case cases[] = {
        {false, false, "3 2 0 2 50 0", DEVICE_KEYBOARD, DEVICE_MOUSE},
        {false, true, "4 3 1 1 100 100", DEVICE_GAMEPAD, DEVICE_KEYBOARD},
        {true, false, "4 3 1 1 100 100", DEVICE_GAMEPAD, DEVICE_JOYSTICK},
    };
    for (const Case& c : cases) {
        HeadlessSession session(Controllers(c.joystick, c.gamepad));
        ASSERT_TRUE(session.ok);
        session.WriteUser("vexa.cfg", c.file);
        ResetOptions();
        CheckInputs();
        LoadOptions();
        EXPECT_EQ(inputDevice[0], c.player1) << c.file;
        EXPECT_EQ(inputDevice[1], c.player2) << c.file;
    }
    ResetOptions();
}

class DevicesTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        DirectInputShutdown();
        ResetOptions();
    }
    uint8_t keys[256] = {};
    DIMouseState mouse = {};
    DIJoyState joy = {};
};

TEST_F(DevicesTest, OnlyOpenDevicesCanBeRead)
{
    HeadlessSession session(Controllers(false, true));
    ASSERT_TRUE(session.ok);
    CheckInputs();
    EXPECT_EQ(ReadKeyboard(keys), 0);
    inputDevice[0] = DEVICE_KEYBOARD;
    inputDevice[1] = DEVICE_GAMEPAD;
    ASSERT_EQ(DirectInputInit(), 1);
    EXPECT_EQ(ReadKeyboard(keys), 1);
    EXPECT_EQ(ReadMouse(mouse), 0);
    EXPECT_EQ(ReadJoystick(joy), 0);
    EXPECT_EQ(ReadGamepad(joy), 1);
    DirectInputShutdown();
    EXPECT_EQ(ReadKeyboard(keys), 0);
    EXPECT_EQ(ReadGamepad(joy), 0);
}

TEST_F(DevicesTest, AMissingControllerEndsTheProgram)
{
    struct Case {
        int device;
        const char* box;
    };
    const Case cases[] = {{DEVICE_JOYSTICK, "Couldn't Setup Joystick"}, {DEVICE_GAMEPAD, "Couldn't Setup Gamepad"}};
    for (const Case& c : cases) {
        HeadlessSession session(Controllers(false, false));
        ASSERT_TRUE(session.ok);
        CheckInputs();
        programState = MODE_MENU;
        inputDevice[0] = DEVICE_MOUSE;
        inputDevice[1] = c.device;
        EXPECT_EQ(DirectInputInit(), 0);
        EXPECT_EQ(programState, MODE_NONE);
        const auto log = session.Finish();
        EXPECT_EQ(CountLines(log, {"\"caption\": \"Taltrix Error\"", c.box}), 1);
        EXPECT_EQ(CountLines(log, {"Try re-installing Taltrix."}), 1);
    }
}

TEST_F(DevicesTest, ControllersReadInTheGamesRanges)
{
    // Fully left and fully down: the joystick's x spans -30..30, the gamepad's -3..3.
    HeadlessSession session(Controllers(true, true), "0 joy -1.0 1.0\n0 joybutton 0 down\n");
    ASSERT_TRUE(session.ok);
    CheckInputs();
    inputDevice[0] = DEVICE_JOYSTICK;
    inputDevice[1] = DEVICE_GAMEPAD;
    ASSERT_EQ(DirectInputInit(), 1);
    LetTimePass();
    ASSERT_EQ(ReadJoystick(joy), 1);
    EXPECT_EQ(joy.lX, -30);
    EXPECT_EQ(joy.lY, 3);
    EXPECT_EQ(joy.rgbButtons[0], 0x80);
    ASSERT_EQ(ReadGamepad(joy), 1);
    EXPECT_EQ(joy.lX, -3);
    EXPECT_EQ(joy.lY, 3);
}

TEST_F(DevicesTest, SyntheticInputLastsOneRead)
{
    HeadlessSession session(Controllers(true, false), "0 key ESCAPE down\n0 mouse 5 0\n");
    ASSERT_TRUE(session.ok);
    CheckInputs();
    inputDevice[0] = DEVICE_MOUSE;
    inputDevice[1] = DEVICE_JOYSTICK;
    ASSERT_EQ(DirectInputInit(), 1);
    LetTimePass();

    uint8_t held[256] = {};
    held[DIK_RIGHT] = 0x80;
    SetSyntheticInput(held);
    SetSyntheticInput(DIMouseState{-12, 0, 0, {0x80, 0, 0, 0}});
    SetSyntheticInput(DIJoyState{20, 0, {0x80}});

    // The autoplay's keys come on top of the real ones, so Escape still counts.
    ASSERT_EQ(ReadKeyboard(keys), 1);
    EXPECT_EQ(keys[DIK_RIGHT], 0x80);
    EXPECT_EQ(keys[DIK_ESCAPE], 0x80);
    ASSERT_EQ(ReadMouse(mouse), 1);
    EXPECT_EQ(mouse.lX, -12);
    EXPECT_EQ(mouse.rgbButtons[0], 0x80);
    ASSERT_EQ(ReadJoystick(joy), 1);
    EXPECT_EQ(joy.lX, 20);

    ASSERT_EQ(ReadKeyboard(keys), 1);
    EXPECT_EQ(keys[DIK_RIGHT], 0);
    EXPECT_EQ(keys[DIK_ESCAPE], 0x80);
    ASSERT_EQ(ReadMouse(mouse), 1);
    EXPECT_EQ(mouse.lX, 0);
    ASSERT_EQ(ReadJoystick(joy), 1);
    EXPECT_EQ(joy.lX, 0);
}

}  // namespace
