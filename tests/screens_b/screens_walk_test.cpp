// The help pages, the development menu, the high-score entry, the saved game and the
// victory screen, walked headless the way a player takes them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/run_game.h"
#include "game/world.h"
#include "gamemode/level_file.h"
#include "gamemode/savegame.h"
#include "screens/hiscore.h"

namespace fs = std::filesystem;

namespace {

// The menu box opens on the first key, and takes keys from then on.
constexpr int MENU_OPEN_MS = 700;
constexpr int MENU_READY_MS = 1500;

std::string Taps(int fromMs, int spacingMs, const std::vector<std::string>& keys)
{
    std::string script;
    for (size_t i = 0; i < keys.size(); i++)
        script += std::to_string(fromMs + int(i) * spacingMs) + " tap " + keys[i] + "\n";
    return script;
}

// The menu opened, then the script.
std::string FromMenu(const std::string& script)
{
    return std::to_string(MENU_OPEN_MS) + " tap RETURN\n" + script;
}

// Fire taps that launch the ball without typing a character.
std::string Launches(int fromMs, int toMs)
{
    std::string script;
    for (int t = fromMs; t <= toMs; t += 1500)
        script += std::to_string(t) + " tap LCONTROL\n";
    return script;
}

GameRun Walk(const std::string& script, int untilMs, std::vector<std::string> args)
{
    for (const char* a : {"--event-log", "@events.txt", "--stats", "@stats.json"})
        args.push_back(a);
    return RunGame(script, untilMs, args);
}

bool Has(const std::string& text, const std::string& piece)
{
    return text.find(piece) != std::string::npos;
}

// The n-th (from 0) value of a number field of the statistics.
int StatsField(const GameRun& run, const std::string& name, int n = 0)
{
    const std::string stats = run.Read("stats.json");
    size_t at = 0;
    for (int i = 0; i <= n; i++) {
        at = stats.find("\"" + name + "\": ", at);
        if (at == std::string::npos)
            return -999;
        at += name.size() + 4;
    }
    return std::stoi(stats.substr(at));
}

int Count(const std::string& text, const std::string& piece)
{
    int count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        count++;
    return count;
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

const std::string openHelp = Taps(MENU_READY_MS, 200, {"DOWN", "DOWN", "DOWN", "DOWN", "RETURN"});

TEST(Help, SpaceTurnsFivePagesIntoTheTableAndEscapeLeavesAtOnce)
{
    struct Case {
        std::vector<std::string> keys;
        int overlay;      // where the walk stands at the end
        bool menuSong;    // the menu's song started again
    };
    const Case cases[] = {
        {{"SPACE", "SPACE", "SPACE", "SPACE"}, 8, false},       // the last credits page
        {{"SPACE", "SPACE", "SPACE", "SPACE", "SPACE"}, 7, false},  // the table
        {{"SPACE", "SPACE", "SPACE", "SPACE", "SPACE", "SPACE"}, -1, true},  // the table closed
        {{"SPACE", "SPACE", "SPACE", "ESCAPE"}, -1, false},  // out of the credits
    };
    for (const Case& c : cases) {
        const GameRun run = Walk(FromMenu(openHelp + Taps(3600, 400, c.keys)), 4400 + 400 * int(c.keys.size()),
                                {"--skip-intro"});
        const std::string what = std::to_string(c.keys.size()) + " keys, last " + c.keys.back();
        EXPECT_EQ(StatsField(run, "overlay"), c.overlay) << what;
        const std::string events = run.Read("events.txt");
        EXPECT_TRUE(Has(events, "\"play\", \"path\": \"midi\\\\Beat2.mid\"")) << what;
        EXPECT_EQ(Has(events, "\"open\", \"path\": \"midi\\\\Dand27.mid\""), c.menuSong) << what;
        EXPECT_EQ(Has(events, "wavs\\\\Pass.wav"), c.keys.back() == "ESCAPE") << what;
        EXPECT_FALSE(Has(events, "\"box\"")) << what << events;
    }
}

TEST(Help, HoldingSpaceTurnsOnePage)
{
    const GameRun run = Walk(FromMenu(openHelp + "3600 key SPACE down\n5000 key SPACE up\n5400 tap SPACE\n"
                                                 "5800 tap SPACE\n6200 tap SPACE\n"),
                            7000, {"--skip-intro"});
    EXPECT_EQ(StatsField(run, "overlay"), 8);  // four pages turned, not five
}

TEST(Help, AMissingPictureSendsThePlayerBackToTheMenu)
{
    char name[] = "/tmp/taltrix-data-XXXXXX";
    ASSERT_TRUE(mkdtemp(name));
    fs::copy(TALTRIX_DATA, name, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::remove(fs::path(name) / "help28.bmp");
    const GameRun run = Walk(FromMenu(openHelp), 4000, {"--skip-intro", "--data", name});
    const std::string events = run.Read("events.txt");
    EXPECT_TRUE(Has(events, "\"text\": \"Can't load file help28.bmp\"")) << events;
    EXPECT_EQ(StatsField(run, "overlay"), -1);
    // The main menu is set up afresh, its song with it.
    const std::string song = "\"open\", \"path\": \"midi\\\\dand27.mid\"";
    EXPECT_NE(events.find(song), events.rfind(song)) << events;
    fs::remove_all(name);
}

// The secret word on the active menu, then the development menu's keys, then a game.
std::string DevMenuThenGame(const std::vector<std::string>& devKeys)
{
    std::string script = Taps(MENU_READY_MS, 100, {"T", "A", "L", "T", "R", "I", "X"});
    script += Taps(3300, 200, devKeys);
    script += Taps(5000, 800, {"RETURN", "RETURN"});  // one player, Normal
    return FromMenu(script + Launches(8000, 70000));
}

TEST(DevelopmentMenu, TheSecretWordOpensItAndNoDieKeepsEveryBall)
{
    const GameRun opened = Walk(FromMenu(Taps(MENU_READY_MS, 100, {"T", "A", "L", "T", "R", "I", "X"})), 3200,
                               {"--skip-intro"});
    EXPECT_EQ(StatsField(opened, "overlay"), 3);
    EXPECT_TRUE(Has(opened.Read("events.txt"), "wavs\\\\yay.wav"));

    const GameRun noDie = Walk(DevMenuThenGame({"LEFT", "ESCAPE"}), 72000, {"--skip-intro"});
    const GameRun normal = Walk(DevMenuThenGame({"ESCAPE"}), 72000, {"--skip-intro"});
    ASSERT_EQ(StatsField(noDie, "mode"), 2);
    ASSERT_EQ(StatsField(normal, "mode"), 2);
    EXPECT_EQ(StatsField(noDie, "lives"), START_LIVES);
    EXPECT_LT(StatsField(normal, "lives"), START_LIVES);
    EXPECT_TRUE(Has(noDie.Read("events.txt"), "wavs\\\\33_1.wav"));
    EXPECT_FALSE(Has(normal.Read("events.txt"), "wavs\\\\33_1.wav"));
}

TEST(DevelopmentMenu, EachPressActsOnceAndAChoiceAlreadyMadeTakesNothing)
{
    struct Case {
        const char* what;
        std::string keys;  // from 3300 ms, the menu open
        int moves;         // highlight moves heard
        int slides;        // switches heard
    };
    const Case cases[] = {
        {"Down held", "3300 key DOWN down\n4300 key DOWN up\n", 1, 0},
        {"Left on an option already on", "3300 tap DOWN\n3500 tap LEFT\n", 1, 0},
        {"Right on an option on, then again", "3300 tap DOWN\n3500 tap RIGHT\n3900 tap RIGHT\n", 1, 1},
        {"Right on No Die, already off", "3300 tap RIGHT\n", 0, 0},
        {"Up wraps to the exit row, Enter closes", "3300 tap UP\n3500 tap RETURN\n", 1, 0},
    };
    for (const Case& c : cases) {
        const GameRun run =
            Walk(FromMenu(Taps(MENU_READY_MS, 100, {"T", "A", "L", "T", "R", "I", "X"}) + c.keys), 5000, {"--skip-intro"});
        const std::string events = run.Read("events.txt");
        EXPECT_EQ(Count(events, "wavs\\\\Future_s.wav"), c.moves) << c.what;
        EXPECT_EQ(Count(events, "wavs\\\\33_1.wav"), c.slides) << c.what;
        EXPECT_EQ(StatsField(run, "overlay"), std::string(c.what).find("closes") != std::string::npos ? -1 : 3)
            << c.what;
    }
}

// A game lost on level 1 with no move of the pad ends at about 38 s; the name is typed
// well after that.
constexpr int TYPE_NAME_MS = 60000;

TEST(HighScores, ALostGamesNameIsTypedAndTakesItsPlaceInTheTableReadAtStartUp)
{
    char dir[] = "/tmp/taltrix-user-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    ResetHiScore();
    AddHiScore("Low", 10, 2, 1, 0);
    AddHiScore("Bo", 4321, 12, 4, 0);
    const std::vector<uint8_t> seeded = EncodeHiScores();
    std::ofstream(std::string(dir) + "/scores.cfg", std::ios::binary)
        .write(reinterpret_cast<const char*>(seeded.data()), std::streamsize(seeded.size()));

    // A Backspace on the empty name does nothing; then five characters and one Backspace.
    const std::string script = Launches(3000, 50000) + Taps(TYPE_NAME_MS - 1000, 500, {"BACK"}) +
                               std::to_string(TYPE_NAME_MS) + " text Ace%x\n" +
                               Taps(TYPE_NAME_MS + 1000, 500, {"BACK", "RETURN"});
    const GameRun run = Walk(script, TYPE_NAME_MS + 3000, {"--start-game", "--level", "1", "--user-dir", dir});
    EXPECT_TRUE(Has(run.Read("events.txt"), "wavs\\\\hiScore.wav"));
    EXPECT_EQ(Count(run.Read("events.txt"), "wavs\\\\click.wav"), 6);
    EXPECT_EQ(StatsField(run, "mode"), 1);  // back in the main menu
    std::ifstream in(std::string(dir) + "/scores.cfg", std::ios::binary);
    const std::string file(std::istreambuf_iterator<char>(in), {});
    ASSERT_EQ(file.size(), size_t(HISCORE_FILE_BYTES));
    ResetHiScore();
    const std::vector<uint8_t> bytes = Bytes(file);
    ParseHiScores(bytes.data(), bytes.size());
    EXPECT_STREQ(hiScoreTable[0].name, "Bo");
    EXPECT_STREQ(hiScoreTable[1].name, "Ace%");
    EXPECT_EQ(hiScoreTable[1].score, StatsField(run, "score"));
    EXPECT_GT(hiScoreTable[1].score, 10);
    EXPECT_EQ(hiScoreTable[1].level, 1);
    EXPECT_EQ(hiScoreTable[1].difficulty, 3);
    EXPECT_STREQ(hiScoreTable[2].name, "Low");
    EXPECT_EQ(hiScoreTable[3].level, -1);
    fs::remove_all(dir);
}

// Saves at SAVE_MS in a game on level 2, then pauses so that nothing changes after it.
constexpr int SAVE_MS = 14000;

TEST(SavedGame, WhatF2SavedTheMenuLoadsBack)
{
    const std::string play = Launches(3000, SAVE_MS - 1000) + std::to_string(SAVE_MS) + " tap F2\n" +
                             std::to_string(SAVE_MS + 100) + " tap P\n";
    const GameRun saved = Walk(play, SAVE_MS + 1000, {"--start-game", "--level", "2"});
    const std::string file = saved.Read("1.sav");
    ASSERT_EQ(file.size(), size_t(SAVE_ONE_PLAYER_BYTES));
    SavedGame game;
    const std::vector<uint8_t> bytes = Bytes(file);
    ASSERT_TRUE(ParseSavedGame(bytes.data(), bytes.size(), 1, game));
    EXPECT_EQ(game.players[0].score, StatsField(saved, "score"));
    EXPECT_GT(game.players[0].score, 0);
    EXPECT_EQ(game.players[0].level, 1);

    const GameRun loaded = Walk(FromMenu(Taps(MENU_READY_MS, 300, {"DOWN", "RETURN"})), 4500,
                               {"--skip-intro", "--user-dir", saved.dir});
    ASSERT_EQ(StatsField(loaded, "mode"), 2);
    EXPECT_EQ(StatsField(loaded, "score"), StatsField(saved, "score"));
    EXPECT_EQ(StatsField(loaded, "lives"), StatsField(saved, "lives"));
    EXPECT_EQ(StatsField(loaded, "level"), StatsField(saved, "level"));
    EXPECT_EQ(StatsField(loaded, "blocksLeft"), StatsField(saved, "blocksLeft"));
    EXPECT_TRUE(Has(loaded.Read("events.txt"), "\"play\", \"path\": \"" + std::string("Midi\\\\") +
                                                    (game.players[0].song + 5) + "\""));
    fs::remove_all(saved.dir);
}

TEST(SavedGame, ASpoiltSlotIsRefusedInTheMenuAndF3LeavesTheGameAsItWas)
{
    char dir[] = "/tmp/taltrix-user-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    std::ofstream(std::string(dir) + "/1.sav", std::ios::binary) << std::string(SAVE_ONE_PLAYER_BYTES, '\xff');
    const GameRun menu = Walk(FromMenu(Taps(MENU_READY_MS, 300, {"DOWN", "RETURN"})), 4000,
                             {"--skip-intro", "--user-dir", dir, "--screenshot", "@menu.png"});
    EXPECT_EQ(StatsField(menu, "mode"), -1);  // no game was started
    EXPECT_FALSE(Has(menu.Read("events.txt"), "\"box\""));

    const std::string play = Launches(3000, 9000);
    const GameRun plain = Walk(play, 10000, {"--start-game", "--user-dir", dir});
    const GameRun pressed = Walk(play + "6000 tap F3\n", 10000, {"--start-game", "--user-dir", dir});
    EXPECT_EQ(StatsField(pressed, "score"), StatsField(plain, "score"));
    EXPECT_EQ(StatsField(pressed, "blocksLeft"), StatsField(plain, "blocksLeft"));
    fs::remove_all(dir);
}

TEST(SavedGame, AMissingBackgroundEndsTheLoadInTheMenuWithItsBox)
{
    char dir[] = "/tmp/taltrix-user-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    SavedGame game{};
    SavedPlayer& player = game.players[0];
    player.lives = 3;
    player.difficulty = 3;
    std::strcpy(player.background, "Backs\\Gone.pcx");
    std::strcpy(player.song, "Midi\\Level1.mid");
    const std::vector<uint8_t> bytes = EncodeSavedGame(game, 1);
    std::ofstream(std::string(dir) + "/1.sav", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    const GameRun run = Walk(FromMenu(Taps(MENU_READY_MS, 300, {"DOWN", "RETURN"})), 5000,
                             {"--skip-intro", "--user-dir", dir});
    const std::string events = run.Read("events.txt");
    EXPECT_TRUE(Has(events, "\"text\": \"Can't load file Backs\\\\Gone.pcx\"")) << events;
    EXPECT_EQ(StatsField(run, "mode"), 1);  // the game mode was left for the menu
    EXPECT_EQ(StatsField(run, "gameFrames"), 0);
    fs::remove_all(dir);
}

// A copy of the data whose last level holds one block right above the pad.
std::string DataWithOneBlockLevel30()
{
    char name[] = "/tmp/taltrix-data-XXXXXX";
    if (!mkdtemp(name))
        return "";
    fs::copy(TALTRIX_DATA, name, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    LevelFile level{};
    std::strcpy(level.background, "Tiles.pcx");
    std::strcpy(level.song, "Level1.mid");
    level.codes[19 * GRID_COLUMNS + 6] = 2;  // a plain block
    const std::vector<uint8_t> bytes = EncodeLevelFile(level);
    std::ofstream(fs::path(name) / "Levels" / "30.lvl", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return name;
}

TEST(Victory, BeatingLevelThirtyCongratulatesThenTheNameEntersAsAll)
{
    const std::string data = DataWithOneBlockLevel30();
    ASSERT_FALSE(data.empty());
    const std::vector<std::string> args = {"--start-game", "--level", "30", "--difficulty", "5", "--data", data,
                                           "--screenshot", "@victory.png"};
    const GameRun shown = Walk(Launches(3000, 4500), 12000, args);
    EXPECT_EQ(StatsField(shown, "overlay"), 9);
    EXPECT_TRUE(Has(shown.Read("events.txt"), "wavs\\\\Pass2.wav"));

    const std::string after = Launches(3000, 4500) + Taps(12000, 500, {"RETURN"}) + "14000 text Win\n" +
                              Taps(15000, 500, {"RETURN"});
    const GameRun entered = Walk(after, 16500, args);
    EXPECT_EQ(StatsField(entered, "mode"), 1);
    const std::vector<uint8_t> bytes = Bytes(entered.Read("scores.cfg"));
    ResetHiScore();
    ParseHiScores(bytes.data(), bytes.size());
    EXPECT_STREQ(hiScoreTable[0].name, "Win");
    EXPECT_EQ(hiScoreTable[0].level, HISCORE_LEVEL_ALL);
    EXPECT_EQ(hiScoreTable[0].difficulty, 5);
    fs::remove_all(data);
}

}  // namespace
