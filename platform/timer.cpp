// The clock: millisecond ticks, waits that show the due frame first, and the vertical
// blank of a fixed 60 Hz refresh whatever the monitor does.
#include "platform/backend.h"
#include "platform/display.h"

namespace {

constexpr uint64_t refreshHz = 60;   // the vertical blank's rate, whatever the monitor's

} // namespace

uint32_t I_NextVBlank(uint32_t now)
{
    // Blank k begins at k * 1000 / 60 ms, rounded up to a whole tick.
    const uint64_t k = uint64_t(now) * refreshHz / 1000 + 1;
    return uint32_t((k * 1000 + refreshHz - 1) / refreshHz);
}

uint32_t I_GetTicks()
{
    return backend->timer->GetTicks();
}

uint32_t I_WaitTicks(uint32_t mark, uint32_t ms)
{
    I_PresentIfDue();
    backend->timer->WaitTicks(mark, ms);
    return backend->timer->GetTicks();
}

void I_WaitVBlank()
{
    I_PresentIfDue();
    const uint32_t now = backend->timer->GetTicks();
    backend->timer->WaitTicks(now, I_NextVBlank(now) - now);
}
