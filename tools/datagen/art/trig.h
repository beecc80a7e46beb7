// blkbrk.trg: 360, then the sines and the cosines of 0..359 degrees x 65536, little-endian int32.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kTrigEntries = 360;

// The 721 values of the file, in file order.
std::vector<int32_t> TrigTable();
bool WriteTrigTable(const std::string& path);
