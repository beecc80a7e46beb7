// The level file reader: what it accepts, and every kind of bad file it refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "gamemode/level_file.h"

namespace {

LevelFile SampleLevel()
{
    LevelFile level{};
    std::strcpy(level.background, "Stars.pcx");
    std::strcpy(level.song, "Level1.mid");
    for (int i = 0; i < LEVEL_CELLS; i++)
        level.codes[i] = uint16_t(i * 273);
    level.codes[239] = 65535;
    return level;
}

bool Parse(const std::vector<uint8_t>& bytes, LevelFile& out)
{
    return ParseLevelFile(bytes.data(), bytes.size(), out);
}

void SetName(std::vector<uint8_t>& bytes, int field, const std::string& name)
{
    std::memset(bytes.data() + field * LEVEL_NAME_BYTES, 0, LEVEL_NAME_BYTES);
    std::memcpy(bytes.data() + field * LEVEL_NAME_BYTES, name.data(), name.size());
}

}  // namespace

TEST(LevelFile, RoundTripKeepsNamesAndEveryCode)
{
    const LevelFile level = SampleLevel();
    std::vector<uint8_t> bytes = EncodeLevelFile(level);
    ASSERT_EQ(bytes.size(), 992u);
    EXPECT_EQ(bytes[512], uint8_t(0));      // cell 0 little-endian
    EXPECT_EQ(bytes[514], uint8_t(273 & 0xFF));
    EXPECT_EQ(bytes[515], uint8_t(273 >> 8));
    bytes.push_back(0x55);                  // bytes after the codes are not read
    LevelFile back{};
    ASSERT_TRUE(Parse(bytes, back));
    EXPECT_STREQ(back.background, "Stars.pcx");
    EXPECT_STREQ(back.song, "Level1.mid");
    EXPECT_EQ(std::memcmp(back.codes, level.codes, sizeof level.codes), 0);
}

TEST(LevelFile, RefusesBadFiles)
{
    const std::string longest(244, 'x');  // "Backs\\User\\" + 244 + NUL fills 256
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> spoil;
        bool accepted;
    };
    const Case cases[] = {
        {"untouched", [](auto&) {}, true},
        {"empty file", [](auto& b) { b.clear(); }, false},
        {"one byte short", [](auto& b) { b.pop_back(); }, false},
        {"names only", [](auto& b) { b.resize(512); }, false},
        {"background not terminated", [](auto& b) { std::memset(b.data(), 'A', 256); }, false},
        {"song not terminated", [](auto& b) { std::memset(b.data() + 256, 'A', 256); }, false},
        {"empty background", [](auto& b) { SetName(b, 0, ""); }, false},
        {"empty song", [](auto& b) { SetName(b, 1, ""); }, false},
        {"background in a subfolder", [](auto& b) { SetName(b, 0, "User/x.pcx"); }, false},
        {"background with backslash", [](auto& b) { SetName(b, 0, "..\\x.pcx"); }, false},
        {"song climbing out", [](auto& b) { SetName(b, 1, "..\\..\\etc"); }, false},
        {"dots in the name", [](auto& b) { SetName(b, 1, "a..mid"); }, false},
        {"drive letter", [](auto& b) { SetName(b, 0, "C:x.pcx"); }, false},
        {"longest background", [&](auto& b) { SetName(b, 0, longest); }, true},
        {"background too long for its path", [&](auto& b) { SetName(b, 0, longest + "x"); }, false},
        {"longest song", [](auto& b) { SetName(b, 1, std::string(255, 's')); }, true},
        {"huge codes", [](auto& b) { std::memset(b.data() + 512, 0xFF, 480); }, true},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = EncodeLevelFile(SampleLevel());
        c.spoil(bytes);
        LevelFile out{};
        EXPECT_EQ(Parse(bytes, out), c.accepted) << c.what;
    }
}
