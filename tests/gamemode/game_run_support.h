// Runs the game headless with a script and reads what it reports at the end of the run.
#pragma once

#include <string>
#include <vector>

struct PlayerStats {
    int score = -1, lives = -1, level = -1, blocksLeft = -1, difficulty = -1;
};

struct ClearedLevel {
    int player = -1, level = -1, frames = -1;
};

struct RunResult {
    int exitCode = -1;
    int mode = -99, overlay = -99, gameFrames = -1, currPlayer = -1;
    PlayerStats players[2];
    std::vector<ClearedLevel> cleared;
    std::string events;  // the event log: one JSON object a line

    // How many events name this text (a sound's file, a box's text).
    int Count(const std::string& text) const;
};

// Runs TALTRIX_EXE --headless on the generated data with the given script lines and game
// options until the virtual time untilMs.
RunResult RunGame(const std::vector<std::string>& script, const std::string& options, long untilMs);
