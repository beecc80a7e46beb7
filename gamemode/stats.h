// Where the game stands, for the end of a headless run: mode, overlay, each player's
// counters and the levels cleared with the game frames each took.
#pragma once

#include <cstdint>
#include <vector>

struct LevelCleared {
    int player;  // 0 or 1
    int level;   // as the screen shows it, 1 to 30
    int frames;  // game frames the level took that player
};

extern int32_t gameFrames;                    // game frames played since the program started
extern int32_t levelFrames[2];                // game frames of each player's current level
extern std::vector<LevelCleared> levelsCleared;  // in the order they were cleared
// The mode the game mode last entered or left for: the program's way out clears the mode
// itself before the statistics are written.
extern int32_t statsMode;

// One game frame of the current player has run.
void CountGameFrame();
// The current player's level has been cleared.
void RecordLevelCleared();
// Writes the JSON object to a host path; false when it cannot be written.
bool WriteStats(const char* path);
