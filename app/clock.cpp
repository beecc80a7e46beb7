// The frame timer. A screen waits out its period and at once takes a new mark, so each
// period runs from the end of one wait to the end of the next and includes the frame's work.
#include "app/shell.h"
#include "platform/platform.h"

static uint32_t clockMark;  // tick count of the last Start_Clock

uint32_t Start_Clock()
{
    clockMark = I_GetTicks();
    return clockMark;
}

uint32_t Wait_Clock(uint32_t ms)
{
    // The platform compares in unsigned 32-bit arithmetic, so a wrap of the tick counter
    // does not stall the wait.
    return I_WaitTicks(clockMark, ms);
}

uint32_t Get_Clock()
{
    return I_GetTicks();
}
