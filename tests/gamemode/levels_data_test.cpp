// The thirty level files the data generator writes: each one loads, names a background and
// a song that exist, can be cleared, and together they bring in every kind of block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "game/blocks.h"
#include "game/world.h"
#include "gamemode/level_file.h"

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// Whether the data folder holds the file, its folder and name matched in any letter case.
bool DataFileExists(const std::string& folder, const std::string& name)
{
    for (const auto& dir : fs::directory_iterator(TALTRIX_DATA)) {
        if (!dir.is_directory() || Lower(dir.path().filename().string()) != Lower(folder))
            continue;
        for (const auto& file : fs::directory_iterator(dir.path()))
            if (Lower(file.path().filename().string()) == Lower(name))
                return true;
    }
    return false;
}

LevelFile ReadLevel(int n)
{
    const fs::path path = fs::path(TALTRIX_DATA) / "Levels" / (std::to_string(n) + ".lvl");
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LevelFile level{};
    EXPECT_TRUE(ParseLevelFile(bytes.data(), bytes.size(), level)) << path;
    return level;
}

// Whether a block of this kind counts towards clearing the level, by the game's own count.
bool Counts(int kind)
{
    for (Q2SL_sprite& b : blocks[0])
        b.anim = 0;
    blocks[0][0].anim = uint16_t(kind);
    GetNumBlocksLeft(0);
    return blocksLeft[0] == 1;
}

// Cells a ball can reach from the open rows above the pad, breaking anything but the
// indestructible blocks on its way.
std::set<int> Reachable(const LevelFile& level)
{
    std::set<int> seen;
    std::vector<int> todo;
    for (int c = 0; c < GRID_COLUMNS; c++)
        todo.push_back((GRID_ROWS - 1) * GRID_COLUMNS + c);
    while (!todo.empty()) {
        const int cell = todo.back();
        todo.pop_back();
        if (level.codes[cell] == 1 || !seen.insert(cell).second)
            continue;
        const int row = cell / GRID_COLUMNS, column = cell % GRID_COLUMNS;
        if (row > 0)
            todo.push_back(cell - GRID_COLUMNS);
        if (row < GRID_ROWS - 1)
            todo.push_back(cell + GRID_COLUMNS);
        if (column > 0)
            todo.push_back(cell - 1);
        if (column < GRID_COLUMNS - 1)
            todo.push_back(cell + 1);
    }
    return seen;
}

}  // namespace

TEST(LevelData, EveryLevelLoadsAndCanBeCleared)
{
    for (int n = 1; n <= NUM_LEVELS; n++) {
        SCOPED_TRACE("level " + std::to_string(n));
        const LevelFile level = ReadLevel(n);
        EXPECT_TRUE(DataFileExists("Backs", level.background)) << level.background;
        EXPECT_TRUE(DataFileExists("Midi", level.song)) << level.song;
        const std::set<int> reachable = Reachable(level);
        int counted = 0;
        bool twoStage = false, blast = false;
        for (int cell = 0; cell < NUM_CELLS; cell++) {
            const int kind = level.codes[cell];
            ASSERT_LT(kind, NUM_BLOCK_KINDS);
            EXPECT_TRUE(kind != 99 && (kind < 19 || kind > 24)) << "kind " << kind << " is no block to start with";
            if (cell >= 17 * GRID_COLUMNS) {
                EXPECT_EQ(kind, 0) << "cell " << cell << " crowds the pad";
            }
            if (Counts(kind)) {
                counted++;
                EXPECT_TRUE(reachable.count(cell)) << "cell " << cell << " is walled in";
            }
            twoStage = twoStage || kind == 2;
            blast = blast || (kind >= 95 && kind <= 98) || kind == 90;
        }
        EXPECT_GT(counted, 0);
        // A two-stage block caught half-broken by a blast or a fire ball is removed uncounted.
        EXPECT_FALSE(twoStage && blast);
    }
}

TEST(LevelData, TheLevelsBringInEveryKindOfBlock)
{
    std::set<int> seen;
    for (int n = 1; n <= NUM_LEVELS; n++) {
        const LevelFile level = ReadLevel(n);
        seen.insert(std::begin(level.codes), std::end(level.codes));
    }
    const int required[] = {
        1, 2, 3, 13, 18, 113, 25,              // indestructible, two-stage, plain, multi-hit, counted, hidden, Multi-Ball
        26, 27, 28, 29, 30, 31, 90, 91, 92,    // every power-up block
        95, 96, 97, 98,                        // arrows of the four directions
        33,                                    // a simple block
    };
    for (int kind : required)
        EXPECT_TRUE(seen.count(kind)) << "kind " << kind;
    const int atomColours = int(std::count_if(seen.begin(), seen.end(), [](int k) { return k >= 100 && k <= 111; }));
    EXPECT_GE(atomColours, 3);
}
