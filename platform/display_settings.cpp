// The remembered window and mouse settings.
#include "platform/display_settings.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "platform/platform.h"

I_DisplaySettings displaySettings;

namespace {

const char* const fileName = "display.cfg";   // in the user folder, beside the game's settings
constexpr size_t maxFileBytes = 4096;   // the file is three short lines

bool ParseWhole(const std::string& text, long low, long high, long& out)
{
    char* end = nullptr;
    errno = 0;
    out = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && errno == 0 && out >= low && out <= high;
}

// Applies one "name value" line; false for an unknown, repeated or bad one.
bool ParseLine(const std::string& line, I_DisplaySettings& out, int seen[3])
{
    std::istringstream words(line);
    std::string name, value, extra;
    if (!(words >> name >> value) || (words >> extra))
        return false;
    long whole = 0;
    if (name == "scale" && ParseWhole(value, 0, I_MAX_WINDOW_SCALE, whole))
        out.scale = int(whole);
    else if (name == "fullscreen" && ParseWhole(value, 0, 1, whole))
        out.fullscreen = whole == 1;
    else if (name != "mouse-sensitivity" || !I_ParseSensitivity(value, out.mouseSensitivity))
        return false;
    const int which = name == "scale" ? 0 : name == "fullscreen" ? 1 : 2;
    return ++seen[which] == 1;
}

} // namespace

bool I_ParseSensitivity(const std::string& text, double& out)
{
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0 || !std::isfinite(value) ||
        value < I_MIN_MOUSE_SENSITIVITY || value > I_MAX_MOUSE_SENSITIVITY)
        return false;
    out = value;
    return true;
}

bool I_ParseDisplaySettings(const std::string& text, I_DisplaySettings& out)
{
    out = I_DisplaySettings{};
    int seen[3] = {};
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (!ParseLine(line, out, seen)) {
            out = I_DisplaySettings{};
            return false;
        }
    }
    return true;
}

std::string I_FormatDisplaySettings(const I_DisplaySettings& settings)
{
    char text[128];
    std::snprintf(text, sizeof text, "scale %d\nfullscreen %d\nmouse-sensitivity %g\n",
                  settings.scale, settings.fullscreen ? 1 : 0, settings.mouseSensitivity);
    return text;
}

void I_LoadDisplaySettings()
{
    displaySettings = I_DisplaySettings{};
    const std::string path = I_UserPath(fileName);
    std::vector<uint8_t> bytes;
    if (path.empty() || !I_ReadFile(path, bytes, maxFileBytes))
        return;
    if (!I_ParseDisplaySettings(std::string(bytes.begin(), bytes.end()), displaySettings))
        std::fprintf(stderr, "taltrix: %s is not valid; using the default display settings\n",
                     path.c_str());
}

bool I_SaveDisplaySettings()
{
    const std::string text = I_FormatDisplaySettings(displaySettings);
    return I_WriteUserFile(fileName, text.data(), text.size());
}
