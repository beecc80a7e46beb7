// Parsing the game's command-line options.
#include "app/cmdline.h"

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"

CommandLine commandLine;

static const char* const usage =
    "Usage: taltrix [OPTION]...\n"
    "A block-breaking arcade game for one or two players.\n"
    "\n"
    "Game options:\n"
    "  --skip-intro         go straight to the main menu\n"
    "  --start-game         start a game at once (developer option)\n"
    "  --players N          1 or 2 players for --start-game (default 1)\n"
    "  --level N            the level to start at, 1 to 30 (default 1)\n"
    "  --difficulty D       1 to 5 (default 3, Normal)\n"
    "  --autoplay           the pad follows the ball by itself\n"
    "  --no-die             a lost ball costs nothing (developer option)\n"
    "  --check-invariants   check the game's records every frame (developer option)\n"
    "  --stats FILE         write where the game stands as JSON at the end of the run\n"
    "  --help               show this help and exit\n"
    "  --version            show the version and exit\n";

static bool ParseInt(const std::string& text, int low, int high, int& out)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < low || value > high)
        return false;
    out = static_cast<int>(value);
    return true;
}

ParseResult ParseCommandLine(const std::vector<std::string>& args, CommandLine& out)
{
    struct IntOption {
        const char* name;
        int* value;
        int low, high;
    };
    const IntOption intOptions[] = {
        {"--players", &out.players, 1, 2},
        {"--level", &out.level, 1, 30},
        {"--difficulty", &out.difficulty, 1, 5},
    };
    for (size_t i = 0; i < args.size(); i++) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            std::printf("%s\nDisplay and test options:\n%s", usage, I_OptionsHelp());
            return PARSE_EXIT_OK;
        }
        if (arg == "--version") {
            std::printf("taltrix %s\n", TALTRIX_VERSION);
            return PARSE_EXIT_OK;
        }
        if (arg == "--start-game") {
            out.startGame = true;
            continue;
        }
        if (arg == "--autoplay") {
            out.autoplay = true;
            continue;
        }
        if (arg == "--no-die") {
            out.noDie = true;
            continue;
        }
        if (arg == "--skip-intro") {
            out.skipIntro = true;
            continue;
        }
        if (arg == "--check-invariants") {
            out.checkInvariants = true;
            continue;
        }
        if (arg == "--stats") {
            if (i + 1 >= args.size()) {
                std::fprintf(stderr, "taltrix: --stats needs a file name\n");
                return PARSE_ERROR;
            }
            out.statsFile = args[++i];
            continue;
        }
        bool known = false;
        for (const IntOption& option : intOptions) {
            if (arg != option.name)
                continue;
            known = true;
            if (i + 1 >= args.size() || !ParseInt(args[i + 1], option.low, option.high, *option.value)) {
                std::fprintf(stderr, "taltrix: %s needs a number from %d to %d\n", option.name, option.low,
                             option.high);
                return PARSE_ERROR;
            }
            i++;
        }
        if (!known) {
            std::fprintf(stderr, "taltrix: unknown option '%s' (try --help)\n", arg.c_str());
            return PARSE_ERROR;
        }
    }
    return PARSE_RUN;
}
