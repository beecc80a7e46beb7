// Platform figures: turning one frame into 32-bit colour, and what the real frame timer
// costs while it paces the game's 40 frames a second.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <vector>

#include "platform/display.h"
#include "platform/sdl/i_timer.h"

namespace {

double Seconds(clockid_t clock)
{
    timespec ts;
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

void BM_Present(benchmark::State& state)
{
    std::vector<uint8_t> pixels(I_SCREEN_WIDTH * I_SCREEN_HEIGHT);
    for (size_t i = 0; i < pixels.size(); i++)
        pixels[i] = uint8_t(i * 7 + i / 640);
    uint8_t rgb[256 * 3];
    for (int i = 0; i < 256 * 3; i++)
        rgb[i] = uint8_t(i * 4);
    const int scale = int(state.range(0));
    std::vector<uint32_t> out(pixels.size() * scale * scale);
    for (auto _ : state) {
        I_ConvertFrame(pixels.data(), I_SCREEN_WIDTH, rgb, out.data(), I_SCREEN_WIDTH * scale, scale);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(pixels.size()));
}
// At the window's usual whole scales: the picture itself, and enlarged two and three times.
BENCHMARK(BM_Present)->Arg(1)->Arg(2)->Arg(3);

// One iteration is one second of game frames with nothing to draw: the share of a core
// the timer takes must stay small (under 5 %).
void BM_PacedLoop(benchmark::State& state)
{
    if (!sdl::TimerInit()) {
        state.SkipWithError("the clock did not start");
        return;
    }
    double cpu = 0, wall = 0, worstLateMs = 0;
    int frames = 0, onTime = 0;
    for (auto _ : state) {
        const double cpu0 = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wall0 = Seconds(CLOCK_MONOTONIC);
        uint32_t mark = sdl::GetTicks();
        for (int frame = 0; frame < 40; frame++) {
            sdl::WaitTicks(mark, 25);
            const uint32_t now = sdl::GetTicks();
            const double lateMs = double(now - mark) - 25.0;
            worstLateMs = std::max(worstLateMs, lateMs);
            frames++;
            onTime += lateMs <= 1.0;
            mark = now;
        }
        cpu += Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
        wall += Seconds(CLOCK_MONOTONIC) - wall0;
    }
    sdl::TimerShutdown();
    state.counters["cpu_share"] = cpu / wall;
    state.counters["worst_late_ms"] = worstLateMs;
    // Frames that ended within a millisecond of their target (a busy machine delays some).
    state.counters["on_time_share"] = double(onTime) / frames;
}
BENCHMARK(BM_PacedLoop)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
