// Saved games: one slot per game kind, "1.sav" and "2.sav" in the user directory, holding
// each player's counters, block field, background and song, and the power-ups in force.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum {
    SAVE_PATH_BYTES = 256,      // each of the two paths, NUL-terminated within it
    SAVE_SHOTS = 60,            // the first cells' bullet counts; the rest are not kept
    SAVE_PLAYER_BYTES = 1248,
    SAVE_ONE_PLAYER_BYTES = 1392,
    SAVE_TWO_PLAYER_BYTES = 2644,
};

// One player's part of a saved game.
struct SavedPlayer {
    int32_t score;
    int32_t lives;
    int32_t difficulty;
    int32_t level;
    char background[SAVE_PATH_BYTES];  // "Backs\\..." as the level loader stored it
    char song[SAVE_PATH_BYTES];        // "Midi\\..."
    uint16_t codes[240];               // block code of each cell, cell 0 first
    int32_t shots[SAVE_SHOTS];
};

// A whole saved game, as the file holds it.
struct SavedGame {
    int32_t effectState[18];
    int32_t effectTimer[18];
    SavedPlayer players[2];
    int32_t currPlayer;  // 0 in a one-player game
};

// "1.sav" for one player, "2.sav" otherwise.
const char* SaveFileName(int players);
// The file's bytes for a game of that many players (1392 or 2644).
std::vector<uint8_t> EncodeSavedGame(const SavedGame& game, int players);
// Decodes and checks a file for a game of that many players: the exact size, every value
// in its range, both paths terminated and inside their folders. False leaves `out` unused.
bool ParseSavedGame(const uint8_t* data, size_t size, int players, SavedGame& out);
// 1 when the slot of that game kind holds a game that can be loaded.
int CheckSavedGame(int players);

// Writes the current game to its slot and shows "Game Saved".
void SaveGame();
// Reads the slot and rebuilds both players' levels; 1, or 0 when the slot holds no valid
// game (nothing changed) or a background is missing (its box shown, the main menu asked).
int LoadGame();
// The whole load of a level from the slot, with the resets a level start needs; 1 or 0.
int StartLoadedLevel();
