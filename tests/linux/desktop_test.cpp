// The game as a Linux player runs it: F12 screenshots into the pictures folder, the listing
// of controllers, and the mouse sensitivity kept between runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#include "common/run_game.h"

namespace fs = std::filesystem;

namespace {

// The bytes of a file's start.
std::string Head(const fs::path& path, size_t n)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(bytes.data(), std::streamsize(n));
    bytes.resize(size_t(in.gcount()));
    return bytes;
}

uint32_t BigEndian(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; i++)
        value = value << 8 | uint8_t(bytes[at + i]);
    return value;
}

} // namespace

TEST(Desktop, F12WritesADatedPngOfTheScreenIntoThePicturesFolder)
{
    char pictures[] = "/tmp/taltrix-pictures-XXXXXX";
    ASSERT_TRUE(mkdtemp(pictures));
    setenv("XDG_PICTURES_DIR", pictures, 1);
    const GameRun run = RunGame("700 tap F12\n1000 tap F12\n", 1500, {"--skip-intro"});
    unsetenv("XDG_PICTURES_DIR");
    EXPECT_EQ(run.exitCode, 0) << run.output;

    std::vector<fs::path> shots;
    for (const auto& entry : fs::directory_iterator(std::string(pictures) + "/Taltrix"))
        shots.push_back(entry.path());
    ASSERT_EQ(shots.size(), 2u);
    const std::regex name(R"(taltrix-\d{4}-\d\d-\d\d-\d{6}(-2)?\.png)");
    for (const fs::path& shot : shots) {
        EXPECT_TRUE(std::regex_match(shot.filename().string(), name)) << shot;
        const std::string head = Head(shot, 24);
        ASSERT_EQ(head.size(), 24u);
        EXPECT_EQ(head.substr(1, 3), "PNG");
        EXPECT_EQ(BigEndian(head, 16), 640u);
        EXPECT_EQ(BigEndian(head, 20), 480u);
    }
    fs::remove_all(pictures);
    fs::remove_all(run.dir);
}

TEST(Desktop, ListDevicesSaysWhatTheGameTakesEachControllerAs)
{
    const struct {
        std::vector<std::string> args;
        const char* listing;
    } cases[] = {
        {{}, "No joysticks or gamepads found.\n"},
        {{"--gamepad"}, "0: Virtual Gamepad (gamepad)\n"},
        {{"--joystick"}, "0: Virtual Joystick (joystick and gamepad)\n"},
        {{"--joystick", "--gamepad"}, "0: Virtual Gamepad (gamepad)\n1: Virtual Joystick (joystick)\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--list-devices");
        const GameRun run = RunGame("", 1000, args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, c.listing);
        fs::remove_all(run.dir);
    }
}

TEST(Desktop, TheMouseSensitivityOptionIsCheckedAndKept)
{
    const GameRun kept = RunGame("", 100, {"--mouse-sensitivity", "2.5"});
    EXPECT_EQ(kept.exitCode, 0) << kept.output;
    EXPECT_EQ(kept.Read("display.cfg"), "scale 0\nfullscreen 0\nmouse-sensitivity 2.5\n");
    fs::remove_all(kept.dir);
    for (const char* bad : {"0", "10.5", "fast", ""}) {
        const GameRun run = RunGame("", 100, {"--mouse-sensitivity", bad});
        EXPECT_EQ(run.exitCode, 2) << bad;
        EXPECT_NE(run.output.find("--mouse-sensitivity needs a number"), std::string::npos) << bad;
        EXPECT_FALSE(fs::exists(run.Path("display.cfg")));
        fs::remove_all(run.dir);
    }
}
