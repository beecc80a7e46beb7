// The length of a standard MIDI file.
#include "platform/midi_length.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint64_t ms = 0;
    I_MidiLengthMs(data, size, ms);
    return 0;
}
