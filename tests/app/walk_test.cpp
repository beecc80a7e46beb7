// The program walked end to end in virtual time.
#include <gtest/gtest.h>

#include "common/run_game.h"

namespace {

TEST(Walk, EnterWalksTheScreensAndTheSameRunGivesTheSameFrames)
{
    const char* script =
        "# intro, menu, game, menu\n"
        "300 tap RETURN\n"
        "600 tap RETURN\n"
        "900 tap RETURN\n";
    const std::vector<std::string> logs = {"--frame-log", "@frames.txt", "--event-log", "@events.txt"};
    const GameRun first = RunGame(script, 1200, logs);
    const GameRun second = RunGame(script, 1200, logs);
    ASSERT_EQ(first.exitCode, 0) << first.output;
    ASSERT_EQ(second.exitCode, 0) << second.output;
    const std::string frames = first.Read("frames.txt");
    EXPECT_GT(std::count(frames.begin(), frames.end(), '\n'), 20);
    EXPECT_EQ(frames, second.Read("frames.txt"));
    EXPECT_EQ(first.Read("events.txt"), second.Read("events.txt"));
}

TEST(Walk, ABadScriptIsRefusedWithItsLineBeforeTheRun)
{
    const GameRun run = RunGame("100 tap RETURN\n200 key NOSUCHKEY down\n", 1000);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find(":2"), std::string::npos) << run.output;
}

}  // namespace
