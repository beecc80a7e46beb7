// The generated sound effects: every file the sound groups load is there once, in the one format
// the sound layer plays, audible and unclipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every file the 43 sound groups load, as the game names them.
const char* const groupFiles[] = {
    "skarvo.wav", "mrvn3.wav", "33_1.wav", "Future_s.wav", "fsw2.wav", "Pass2.wav", "Pass.wav", "Future_s.wav",
    "Pop2.wav", "21_1.wav", "Soft_met.wav", "Ricochet.wav", "23_5.wav", "Ping_pon.wav", "Wood_dro.wav",
    "Metalwor.wav", "Impendin.wav", "Undrfall.wav", "click.wav", "Ping_pon.wav", "Twingy.wav", "Spiralin.wav",
    "Going_do.wav", "Squish.wav", "pass2.wav", "pass.wav", "CrCome.wav", "CrLeave.wav", "flash.wav", "static.wav",
    "teleport.wav", "Fexpl3a.wav", "64_3.wav", "Sleek_up.wav", "ready.wav", "Go!!.wav", "Shutdown.wav",
    "Entrance.wav", "Shutdown.wav", "yay.wav", "yea8.wav", "65_2f.wav", "hiScore.wav",
};

constexpr int kRate = 11025;

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// The files of the generated wavs folder by lower-case name.
std::map<std::string, fs::path> WavFolder()
{
    std::map<std::string, fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(TALTRIX_DATA) / "wavs")) {
        const std::string key = Lower(entry.path().filename().string());
        EXPECT_EQ(files.count(key), 0u) << "two files differ only in letter case: " << key;
        files[key] = entry.path();
    }
    return files;
}

uint32_t LE(const std::vector<uint8_t>& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v |= uint32_t(b[at + i]) << (8 * i);
    return v;
}

struct Wav {
    std::string error;  // empty when the file is well formed
    uint32_t fmtSize = 0;
    uint32_t tag = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0, extra = 0;
    std::vector<uint8_t> samples;
};

Wav Failed(std::string why)
{
    Wav w;
    w.error = std::move(why);
    return w;
}

Wav ParseWav(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Wav w;
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(&b[8], "WAVE", 4) != 0)
        return Failed("not a RIFF WAVE file");
    if (LE(b, 4, 4) != b.size() - 8)
        return Failed("RIFF size does not match the file");
    bool haveFmt = false, haveData = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t size = LE(b, at + 4, 4);
        const size_t body = at + 8;
        if (size > b.size() - body)
            return Failed("a chunk runs past the end");
        if (std::memcmp(&b[at], "fmt ", 4) == 0 && size >= 16) {
            haveFmt = true;
            w.fmtSize = size;
            w.tag = LE(b, body, 2);
            w.channels = LE(b, body + 2, 2);
            w.rate = LE(b, body + 4, 4);
            w.byteRate = LE(b, body + 8, 4);
            w.blockAlign = LE(b, body + 12, 2);
            w.bits = LE(b, body + 14, 2);
            w.extra = size >= 18 ? LE(b, body + 16, 2) : 0xFFFF;
        } else if (std::memcmp(&b[at], "data", 4) == 0) {
            haveData = true;
            w.samples.assign(b.begin() + body, b.begin() + body + size);
        }
        at = body + size + (size & 1);
    }
    if (!haveFmt || !haveData)
        w.error = "missing the fmt or the data chunk";
    return w;
}

TEST(GeneratedSounds, EveryGroupFileIsAnEightBitMonoWavAtTheGameRate)
{
    const auto folder = WavFolder();
    for (const char* name : groupFiles) {
        SCOPED_TRACE(name);
        const auto found = folder.find(Lower(name));
        ASSERT_NE(found, folder.end());
        const Wav w = ParseWav(found->second);
        ASSERT_EQ(w.error, "");
        EXPECT_EQ(w.fmtSize, 18u);
        EXPECT_EQ(w.tag, 1u);
        EXPECT_EQ(w.channels, 1u);
        EXPECT_EQ(w.rate, uint32_t(kRate));
        EXPECT_EQ(w.byteRate, uint32_t(kRate));
        EXPECT_EQ(w.blockAlign, 1u);
        EXPECT_EQ(w.bits, 8u);
        EXPECT_EQ(w.extra, 0u);
    }
}

TEST(GeneratedSounds, EverySoundIsAudibleUnclippedAndShort)
{
    const auto folder = WavFolder();
    for (const auto& [name, path] : folder) {
        SCOPED_TRACE(name);
        const Wav w = ParseWav(path);
        ASSERT_EQ(w.error, "");
        ASSERT_GE(w.samples.size(), size_t(kRate / 50)) << "shorter than 20 ms";
        int peak = 0, pinned = 0;
        double energy = 0;
        for (uint8_t s : w.samples) {
            const int v = int(s) - 128;
            peak = std::max(peak, std::abs(v));
            energy += v * v;
            pinned += (s == 0 || s == 255);
        }
        const double rms = std::sqrt(energy / double(w.samples.size()));
        EXPECT_GE(peak, 48) << "too quiet";
        EXPECT_GE(rms, 6.0) << "too quiet on the whole";
        EXPECT_LE(pinned, int(w.samples.size() / 200)) << "clipped";
        EXPECT_LE(rms, 48.0) << "far louder than the others";
        const double seconds = double(w.samples.size()) / kRate;
        if (name == "skarvo.wav" || name == "mrvn3.wav") {
            // The intro's splashes last as long as their sounds.
            EXPECT_GE(seconds, 3.5);
            EXPECT_LE(seconds, 5.0);
        } else {
            EXPECT_LE(seconds, 1.6);
        }
    }
}

TEST(GeneratedSounds, TheFolderHoldsOnlyTheGroupFiles)
{
    std::set<std::string> wanted;
    for (const char* name : groupFiles)
        wanted.insert(Lower(name));
    for (const auto& [name, path] : WavFolder())
        EXPECT_EQ(wanted.count(name), 1u) << name;
}

}  // namespace
