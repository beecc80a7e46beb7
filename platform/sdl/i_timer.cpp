// The real clock. Ticks come from the high-resolution counter; a wait sleeps all the way to
// its target. The kernel wakes a sleeper within a fraction of a millisecond, well inside the
// game's one-millisecond ticks, so there is nothing to gain by spinning the last stretch.
#include "platform/sdl/i_timer.h"

#include <SDL.h>

#include <chrono>
#include <thread>

#include "platform/sdl/sdl_backend.h"

namespace sdl {

namespace {

uint64_t startCount;                // the counter at tick 0
uint64_t countsPerSecond;           // the counter's frequency

// A number of counter steps in units of which there are perSecond a second, rounded down,
// without overflowing on long runs.
uint64_t CountsIn(uint64_t counts, uint64_t perSecond)
{
    return counts / countsPerSecond * perSecond + counts % countsPerSecond * perSecond / countsPerSecond;
}

// Milliseconds since the start, not yet cut to 32 bits.
uint64_t Ticks64(uint64_t count)
{
    return CountsIn(count - startCount, 1000);
}

// The counter value at which a 64-bit tick begins.
uint64_t CountAt(uint64_t tick)
{
    return startCount + tick / 1000 * countsPerSecond +
           (tick % 1000 * countsPerSecond + 999) / 1000;
}

} // namespace

bool TimerInit()
{
    if (SDL_InitSubSystem(SDL_INIT_TIMER) != 0)
        return false;
    countsPerSecond = SDL_GetPerformanceFrequency();
    startCount = SDL_GetPerformanceCounter();
    return countsPerSecond > 0;
}

void TimerShutdown()
{
    SDL_QuitSubSystem(SDL_INIT_TIMER);
}

uint32_t GetTicks()
{
    return uint32_t(Ticks64(SDL_GetPerformanceCounter()));
}

void WaitTicks(uint32_t mark, uint32_t ms)
{
    for (;;) {
        const uint64_t count = SDL_GetPerformanceCounter();
        const uint64_t now = Ticks64(count);
        const uint32_t elapsed = uint32_t(now) - mark;
        if (elapsed >= ms)
            return;
        const uint64_t target = CountAt(now + (ms - elapsed));
        std::this_thread::sleep_for(std::chrono::nanoseconds(CountsIn(target - count, 1000000000)));
    }
}

namespace {

// The game may poll the keyboard across waits without taking messages (a splash screen
// waiting for a key): its state is brought up to date after every wait.
void WaitAndPump(uint32_t mark, uint32_t ms)
{
    WaitTicks(mark, ms);
    PumpEvents();
}

} // namespace

const I_TimerModule timerModule = {GetTicks, WaitAndPump};

} // namespace sdl
