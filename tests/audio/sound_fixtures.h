// Small sound files made in the tests, chunk by chunk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

void PutLE(Bytes& out, uint32_t value, int bytes);
// A RIFF chunk: id, size (the body's length unless given), body, and the pad byte of an
// odd body.
Bytes Chunk(const char* id, const Bytes& body, int64_t statedSize = -1);
// A format chunk of the given size with that format tag and rate.
Bytes FmtChunk(int size, int formatTag, int rate = 11025);
// "RIFF" with its size and form, then the chunks.
Bytes Riff(const char* form, const std::vector<Bytes>& chunks);
// The WAV the game expects: an 18-byte PCM format and the samples.
Bytes GoodWAV(const Bytes& samples);
// A VOC file with its first block at `offset`, block length `length`, time constant `tc`
// and `tail` bytes after the header.
Bytes VOC(int offset, uint32_t length, int tc, size_t tail);
