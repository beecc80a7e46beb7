// The virtual clock of a headless run: it moves only when the program waits, so a run
// takes no longer than its work and gives the same result every time.
#include "platform/backend.h"
#include "platform/headless/headless.h"

namespace headless {

namespace {

uint64_t now;             // virtual milliseconds since the start
uint32_t ticksAtStart;    // the tick count at virtual time 0
int pumpsWithoutWait;     // message pumps since time last moved by a wait

uint32_t GetTicks()
{
    return uint32_t(ticksAtStart + now);
}

// The game's own reads of the clock: a loop that only reads it, never waiting, would
// never end, so it is counted like a message pump.
uint32_t ReadTicks()
{
    CountPump();
    return GetTicks();
}

void WaitTicks(uint32_t mark, uint32_t ms)
{
    const uint32_t elapsed = GetTicks() - mark;
    if (elapsed >= ms)
        return;
    pumpsWithoutWait = 0;
    Advance(ms - elapsed);
}

} // namespace

uint64_t Now()
{
    return now;
}

void Advance(uint64_t ms)
{
    now += ms;
    TimePassed();
}

void ResetClock(uint32_t ticks)
{
    now = 0;
    ticksAtStart = ticks;
    pumpsWithoutWait = 0;
}

void CountPump()
{
    if (++pumpsWithoutWait > PUMPS_BEFORE_TIME_MOVES)
        Advance(1);
}

const I_TimerModule timerModule = {ReadTicks, WaitTicks};

} // namespace headless
