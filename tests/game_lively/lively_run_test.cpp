// Headless runs of the real game on a small level made here: power-up blocks, arrow rows
// and an atom, cleared by the pad playing by itself.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/run_game.h"
#include "gamemode/level_file.h"

namespace fs = std::filesystem;

namespace {

// A copy of the generated data whose first level is the given field.
std::string DataWithLevel(const std::vector<uint16_t>& codes, const char* name)
{
    const fs::path dir = fs::temp_directory_path() / name;
    fs::remove_all(dir);
    fs::copy(TALTRIX_DATA, dir, fs::copy_options::recursive);
    LevelFile level{};
    std::ifstream in(dir / "Levels" / "1.lvl", std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    EXPECT_TRUE(ParseLevelFile(bytes.data(), bytes.size(), level));
    for (int c = 0; c < LEVEL_CELLS; c++)
        level.codes[c] = c < static_cast<int>(codes.size()) ? codes[c] : 0;
    const std::vector<uint8_t> out = EncodeLevelFile(level);
    std::ofstream(dir / "Levels" / "1.lvl", std::ios::binary)
        .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return dir.string();
}

int Count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        n++;
    return n;
}

TEST(LivelyRun, ALevelOfPowerUpsArrowsAndANukeIsClearedWithAnExtraBall)
{
    // Rows 0 to 9: a right arrow, then plain blocks; row 11: the nine power-up blocks and an
    // atom of the plain blocks' colour.
    std::vector<uint16_t> codes(LEVEL_CELLS, 0);
    for (int row = 0; row < 10; row++) {
        codes[row * 12] = 98;
        for (int c = 1; c < 12; c++)
            codes[row * 12 + c] = 5;
    }
    const uint16_t specials[] = {26, 27, 28, 29, 30, 31, 90, 91, 92, 104};
    for (int k = 0; k < 10; k++)
        codes[11 * 12 + k] = specials[k];
    const std::string data = DataWithLevel(codes, "taltrix_lively_level");
    const GameRun run = RunGame("", 240000,
                                {"--data", data, "--start-game", "--level", "1", "--autoplay", "--no-die",
                                 "--check-invariants", "--stats", "@stats.json", "--event-log", "@events.txt"});
    const std::string stats = run.Read("stats.json");
    const std::string events = run.Read("events.txt");
    EXPECT_NE(stats.find("\"levelsCleared\": [{\"player\": 0, \"level\": 1"), std::string::npos) << stats;
    EXPECT_NE(stats.find("\"lives\": 6"), std::string::npos) << "an extra ball at 1000 points: " << stats;
    EXPECT_GT(Count(events, "Fexpl3a"), 20) << "the arrow rows exploded";
    EXPECT_GT(Count(events, "Sleek_up"), 0) << "the nuke was launched";
    EXPECT_GT(Count(events, "CrCome"), 0) << "enemies came in";
    EXPECT_GT(Count(events, "yea8"), 0) << "the extra ball was cheered";
    fs::remove_all(data);
}

}  // namespace
