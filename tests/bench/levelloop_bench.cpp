// One game frame, headless: input, the gameplay, both drawing passes and the display's
// conversion, on the last level with all its balls in play.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

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
#include "gamemode/setup.h"
#include "gfx/buffer.h"
#include "input/input.h"
#include "platform/platform.h"

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
    while (gamePhase != GamePhase::Play)
        LevelLoop();
    // Every Multi-Ball block lets its balls go, as if the ball had hit it.
    for (Q2SL_sprite& block : blocks[currPlayer])
        if (block.anim == 25)
            BreakBlock(&block, 0, BREAK_BALL);
    return true;
}

void BM_LevelLoop(benchmark::State& state)
{
    static const bool started = StartBusyGame();
    if (!started) {
        state.SkipWithError("the game did not start");
        return;
    }
    for (auto _ : state)
        LevelLoop();
    state.counters["flying"] = double(std::count_if(balls.begin(), balls.end(),
                                                    [](const Q2SL_sprite& b) { return b.state == BALL_FLYING; }));
}

// The same frame with the field at its liveliest: five enemies, the pads shooting and
// every particle source bursting.
void BM_LevelLoopLively(benchmark::State& state)
{
    static const bool started = StartBusyGame();
    if (!started) {
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

// A fixed number of frames, so that the pad playing by itself does not clear the level
// while it is measured.
BENCHMARK(BM_LevelLoopLively)->Unit(benchmark::kMillisecond)->Iterations(300)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_LevelLoop)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
