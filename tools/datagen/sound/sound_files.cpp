#include "tools/datagen/sound/sound_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/datagen/sound/synth.h"

namespace {

void PutTag(std::vector<uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(tag[i]));
}

void PutLE(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<uint8_t>& samples)
{
    const uint32_t dataSize = uint32_t(samples.size());
    const uint32_t padding = dataSize & 1;  // RIFF chunks end on an even offset
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    PutLE(out, 4 + 8 + 18 + 8 + dataSize + padding, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLE(out, 18, 4);
    PutLE(out, 1, 2);              // PCM
    PutLE(out, 1, 2);              // mono
    PutLE(out, synth::kRate, 4);   // samples per second
    PutLE(out, synth::kRate, 4);   // bytes per second
    PutLE(out, 1, 2);              // block align
    PutLE(out, 8, 2);              // bits per sample
    PutLE(out, 0, 2);              // no extra format bytes
    PutTag(out, "data");
    PutLE(out, dataSize, 4);
    out.insert(out.end(), samples.begin(), samples.end());
    if (padding)
        out.push_back(128);
    return out;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "taltrix_datagen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
