// WAV and VOC files: every input tried as both; the samples found lie inside the file.
#include <cstdlib>
#include <vector>

#include "audio/sound_files.h"

static void CheckInside(const SoundData& sound, size_t fileSize)
{
    if (sound.count == 0 || sound.offset > fileSize || sound.count > fileSize - sound.offset)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> file(data, data + size);
    SoundData sound;
    if (ReadWAV(file, sound))
        CheckInside(sound, size);
    sound = SoundData();
    if (ReadVOC(file, sound))
        CheckInside(sound, size);
    return 0;
}
