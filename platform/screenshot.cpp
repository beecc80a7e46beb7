// Screenshots on F12, into the player's pictures folder.
#include "platform/screenshot.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/display.h"
#include "platform/files.h"
#include "platform/note.h"

namespace {

constexpr size_t maxUserDirsBytes = 64 * 1024;   // far more than any user-dirs file holds
constexpr int maxSameSecond = 100;               // shots in one second get "-2", "-3"...

// An environment variable that holds an absolute path, or "".
std::string AbsoluteEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? value : "";
}

std::string Trim(const std::string& s)
{
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool Exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// A name in dir that no file has yet: the time's own, or with a count added.
std::string FreePath(const std::string& dir, const std::string& name)
{
    const std::string stem = dir + "/" + name.substr(0, name.size() - 4);
    std::string path = stem + ".png";
    for (int n = 2; Exists(path) && n <= maxSameSecond; n++)
        path = stem + "-" + std::to_string(n) + ".png";
    return Exists(path) ? "" : path;
}

bool SaveScreenshot(std::string& path)
{
    std::vector<uint8_t> rgb;
    const std::string dir = I_ScreenshotDir();
    if (!I_DisplayedFrame(rgb) || dir.empty() || !I_MakeDirectories(dir))
        return false;
    const std::time_t now = std::time(nullptr);
    std::tm when{};
    localtime_r(&now, &when);
    path = FreePath(dir, I_ScreenshotName(when));
    return !path.empty() && I_WritePng(path, I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 3, rgb.data());
}

} // namespace

std::string I_PicturesDirFromUserDirs(const std::string& text, const std::string& home)
{
    const std::string key = "XDG_PICTURES_DIR=";
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() < 2 || value.front() != '"' || value.back() != '"')
            return "";
        value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/'))
            value = home + value.substr(5);
        return value.size() > 1 && value[0] == '/' ? value : "";
    }
    return "";
}

std::string I_ScreenshotDir()
{
    std::string pictures = AbsoluteEnv("XDG_PICTURES_DIR");
    const std::string home = AbsoluteEnv("HOME");
    if (pictures.empty() && !home.empty()) {
        std::string config = AbsoluteEnv("XDG_CONFIG_HOME");
        if (config.empty())
            config = home + "/.config";
        std::vector<uint8_t> bytes;
        if (I_ReadFile(config + "/user-dirs.dirs", bytes, maxUserDirsBytes))
            pictures = I_PicturesDirFromUserDirs(std::string(bytes.begin(), bytes.end()), home);
        if (pictures.empty())
            pictures = home + "/Pictures";
    }
    return pictures.empty() ? "" : pictures + "/Taltrix";
}

std::string I_ScreenshotName(const std::tm& when)
{
    char name[64];
    std::snprintf(name, sizeof name, "taltrix-%04d-%02d-%02d-%02d%02d%02d.png", when.tm_year + 1900,
                  when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    return name;
}

void I_TakeScreenshot()
{
    std::string path;
    if (SaveScreenshot(path)) {
        I_ShowNote("Screenshot saved");
        return;
    }
    std::fprintf(stderr, "taltrix: cannot save a screenshot in %s\n", I_ScreenshotDir().c_str());
    I_ShowNote("Screenshot failed");
}
