// The saved-game file: what a save writes reads back whole, and a file that is spoilt in
// any way is refused before anything of it is taken.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "gamemode/savegame.h"

namespace {

SavedGame ValidGame()
{
    SavedGame game{};
    for (int s = 0; s < 18; s++) {
        game.effectState[s] = s % 3;
        game.effectTimer[s] = s * 40;
    }
    for (int p = 0; p < 2; p++) {
        SavedPlayer& player = game.players[p];
        player.score = 1250 + p;
        player.lives = 4 - p;
        player.difficulty = 3 + p;
        player.level = 7 + p;
        std::strcpy(player.background, p ? "Backs\\User\\Mine.pcx" : "Backs\\Tiles.pcx");
        std::strcpy(player.song, "Midi\\Level1.mid");
        for (int i = 0; i < 240; i++)
            player.codes[i] = uint16_t((i * 7 + p) % 144);
        for (int i = 0; i < SAVE_SHOTS; i++)
            player.shots[i] = i % 3;
    }
    game.currPlayer = 1;
    return game;
}

bool Parses(const std::vector<uint8_t>& bytes, int players)
{
    SavedGame out;
    return ParseSavedGame(bytes.data(), bytes.size(), players, out);
}

TEST(SavedGameFile, BothKindsHaveTheirSizeAndReadBackWhole)
{
    const SavedGame game = ValidGame();
    for (int players : {1, 2}) {
        const std::vector<uint8_t> bytes = EncodeSavedGame(game, players);
        ASSERT_EQ(bytes.size(), players == 1 ? 1392u : 2644u);
        SavedGame back{};
        ASSERT_TRUE(ParseSavedGame(bytes.data(), bytes.size(), players, back)) << players;
        const int kept = players == 1 ? 1 : 2;
        EXPECT_EQ(0, std::memcmp(back.effectState, game.effectState, sizeof game.effectState));
        EXPECT_EQ(0, std::memcmp(back.effectTimer, game.effectTimer, sizeof game.effectTimer));
        EXPECT_EQ(0, std::memcmp(back.players, game.players, kept * sizeof(SavedPlayer))) << players;
        EXPECT_EQ(back.currPlayer, players == 1 ? 0 : 1);
    }
    EXPECT_STREQ(SaveFileName(1), "1.sav");
    EXPECT_STREQ(SaveFileName(2), "2.sav");
}

TEST(SavedGameFile, FieldsLieWhereTheFileSaysLittleEndian)
{
    const std::vector<uint8_t> bytes = EncodeSavedGame(ValidGame(), 2);
    auto at = [&](size_t offset) {
        return int32_t(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | uint32_t(bytes[offset + 3]) << 24);
    };
    EXPECT_EQ(at(72 + 4), 40);           // the second effect timer
    EXPECT_EQ(at(144), 1250);            // player 1's score
    EXPECT_EQ(at(144 + 12), 7);          // player 1's level
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[144 + 16])), "Backs\\Tiles.pcx");
    EXPECT_EQ(bytes[144 + 528 + 2], 7);  // cell 1's code
    EXPECT_EQ(at(1392 + 4), 3);          // player 2's lives
    EXPECT_EQ(at(2640), 1);              // whose turn it is
}

TEST(SavedGameFile, SpoiltFilesAreRefused)
{
    struct Case {
        const char* what;
        int players;
        std::function<void(SavedGame&)> spoil;
    };
    const Case cases[] = {
        {"lives above 25", 1, [](SavedGame& g) { g.players[0].lives = 26; }},
        {"negative lives", 1, [](SavedGame& g) { g.players[0].lives = -1; }},
        {"difficulty 0", 1, [](SavedGame& g) { g.players[0].difficulty = 0; }},
        {"difficulty 6", 2, [](SavedGame& g) { g.players[1].difficulty = 6; }},
        {"level 30", 1, [](SavedGame& g) { g.players[0].level = 30; }},
        {"negative level", 2, [](SavedGame& g) { g.players[1].level = -1; }},
        {"negative score", 1, [](SavedGame& g) { g.players[0].score = -5; }},
        {"turn of player 2", 2, [](SavedGame& g) { g.currPlayer = 2; }},
        {"effect state 3", 1, [](SavedGame& g) { g.effectState[4] = 3; }},
        {"negative effect timer", 1, [](SavedGame& g) { g.effectTimer[0] = -1; }},
        {"effect timer past any effect", 1, [](SavedGame& g) { g.effectTimer[17] = 100000; }},
        {"three bullets a cell", 1, [](SavedGame& g) { g.players[0].shots[59] = 3; }},
        {"negative bullets", 2, [](SavedGame& g) { g.players[1].shots[0] = -1; }},
        {"unterminated background", 1,
         [](SavedGame& g) { std::memset(g.players[0].background, 'a', SAVE_PATH_BYTES); }},
        {"unterminated song", 2, [](SavedGame& g) { std::memset(g.players[1].song, 'a', SAVE_PATH_BYTES); }},
        {"background outside Backs", 1, [](SavedGame& g) { std::strcpy(g.players[0].background, "Levels\\1.lvl"); }},
        {"background climbing out", 1,
         [](SavedGame& g) { std::strcpy(g.players[0].background, "Backs\\..\\vexa.cfg"); }},
        {"background in a deeper folder", 1,
         [](SavedGame& g) { std::strcpy(g.players[0].background, "Backs\\User\\x\\a.pcx"); }},
        {"background by absolute path", 1, [](SavedGame& g) { std::strcpy(g.players[0].background, "/etc/passwd"); }},
        {"background folder alone", 1, [](SavedGame& g) { std::strcpy(g.players[0].background, "Backs\\"); }},
        {"song outside Midi", 2, [](SavedGame& g) { std::strcpy(g.players[1].song, "wavs\\Pass.wav"); }},
        {"song climbing out", 1, [](SavedGame& g) { std::strcpy(g.players[0].song, "Midi\\..\\..\\x.mid"); }},
        {"song with a drive", 1, [](SavedGame& g) { std::strcpy(g.players[0].song, "Midi\\C:x.mid"); }},
    };
    for (const Case& c : cases) {
        SavedGame game = ValidGame();
        c.spoil(game);
        EXPECT_FALSE(Parses(EncodeSavedGame(game, c.players), c.players)) << c.what;
    }
}

TEST(SavedGameFile, OnlyTheExactSizeOfItsKindIsTaken)
{
    const std::vector<uint8_t> one = EncodeSavedGame(ValidGame(), 1);
    const std::vector<uint8_t> two = EncodeSavedGame(ValidGame(), 2);
    EXPECT_FALSE(Parses(two, 1));
    EXPECT_FALSE(Parses(one, 2));
    for (int change : {-1, +1}) {
        std::vector<uint8_t> bytes = one;
        bytes.resize(bytes.size() + change);
        EXPECT_FALSE(Parses(bytes, 1)) << change;
    }
    EXPECT_FALSE(Parses({}, 1));
    SavedGame out;
    EXPECT_FALSE(ParseSavedGame(nullptr, 1392, 1, out));
}

TEST(SavedGameFile, ARefusedFileLeavesTheTargetAlone)
{
    SavedGame spoilt = ValidGame();
    spoilt.players[0].lives = 99;
    const std::vector<uint8_t> bytes = EncodeSavedGame(spoilt, 1);
    SavedGame target{};
    target.players[0].lives = 3;
    EXPECT_FALSE(ParseSavedGame(bytes.data(), bytes.size(), 1, target));
    EXPECT_EQ(target.players[0].lives, 3);
    EXPECT_EQ(target.players[0].score, 0);
}

}  // namespace
