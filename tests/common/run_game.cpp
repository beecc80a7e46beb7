// Running the game headless from a test.
#include "common/run_game.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

std::string GameRun::Read(const char* name) const
{
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

static std::string Quote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

GameRun RunGame(const std::string& script, int untilMs, const std::vector<std::string>& args)
{
    GameRun run;
    char dir[] = "/tmp/taltrix-run-XXXXXX";
    if (!mkdtemp(dir))
        return run;
    run.dir = dir;
    std::ofstream(run.Path("script.txt")) << script;

    std::string command = Quote(TALTRIX_EXE) + " --headless --data " + Quote(TALTRIX_DATA) + " --user-dir " +
                          Quote(run.dir) + " --script " + Quote(run.Path("script.txt")) + " --until-ms " +
                          std::to_string(untilMs);
    for (const std::string& arg : args)
        command += " " + Quote(arg[0] == '@' ? run.Path(arg.c_str() + 1) : arg);
    command += " > " + Quote(run.Path("output.txt")) + " 2>&1";
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = run.Read("output.txt");
    return run;
}
