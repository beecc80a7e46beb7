// How long a standard MIDI file plays.
#pragma once

#include <cstddef>
#include <cstdint>

namespace headless {

// The playing time in milliseconds (rounded up) of a standard MIDI file: the end of its
// last track through the tempo map. False for a file that is not a well-formed one.
bool MidiLengthMs(const uint8_t* data, size_t size, uint64_t& ms);

} // namespace headless
