// One game frame, headless: input, the gameplay, both drawing passes and the display's
// conversion, on the last level with all its balls in play.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/settings.h"
#include "app/shell.h"
#include "app/state.h"
#include "audio/sound.h"
#include "game/blocks.h"
#include "game/enemies.h"
#include "game/lives.h"
#include "game/specials.h"
#include "game/world.h"
#include "gamemode/autoplay.h"
#include "gamemode/frame.h"
#include "gamemode/levels.h"
#include "gamemode/setup.h"
#include "gfx/buffer.h"
#include "input/input.h"
#include "platform/platform.h"

#include "bench/percentile.h"

namespace {

// Brings the program up as its start-up does, and starts a game on the last level.
bool StartBusyGame()
{
    I_Options options;
    options.headless = true;
    options.dataDir = TALTRIX_DATA;
    options.userDir = (std::filesystem::temp_directory_path() / "taltrix_levelloop_bench").string();
    std::string error;
    if (!I_Init(options, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    SetupPalettes();
    screen.InitDirectX();
    screen.SetVideoMode(I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 8);
    CheckInputs();
    DSound_Init(100);
    LoadSoundGroups();
    shadowSetting = 1;
    numPlayers = playersLeft = 1;
    inGame[0] = 1;
    SetDifficulty(0, 3);
    startLevelOption = LAST_LEVEL;
    autoplayOn = 1;
    noDie = 1;
    programState = MODE_GAME;
    if (!GameInit())
        return false;
    windowPainted = 1;
    return true;
}

// The last level afresh, played up to its first moving frame, with every Multi-Ball block
// letting its balls go as if the ball had hit it.
bool StartBusyLevel()
{
    static const bool started = StartBusyGame();
    if (!started || !StartLevel(LAST_LEVEL, 1))
        return false;
    while (gamePhase != GamePhase::Play)
        LevelLoop();
    for (Q2SL_sprite& block : blocks[currPlayer])
        if (block.anim == 25)
            BreakBlock(&block, 0, BREAK_BALL);
    return true;
}

int BallsFlying()
{
    return int(std::count_if(balls.begin(), balls.end(), [](const Q2SL_sprite& b) { return b.state == BALL_FLYING; }));
}

// A run of frames short enough that the pad, playing by itself, is still clearing the level
// when it ends: 25 seconds of play.
constexpr int kBusyFrames = 1000;

// Each frame is timed on its own too: its median and 99th percentile, and the balls still
// in flight at the end, which must be several for the figure to mean a busy frame.
void BM_LevelLoop(benchmark::State& state)
{
    if (!StartBusyLevel()) {
        state.SkipWithError("the game did not start");
        return;
    }
    std::vector<double> frameMs;
    frameMs.reserve(kBusyFrames);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        LevelLoop();
        frameMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["p50_ms"] = Percentile(frameMs, 0.50);
    state.counters["p99_ms"] = Percentile(frameMs, 0.99);
    state.counters["flying"] = BallsFlying();
    state.counters["blocks_left"] = blocksLeft[currPlayer];
}

// The same frame with the field at its liveliest: five enemies, the pads shooting and
// every particle source bursting.
void BM_LevelLoopLively(benchmark::State& state)
{
    if (!StartBusyLevel()) {
        state.SkipWithError("the game did not start");
        return;
    }
    shootPadActive = 1;
    for (auto _ : state) {
        for (int e = 0; e < NUM_ENEMIES; e++)
            AddEnemy(-1, 40 + 80 * e, 250);
        for (int s = 0; s < NUM_PARTICLE_SOURCES; s++)
            StartParticleSource(40 + 40 * s, 300, s % 4, s % 4, 0);
        Shoot();
        LevelLoop();
    }
    int flying = 0;
    for (const _ZQBullet& b : bullets)
        flying += b.active;
    state.counters["bullets"] = flying;
    state.counters["level"] = playerLevel[currPlayer] + 1;
}

}  // namespace

BENCHMARK(BM_LevelLoopLively)->Unit(benchmark::kMillisecond)->Iterations(300)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_LevelLoop)->Unit(benchmark::kMillisecond)->Iterations(kBusyFrames)->Repetitions(5)->ReportAggregatesOnly(true);
