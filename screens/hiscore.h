// The high-score table: fifteen entries kept in "scores.cfg", the name entry after a game
// that earned a place, and the table shown on its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/buffer.h"

enum { HISCORE_ENTRIES = 15, HISCORE_NAME_BYTES = 16, HISCORE_ENTRY_BYTES = 28, HISCORE_FILE_BYTES = 420 };
enum { HISCORE_NAME_CHARS = 10, HISCORE_LEVEL_ALL = 31 };

struct HiScoreEntry {
    char name[HISCORE_NAME_BYTES];  // zero-terminated; the bytes after it go to the file as they are
    int32_t score;
    int32_t level;       // 1 to 30, 31 after beating the game, -1 empty
    int32_t difficulty;  // 1 to 5, -1 empty
};

extern HiScoreEntry hiScoreTable[HISCORE_ENTRIES];  // best first
extern int32_t hiScoreRow;          // the entry added or edited in this run, -1 before any
extern Q2SL_drawBuffer keepSurface;  // the screen behind an overlay, while it is open

void ResetHiScore();
void LoadHiScore();
void SaveHiScore();
// The place (0 to 15) a score would take; 15 when it does not enter.
int GetHiScoreRank(int32_t score);
void AddHiScore(const char* name, int32_t score, int32_t level, int32_t difficulty, int rank);
// Returns 1 and enters the current player's score with an empty name when it earns a place.
int CheckHiScore();

// The file's 420 bytes.
std::vector<uint8_t> EncodeHiScores();
// Takes the entries a file holds, in order; an entry whose name is not terminated within
// its field, or whose level or difficulty is out of range, becomes an empty entry.
void ParseHiScores(const uint8_t* data, size_t size);

void DrawScoreTable();
void DrawHiScoreCursor(int visible);

// The name entry (overlay 6) and the table on its own (overlay 7).
void StartScoreEnterSub();
void ScoreEnterSub();
void EndScoreEnterSub();
void StartHiScoreSub();
void HiScoreSub();
void EndHiScoreSub();
