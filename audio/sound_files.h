// Readers of the two sound file kinds: where the samples are in a file held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum { MAX_SOUND_FILE_BYTES = 8 * 1024 * 1024 };  // no effect of the game comes near this

// Where a file's samples lie, and what the file says about them.
struct SoundData {
    size_t offset = 0;  // first sample byte in the file image
    size_t count = 0;   // number of sample bytes to play
    int rate = 0;       // the rate the file states; informational only
    int size = 0;       // the data size the file states
};

// A RIFF "WAVE" file: a "fmt " chunk of at least 18 bytes with format tag 1, followed by a
// "data" chunk. False when the file does not have that shape, a chunk runs past its end or
// there are no samples.
bool ReadWAV(const std::vector<uint8_t>& file, SoundData& out);
// A VOC file: only the first block, found through the byte at offset 20, is played. False
// when the block or its samples run past the end of the file, or there are no samples.
bool ReadVOC(const std::vector<uint8_t>& file, SoundData& out);
