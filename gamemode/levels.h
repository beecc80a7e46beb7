// Making a level current for the player whose turn it is: its level file, its background
// picture and its song.
#pragma once

#include <cstdint>

#include "gamemode/level_file.h"
#include "gfx/buffer.h"
#include "gfx/pcx.h"

extern char backgroundPath[2][BACKGROUND_PATH_BYTES];  // per player: "Backs\\..." of the level
extern char songPath[2][SONG_PATH_BYTES];              // per player: "Midi\\..." of the level
extern Q2SL_drawBuffer backgroundBuffer[2];            // per player: the level's background

// Makes level `level` (0 to 29) current for currPlayer and prepares it for play. Returns 1,
// or 0 when the level could not be loaded.
int StartLevel(int level, int playMusic);
// Reads currPlayer's numbered level file (name is always null: the numbered file is read).
// Returns 1, or 0 when the file, its contents or its background are missing or bad.
int LoadLevel(const char* name, int playMusic);
// The game path of level file `level`: "Levels\\" and the level number plus one.
void LevelFilePath(int level, char* out, int size);
// Copies a picture into a background buffer, at the picture's size; false when the buffer
// cannot get a surface.
bool CopyBackground(const Q2SL_pcx& picture, Q2SL_drawBuffer& buffer);
// Releases both players' background surfaces.
void ReleaseBackgrounds();
