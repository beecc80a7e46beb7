// taltrix: the command line, the platform, then the game.
#include <cstdio>
#include <string>
#include <vector>

#include "app/cmdline.h"
#include "app/winmain.h"
#include "input/input.h"
#include "platform/platform.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    I_Options platformOptions;
    std::string error;
    if (!I_ParseOptions(args, platformOptions, error)) {
        std::fprintf(stderr, "taltrix: %s\n", error.c_str());
        return 2;
    }
    switch (ParseCommandLine(args, commandLine)) {
    case PARSE_EXIT_OK:
        return 0;
    case PARSE_ERROR:
        return 2;
    case PARSE_RUN:
        break;
    }
    if (!I_Init(platformOptions, error)) {
        std::fprintf(stderr, "taltrix: %s\n", error.c_str());
        return 1;
    }
    if (platformOptions.listDevices) {
        std::fputs(DescribeControllers().c_str(), stdout);
        I_Shutdown();
        return 0;
    }
    const int code = WinMain();
    I_Shutdown();
    return code;
}
