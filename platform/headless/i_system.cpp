// The headless backend: no window and no audio device, a virtual clock, input from a
// script, and everything that would have been seen or heard written down.
#include <cstdio>

#include "platform/backend.h"
#include "platform/headless/event_log.h"
#include "platform/headless/headless.h"

namespace headless {

namespace {

int64_t closeAtMs = -1;   // the virtual time that ends the run, or -1
bool closePosted;         // the end of the run has been asked for

void Shutdown()
{
    soundModule.Shutdown();
    FinishVideo();
    CloseEventLog();
    ResetInput();
    closeAtMs = -1;
}

bool OpenRecords(const I_Options& opts, std::string& error)
{
    if (!opts.scriptFile.empty() && !LoadScript(opts.scriptFile, error))
        return false;
    if (!opts.eventLogFile.empty() && !OpenEventLog(opts.eventLogFile, error))
        return false;
    KeepFramesFor(opts.screenshotFile);
    return true;
}

bool Init(const I_Options& opts, std::string& error)
{
    ResetClock(0);
    ResetInput();
    closeAtMs = opts.untilMs;
    closePosted = false;
    SetControllers(opts.joystickPresent, opts.gamepadPresent);
    if (OpenRecords(opts, error))
        return true;
    Shutdown();
    return false;
}

void PumpEvents()
{
    CountPump();
    TimePassed();
}

void MessageBox(const char* caption, const char* text)
{
    // Recorded, never waited on: nobody is there to press OK.
    LogBox(caption, text);
}

} // namespace

const I_SystemModule systemModule = {Init, Shutdown, PumpEvents, MessageBox};

void TimePassed()
{
    RunScript(Now());
    CheckSongEnd(Now());
    if (closeAtMs >= 0 && !closePosted && Now() >= uint64_t(closeAtMs)) {
        closePosted = true;
        I_PostMessage(I_MSG_CLOSE);
    }
}

} // namespace headless

const I_Backend headlessBackend = {
    &headless::systemModule, &headless::timerModule, &headless::videoModule,
    &headless::inputModule,  &headless::soundModule, &headless::musicModule,
};
