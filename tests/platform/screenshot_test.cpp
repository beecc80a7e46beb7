// F12 screenshots: where they go, what they are called, and the note that says so on the
// presented picture only.
#include <gtest/gtest.h>

#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/headless_session.h"
#include "platform/screenshot.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for one test and puts the old value back after it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name(name)
    {
        const char* old = std::getenv(name);
        had = old != nullptr;
        if (had)
            before = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (had)
            setenv(name, before.c_str(), 1);
        else
            unsetenv(name);
    }

private:
    const char* name;
    bool had = false;
    std::string before;
};

std::string TempDir()
{
    char dir[] = "/tmp/taltrix-shots-XXXXXX";
    return mkdtemp(dir) ? dir : "";
}

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The hash of each frame in a frame log.
std::vector<std::string> FrameHashes(const std::string& path)
{
    std::vector<std::string> hashes;
    for (const std::string& line : Lines(path))
        hashes.push_back(line.substr(line.find(' ') + 1));
    return hashes;
}

std::vector<fs::path> Files(const std::string& dir)
{
    std::vector<fs::path> found;
    if (fs::is_directory(dir))
        for (const auto& entry : fs::directory_iterator(dir))
            found.push_back(entry.path());
    return found;
}

// The pixels of an 8-bit RGB PNG file; empty when it is not one of 640 x 480.
std::vector<uint8_t> ReadRgbPng(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    const bool ok = image.width == 640 && image.height == 480 &&
                    png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
    png_image_free(&image);
    return ok ? pixels : std::vector<uint8_t>{};
}

// A display of one red colour index over a black palette.
void ShowRedScreen()
{
    ASSERT_TRUE(I_SetVideoMode(640, 480, 8));
    uint8_t palette[256 * 3] = {};
    palette[3] = 200;
    I_SetPalette(palette);
    I_FillSurface(I_PrimarySurface(), 1);
}

} // namespace

TEST(Screenshot, F12SavesThePictureWhileTheNoteIsOnlyOnTheShownFrameForTwoSeconds)
{
    const std::string pictures = TempDir();
    ScopedEnv env("XDG_PICTURES_DIR", pictures.c_str());
    I_Options opts;
    opts.frameLogFile = pictures + "/frames.txt";
    HeadlessSession session(opts, "100 tap F12\n");
    ASSERT_TRUE(session.ok);
    ShowRedScreen();
    I_WaitTicks(I_GetTicks(), 150);   // the plain frame, then the key
    I_WaitTicks(I_GetTicks(), 10);    // the frame with the note
    I_WaitTicks(I_GetTicks(), 1700);  // the note is still up: nothing new to show
    I_WaitTicks(I_GetTicks(), 300);
    I_WaitTicks(I_GetTicks(), 10);    // it has gone: the plain frame again

    int pitch = 0;
    const uint8_t* pixels = I_LockSurface(I_PrimarySurface(), &pitch);
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++)
            ASSERT_EQ(pixels[y * pitch + x], 1) << "the game's picture was drawn on at " << x << "," << y;
    session.Finish();

    const std::vector<fs::path> shots = Files(pictures + "/Taltrix");
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots[0].filename().string().rfind("taltrix-", 0), 0u);
    const std::vector<uint8_t> rgb = ReadRgbPng(shots[0]);
    ASSERT_EQ(rgb.size(), 640u * 480 * 3);
    for (size_t i = 0; i < rgb.size(); i += 3)
        ASSERT_TRUE(rgb[i] == 200 && rgb[i + 1] == 0 && rgb[i + 2] == 0) << "pixel " << i / 3;

    const std::vector<std::string> frames = FrameHashes(opts.frameLogFile);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_NE(frames[1], frames[0]);
    EXPECT_EQ(frames[2], frames[0]);
    fs::remove_all(pictures);
}

TEST(Screenshot, AFolderThatCannotBeMadeGivesTheNoteAndNoFile)
{
    const std::string pictures = TempDir();
    std::ofstream(pictures + "/Taltrix") << "a file where the folder should be";
    ScopedEnv env("XDG_PICTURES_DIR", pictures.c_str());
    I_Options opts;
    opts.frameLogFile = pictures + "/frames.txt";
    HeadlessSession session(opts, "100 tap F12\n");
    ASSERT_TRUE(session.ok);
    ShowRedScreen();
    I_WaitTicks(I_GetTicks(), 150);
    I_WaitTicks(I_GetTicks(), 10);
    session.Finish();
    EXPECT_TRUE(fs::is_regular_file(pictures + "/Taltrix"));
    const std::vector<std::string> frames = FrameHashes(opts.frameLogFile);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_NE(frames[1], frames[0]);
    fs::remove_all(pictures);
}

TEST(Screenshot, TheFolderComesFromTheEnvironmentTheUserDirsFileOrHome)
{
    const std::string home = TempDir();
    fs::create_directories(home + "/config");
    ScopedEnv homeEnv("HOME", home.c_str());
    ScopedEnv configEnv("XDG_CONFIG_HOME", (home + "/config").c_str());
    {
        ScopedEnv pictures("XDG_PICTURES_DIR", "/elsewhere/Shots");
        EXPECT_EQ(I_ScreenshotDir(), "/elsewhere/Shots/Taltrix");
    }
    ScopedEnv pictures("XDG_PICTURES_DIR", nullptr);
    EXPECT_EQ(I_ScreenshotDir(), home + "/Pictures/Taltrix");
    std::ofstream(home + "/config/user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                      "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(I_ScreenshotDir(), home + "/Bilder/Taltrix");
    fs::remove_all(home);
}

TEST(Screenshot, UserDirsLines)
{
    const struct {
        const char* text;
        const char* dir;
    } cases[] = {
        {"XDG_PICTURES_DIR=\"$HOME/Pictures\"\n", "/home/ann/Pictures"},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\r\n  XDG_PICTURES_DIR=\"/srv/pics\"\r\n", "/srv/pics"},
        {"#XDG_PICTURES_DIR=\"/commented/out\"\n", ""},
        {"XDG_PICTURES_DIR=\"Pictures\"\n", ""},
        {"XDG_PICTURES_DIR=\"$HOMEPAGE/x\"\n", ""},
        {"XDG_PICTURES_DIR=$HOME/unquoted\n", ""},
        {"XDG_PICTURES_DIR=\"\n", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(I_PicturesDirFromUserDirs(c.text, "/home/ann"), c.dir) << c.text;
}

TEST(Screenshot, NamedByLocalDateAndTime)
{
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 11;
    when.tm_hour = 13;
    when.tm_min = 45;
    when.tm_sec = 1;
    EXPECT_EQ(I_ScreenshotName(when), "taltrix-2026-12-11-134501.png");
}
