// The level file: the names of a level's background picture and song, and the block code of
// every cell of the field. The game reads it, the data generator writes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum {
    LEVEL_NAME_BYTES = 256,                  // each name field, NUL-terminated within it
    LEVEL_CELLS = 240,                       // 20 rows of 12 cells
    LEVEL_FILE_BYTES = 2 * LEVEL_NAME_BYTES + 2 * LEVEL_CELLS,
    BACKGROUND_PATH_BYTES = 256,             // "Backs\\User\\" + name + NUL must fit
    SONG_PATH_BYTES = 512,                   // "Midi\\" + name + NUL must fit
};

struct LevelFile {
    char background[LEVEL_NAME_BYTES];  // a PCX picture in "Backs\\" or "Backs\\User\\"
    char song[LEVEL_NAME_BYTES];        // a MIDI song in "Midi\\"
    uint16_t codes[LEVEL_CELLS];        // block kind of each cell, row by row
};

// Decodes the first LEVEL_FILE_BYTES of a level file. Refuses a short file, a name that is
// not NUL-terminated in its field, and a name that is empty, would overflow its path, or
// would leave its folder.
bool ParseLevelFile(const uint8_t* data, size_t size, LevelFile& out);
// The file's bytes: names NUL-padded, codes little-endian.
std::vector<uint8_t> EncodeLevelFile(const LevelFile& level);
// A bare file name: no folder separators, no "..", no drive, at most maxLength characters.
bool IsPlainFileName(const char* name, size_t maxLength);
