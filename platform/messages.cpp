// The window's message queue. The music-finished notice is posted from the audio thread,
// so the queue alone is guarded; everything else happens on the main thread.
#include <cstdio>
#include <deque>
#include <mutex>

#include "platform/backend.h"
#include "platform/display.h"
#include "platform/replay.h"

namespace {

std::mutex queueLock;             // guards queue against the audio thread's post
std::deque<I_Message> queue;      // messages waiting to be taken, oldest first

bool TakeMessage(I_Message& msg)
{
    std::lock_guard<std::mutex> hold(queueLock);
    if (queue.empty())
        return false;
    msg = queue.front();
    queue.pop_front();
    return true;
}

} // namespace

bool I_PeekMessage(I_Message& msg)
{
    I_PresentIfDue();
    backend->system->PumpEvents();
    return I_ReplayPeek(msg, TakeMessage);
}

void I_PostMessage(I_MessageKind kind, int param)
{
    std::lock_guard<std::mutex> hold(queueLock);
    queue.push_back(I_Message{kind, param});
}

void I_ClearMessages()
{
    std::lock_guard<std::mutex> hold(queueLock);
    queue.clear();
}

void I_SetCharCapture(bool on)
{
    backend->input->SetCharCapture(on);
}

void I_ShowCursor(bool show)
{
    backend->video->ShowCursor(show);
}

void I_MessageBox(const char* caption, const char* text)
{
    if (!caption)
        caption = "";
    if (!text)
        text = "";
    std::fprintf(stderr, "%s: %s\n", caption, text);
    backend->system->MessageBox(caption, text);
}
