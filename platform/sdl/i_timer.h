// The real clock: milliseconds from the high-resolution counter, and waits that sleep to
// their target.
#pragma once

#include <cstdint>

namespace sdl {

bool TimerInit();
void TimerShutdown();
uint32_t GetTicks();
void WaitTicks(uint32_t mark, uint32_t ms);

} // namespace sdl
