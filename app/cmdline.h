// The game's own command-line options (the platform takes its own first).
#pragma once

#include <string>
#include <vector>

struct CommandLine {
    bool startGame = false;   // skip the screens before the game and start one at once
    int players = 1;          // 1 or 2
    int level = 1;            // the level to start at, 1 to 30
    int difficulty = 3;       // 1 to 5
    bool autoplay = false;    // the pad plays by itself
    bool noDie = false;       // a lost last ball is not a lost life
    bool skipIntro = false;   // straight to the main menu
    bool checkInvariants = false;  // check the world every game frame, abort when it breaks
    std::string statsFile;    // where the game's state is written at the end of the run
};

extern CommandLine commandLine;  // as parsed at start-up

enum ParseResult { PARSE_RUN, PARSE_EXIT_OK, PARSE_ERROR };

// Parses what the platform left of argv; prints help, version or the error itself.
ParseResult ParseCommandLine(const std::vector<std::string>& args, CommandLine& out);
