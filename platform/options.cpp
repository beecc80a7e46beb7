// The platform's own command-line options.
#include <cerrno>
#include <cstdlib>

#include "platform/display_settings.h"
#include "platform/platform.h"
#include "platform/replay.h"

namespace {

// The help paragraph for the options below, in the game's --help layout.
const char* const helpText =
    "  --headless           run without a window or audio device, on a virtual clock\n"
    "  --fullscreen         start fullscreen (Alt+Enter or F11 toggles)\n"
    "  --data DIR           read the game data from DIR\n"
    "  --user-dir DIR       keep settings, high scores and saved games in DIR\n"
    "                       (default $XDG_DATA_HOME/taltrix)\n"
    "  --mouse-sensitivity X\n"
    "                       pad pixels per mouse count, 0.1 to 10 (default 1),\n"
    "                       kept for later runs\n"
    "  --list-devices       list the joysticks and gamepads found and exit\n"
    "  --record FILE        write every input the game reads to FILE\n"
    "  --replay FILE        play a recorded game again from FILE\n"
    "  --until-ms N         close the window N ms after the start (virtual time\n"
    "                       when headless)\n"
    "  --frame-log FILE     one line per displayed frame: ms and a hash of it\n"
    "Headless runs only:\n"
    "  --script FILE        timed input, one event a line\n"
    "  --screenshot FILE    write the last displayed frame as PNG at the end\n"
    "  --event-log FILE     one JSON line per message box, sound and music event\n"
    "  --joystick           a joystick is attached\n"
    "  --gamepad            a gamepad is attached\n";

bool ParseMs(const std::string& text, int64_t& out)
{
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < 0)
        return false;
    out = value;
    return true;
}

} // namespace

const char* I_OptionsHelp()
{
    return helpText;
}

bool I_ParseOptions(std::vector<std::string>& args, I_Options& opts, std::string& error)
{
    struct Flag {
        const char* name;
        bool* value;
    };
    const Flag flags[] = {
        {"--headless", &opts.headless},
        {"--fullscreen", &opts.fullscreen},
        {"--joystick", &opts.joystickPresent},
        {"--gamepad", &opts.gamepadPresent},
        {"--list-devices", &opts.listDevices},
    };
    struct Text {
        const char* name;
        std::string* value;
    };
    const Text texts[] = {
        {"--data", &opts.dataDir},
        {"--user-dir", &opts.userDir},
        {"--script", &opts.scriptFile},
        {"--screenshot", &opts.screenshotFile},
        {"--frame-log", &opts.frameLogFile},
        {"--event-log", &opts.eventLogFile},
    };

    if (!I_TakeReplayOptions(args, opts, error))
        return false;
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); i++) {
        const std::string& arg = args[i];
        bool taken = false;
        for (const Flag& flag : flags)
            if (arg == flag.name)
                taken = *flag.value = true;
        for (const Text& text : texts) {
            if (arg != text.name)
                continue;
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = arg + " needs a value";
                return false;
            }
            *text.value = args[++i];
            taken = true;
        }
        if (arg == "--until-ms") {
            if (i + 1 >= args.size() || !ParseMs(args[i + 1], opts.untilMs)) {
                error = "--until-ms needs a number of milliseconds";
                return false;
            }
            i++;
            taken = true;
        }
        if (arg == "--mouse-sensitivity") {
            if (i + 1 >= args.size() || !I_ParseSensitivity(args[i + 1], opts.mouseSensitivity)) {
                error = "--mouse-sensitivity needs a number from 0.1 to 10";
                return false;
            }
            i++;
            taken = true;
        }
        if (!taken)
            rest.push_back(arg);
    }

    const bool headlessOnly = !opts.scriptFile.empty() || !opts.screenshotFile.empty() ||
                              !opts.eventLogFile.empty() || opts.joystickPresent || opts.gamepadPresent;
    if (headlessOnly && !opts.headless) {
        error = "--script, --screenshot, --event-log, --joystick and --gamepad need --headless";
        return false;
    }
    args = std::move(rest);
    return true;
}
