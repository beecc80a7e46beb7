// Recording a game and playing it again: the same input gives the same game, to the last
// frame, whatever the replay is given besides.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/run_game.h"
#include "platform/replay.h"

namespace {

// The last line of the frame log: the time and hash of the last frame shown.
std::string LastFrame(const GameRun& run)
{
    std::string log = run.Read("frames.txt");
    while (!log.empty() && log.back() == '\n')
        log.pop_back();
    return log.substr(log.find_last_of('\n') + 1);
}

struct Played {
    std::string stats, lastFrame;
};

Played Replay(const std::string& tape, const std::vector<std::string>& extra = {})
{
    std::vector<std::string> args = {"--replay", tape, "--stats", "@stats.json", "--frame-log", "@frames.txt"};
    args.insert(args.end(), extra.begin(), extra.end());
    const GameRun run = RunGame("", 10000000, args);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    return {run.Read("stats.json"), LastFrame(run)};
}

void ExpectSameGame(const std::string& script, int untilMs, const std::vector<std::string>& options)
{
    std::vector<std::string> args = {"--record", "@tape.txt", "--stats", "@stats.json", "--frame-log", "@frames.txt"};
    args.insert(args.end(), options.begin(), options.end());
    const GameRun recorded = RunGame(script, untilMs, args);
    ASSERT_EQ(recorded.exitCode, 0) << recorded.output;
    const std::string stats = recorded.Read("stats.json");
    ASSERT_NE(stats.find("\"gameFrames\""), std::string::npos);
    for (int run = 0; run < 2; run++) {
        const Played again = Replay(recorded.Path("tape.txt"));
        EXPECT_EQ(again.stats, stats) << "replay " << run;
        EXPECT_EQ(again.lastFrame, LastFrame(recorded)) << "replay " << run;
    }
}

} // namespace

TEST(Replay, AnAutoplayedGameEndsTheSameEveryTime)
{
    ExpectSameGame("2000 tap SPACE\n9000 tap P\n9500 tap P\n", 45000,
                   {"--start-game", "--autoplay", "--difficulty", "4", "--level", "3"});
}

TEST(Replay, APlayerThroughTheMenusIsFollowedKeyForKey)
{
    // The menus, a game steered by hand and lost, and a name typed into the table.
    std::string script = "1500 tap RETURN\n3000 tap RETURN\n4500 tap RETURN\n6000 tap SPACE\n";
    for (int t = 6500; t < 60000; t += 900)
        script += std::to_string(t) + (t % 1800 ? " key LEFT down\n" : " key RIGHT down\n") +
                  std::to_string(t + 600) + (t % 1800 ? " key LEFT up\n" : " key RIGHT up\n");
    script += "60500 text Zed\n61500 tap RETURN\n62000 mouse 30 4\n";
    ExpectSameGame(script, 70000, {"--skip-intro"});
}

// Recorded games kept with the state they ended in: the rules still play them the same way.
TEST(Replay, KeptGamesEndWhereTheyEnded)
{
    const std::filesystem::path dir = std::filesystem::path(TALTRIX_SOURCE) / "tests/regressions/replays";
    int kept = 0;
    for (const auto& file : std::filesystem::directory_iterator(dir)) {
        if (file.path().extension() != ".tape")
            continue;
        kept++;
        std::filesystem::path statsFile = file.path();
        statsFile.replace_extension(".stats");
        std::stringstream expected;
        expected << std::ifstream(statsFile).rdbuf();
        EXPECT_EQ(Replay(file.path()).stats, expected.str())
            << file.path().filename() << " plays differently now; when the rules changed on purpose, write "
            << statsFile.filename() << " again with taltrix --headless --replay TAPE --stats FILE";
    }
    EXPECT_GE(kept, 3);
}

TEST(Replay, TheTapeKeepsThePlayOptionsAndNotWhereFilesGo)
{
    const GameRun recorded = RunGame("", 3000, {"--record", "@tape.txt", "--start-game", "--autoplay",
                                                "--players", "2", "--stats", "@stats.json"});
    ASSERT_EQ(recorded.exitCode, 0) << recorded.output;
    I_ReplayTape tape;
    std::string error;
    ASSERT_TRUE(I_ParseReplay(recorded.Read("tape.txt"), "tape", tape, error)) << error;
    EXPECT_EQ(tape.args, (std::vector<std::string>{"--start-game", "--autoplay", "--players", "2"}));
    EXPECT_FALSE(tape.entries.empty());
}

TEST(Replay, BadTapesAreRefusedWithTheirLine)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "replay t:0: not a replay"},
        {"taltrix-replay 2\n", "replay t:1: made by another version of the game"},
        {"something else\n", "replay t:1: not a replay"},
        {"taltrix-replay 1\nk 57 256\n", "replay t:2: bad key code"},
        {"taltrix-replay 1\nk 57 x\n", "replay t:2: bad key code"},
        {"taltrix-replay 1\nm 1 2\n", "replay t:2: a mouse read needs DX DY BUTTONS"},
        {"taltrix-replay 1\nm 1 2 16\n", "replay t:2: a mouse read needs DX DY BUTTONS"},
        {"taltrix-replay 1\nj 2 0 0 0\n", "replay t:2: a controller read needs OK X Y BUTTONS"},
        {"taltrix-replay 1\nj 1 99999999999 0 0\n", "replay t:2: a controller read needs OK X Y BUTTONS"},
        {"taltrix-replay 1\nc 0 0 0\n",
         "replay t:2: a message needs SKIP KIND PARAM, of a typed character, focus or close"},
        {"taltrix-replay 1\nzz\n", "replay t:2: unknown line"},
        {"taltrix-replay 1\narg\n", "replay t:2: bad option"},
    };
    for (const auto& c : cases) {
        I_ReplayTape tape;
        std::string error;
        EXPECT_FALSE(I_ParseReplay(c.text, "t", tape, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
    I_ReplayTape tape;
    std::string error;
    ASSERT_TRUE(I_ParseReplay("taltrix-replay 1\narg --autoplay\nk\nk 1 255\nm -3 4 9\nj 1 -7 8 4294967295\nc 3 2 65\n",
                              "t", tape, error))
        << error;
    ASSERT_EQ(tape.entries.size(), 5u);
    EXPECT_EQ(tape.entries[1].keys[0], 2);
    EXPECT_EQ(tape.entries[1].keys[31], 0x80);
    EXPECT_EQ(tape.entries[4].message.param, 65);
}

TEST(Replay, AMissingTapeIsAClearError)
{
    const GameRun run = RunGame("", 1000, {"--replay", "/nonexistent/tape.txt"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("cannot read the replay /nonexistent/tape.txt"), std::string::npos) << run.output;
}
