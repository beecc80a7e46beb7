// Music: one song open at a time, found under the data directory.
#include "platform/backend.h"

bool I_MusicOpen(const char* gamePath)
{
    I_MusicClose();
    const std::string path = I_DataPath(gamePath);
    return !path.empty() && backend->music->Open(path, gamePath);
}

bool I_MusicPlay()
{
    return backend->music->Play();
}

void I_MusicStop()
{
    backend->music->Stop();
}

void I_MusicClose()
{
    backend->music->Close();
}
