// Writing the sound and song files of the data directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A RIFF WAVE file of 8-bit unsigned mono samples at 11025 Hz, with an 18-byte format chunk.
std::vector<uint8_t> EncodeWav(const std::vector<uint8_t>& samples);

// Writes a whole file, creating its folder; false (after saying why on stderr) when it cannot.
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
