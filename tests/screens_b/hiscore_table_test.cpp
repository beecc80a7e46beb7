// The high-score table's rules and its file: ranking, insertion, and what a spoilt file
// gives.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/world.h"
#include "screens/hiscore.h"

namespace {

class HiScoreTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetHiScore();
        hiScoreRow = -1;
    }
    // Scores 1500, 1400, ..., 100 down the table.
    void FillTable()
    {
        for (int i = 0; i < HISCORE_ENTRIES; i++)
            AddHiScore("old", (i + 1) * 100, 3, 2, 0);
    }
};

TEST_F(HiScoreTable, EqualScoresStandBelowOlderOnesAndTheFifteenthIsDropped)
{
    FillTable();
    EXPECT_EQ(GetHiScoreRank(100), 15);  // equal to the last: no place
    EXPECT_EQ(GetHiScoreRank(101), 14);
    EXPECT_EQ(GetHiScoreRank(1500), 1);
    EXPECT_EQ(GetHiScoreRank(1501), 0);

    AddHiScore("new", 101, 5, 4, GetHiScoreRank(101));
    EXPECT_EQ(hiScoreTable[13].score, 200);
    EXPECT_STREQ(hiScoreTable[14].name, "new");
    EXPECT_EQ(hiScoreRow, 14);
    for (const HiScoreEntry& entry : hiScoreTable)
        EXPECT_NE(entry.score, 100);
}

TEST_F(HiScoreTable, AnEmptyTableTakesAnyPointsButNoneForNothing)
{
    EXPECT_EQ(GetHiScoreRank(0), 15);
    EXPECT_EQ(GetHiScoreRank(1), 0);
}

TEST_F(HiScoreTable, TheCurrentPlayersGameEntersWithAnEmptyNameAndItsLevel)
{
    currPlayer = 1;
    score[1] = 700;
    playerLevel[1] = 30;  // beaten the game
    difficulty[1] = 5;
    ASSERT_EQ(CheckHiScore(), 1);
    EXPECT_STREQ(hiScoreTable[0].name, "");
    EXPECT_EQ(hiScoreTable[0].level, HISCORE_LEVEL_ALL);
    EXPECT_EQ(hiScoreTable[0].difficulty, 5);
    score[1] = 700;  // a second player with the same score stands below
    ASSERT_EQ(CheckHiScore(), 1);
    EXPECT_EQ(hiScoreRow, 1);
    score[1] = 0;
    EXPECT_EQ(CheckHiScore(), 0);
    ResetWorld();
}

TEST_F(HiScoreTable, TheFileReadsBackByteForByte)
{
    FillTable();
    std::memcpy(hiScoreTable[3].name, "Ann\0junk after", 15);  // bytes after the end stay
    const std::vector<uint8_t> bytes = EncodeHiScores();
    ASSERT_EQ(bytes.size(), size_t(HISCORE_FILE_BYTES));
    ResetHiScore();
    ParseHiScores(bytes.data(), bytes.size());
    EXPECT_EQ(EncodeHiScores(), bytes);
    EXPECT_STREQ(hiScoreTable[3].name, "Ann");
    EXPECT_EQ(hiScoreTable[0].score, 1500);
}

TEST_F(HiScoreTable, SpoiltEntriesBecomeEmptyAndTheRestIsKept)
{
    FillTable();
    std::vector<uint8_t> bytes = EncodeHiScores();
    auto put = [&](int entry, int offset, int32_t v) { std::memcpy(&bytes[entry * 28 + offset], &v, 4); };
    std::memset(&bytes[0], 'x', 16);  // entry 0: name never ends
    put(1, 20, 32);                  // level past "All"
    put(2, 20, 0);                   // level 0
    put(3, 24, 6);                   // difficulty past "Skarvo"
    put(4, 24, 0);
    put(5, 20, -1);                  // an empty entry as the file keeps it
    put(5, 24, -1);
    ResetHiScore();
    ParseHiScores(bytes.data(), bytes.size());
    for (int i = 0; i < 5; i++) {
        EXPECT_STREQ(hiScoreTable[i].name, "") << i;
        EXPECT_EQ(hiScoreTable[i].score, 0) << i;
        EXPECT_EQ(hiScoreTable[i].level, -1) << i;
        EXPECT_EQ(hiScoreTable[i].difficulty, -1) << i;
    }
    EXPECT_EQ(hiScoreTable[5].score, 1000);
    EXPECT_STREQ(hiScoreTable[6].name, "old");
}

TEST_F(HiScoreTable, AShortFileLeavesTheEntriesItLacks)
{
    FillTable();
    const std::vector<uint8_t> bytes = EncodeHiScores();
    ResetHiScore();
    AddHiScore("kept", 5, 1, 1, 14);
    ParseHiScores(bytes.data(), 2 * 28 + 10);
    EXPECT_EQ(hiScoreTable[1].score, 1400);
    EXPECT_EQ(hiScoreTable[2].score, 0);
    EXPECT_STREQ(hiScoreTable[14].name, "kept");
}

}  // namespace
