// Whole games, headless and scripted: what a run has done is read from its statistics and
// its log of sounds.
#include <gtest/gtest.h>

#include "gamemode/game_run_support.h"

namespace {

const int frameMs = 25;

}  // namespace

TEST(GameRun, LaunchWallReboundAndBlockBroken)
{
    // The ready message takes 50 frames; then the held ball is launched with the pad moving
    // right, so that it flies off to the left wall.
    const RunResult r = RunGame({"1300 key RIGHT down", "1750 key SPACE down", "1800 key RIGHT up",
                                 "1850 key SPACE up"},
                                "--start-game", 6000);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.Count("Go!!.wav"), 1);
    EXPECT_GE(r.Count("Pop2.wav"), 1) << r.events;
    EXPECT_GE(r.Count("Ping_pon.wav"), 1) << r.events;
    EXPECT_GT(r.players[0].score, 0);
    EXPECT_LT(r.players[0].blocksLeft, 60);
}

TEST(GameRun, LostBallBringsInTheSpareBall)
{
    // Untouched, the ball launches by itself and is soon lost past the still pad.
    const RunResult r = RunGame({}, "--start-game", 12000);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.Count("Undrfall.wav"), 1);
    EXPECT_EQ(r.Count("ready.wav"), 2);  // the spare ball, like the first, starts with the ready message
    EXPECT_EQ(r.players[0].lives, 4);
    EXPECT_EQ(r.currPlayer, 0);
}

TEST(GameRun, TwoPlayersTakeTurns)
{
    const RunResult r = RunGame({}, "--start-game --players 2 --difficulty 2", 12000);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.Count("Undrfall.wav"), 1);
    EXPECT_EQ(r.currPlayer, 1);
    EXPECT_EQ(r.players[0].lives, 4);
    EXPECT_EQ(r.players[1].lives, 5);
    EXPECT_EQ(r.players[1].difficulty, 2);
}

TEST(GameRun, LastBallLostEndsTheGame)
{
    const RunResult r = RunGame({}, "--start-game --level 3", 80000);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.Count("Undrfall.wav"), 5);
    EXPECT_EQ(r.Count("Shutdown.wav"), 1);
    EXPECT_EQ(r.players[0].lives, 0);
    EXPECT_EQ(r.players[0].level, 3);
    // The high-score entry if the score makes the table, else back to the main menu.
    EXPECT_TRUE(r.overlay == 6 || (r.mode == 1 && r.overlay == -1)) << r.mode << " " << r.overlay;
}

TEST(GameRun, AutoplayClearsEveryLevel)
{
    // The pad plays by itself and the bottom edge rebounds: every level must be cleared, in
    // a bounded number of frames.
    const int boundFrames = 40000;
    const RunResult r = RunGame({}, "--start-game --autoplay --no-die", 30L * 12000 * frameMs);
    ASSERT_EQ(r.exitCode, 0);
    for (size_t n = 0; n < r.cleared.size(); n++) {
        EXPECT_EQ(r.cleared[n].level, int(n) + 1);
        EXPECT_LE(r.cleared[n].frames, boundFrames) << "level " << n + 1;
        std::printf("level %zu cleared in %d frames\n", n + 1, r.cleared[n].frames);
    }
    EXPECT_EQ(r.cleared.size(), 30u) << "stuck on level " << r.cleared.size() + 1;
}
