// Writing an 8-bit indexed picture as a true-colour PNG, for people to look at.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// pixels: width x height palette indices; palette: 256 x 3 bytes of 8-bit RGB. Returns false
// (after a message on stderr) when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels,
              const uint8_t (&palette)[256][3]);
