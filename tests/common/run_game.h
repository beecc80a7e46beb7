// Runs the real program headless, the way the end-to-end tests drive it.
#pragma once

#include <string>
#include <vector>

struct GameRun {
    int exitCode = -1;
    std::string dir;     // the run's own folder: user files, logs, screenshot
    std::string output;  // what the program printed (stdout and stderr)

    std::string Path(const char* name) const { return dir + "/" + name; }
    // The whole text of a file of the run's folder ("" when missing).
    std::string Read(const char* name) const;
};

// Starts `taltrix --headless --data <generated data> --user-dir <fresh dir>` with the given
// script (written to <dir>/script.txt), --until-ms and any further arguments. Arguments may
// name files of the run's folder as "@name" (for example "--frame-log", "@frames.txt").
GameRun RunGame(const std::string& script, int untilMs, const std::vector<std::string>& args = {});
