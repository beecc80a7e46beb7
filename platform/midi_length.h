// How long a standard MIDI file plays.
#pragma once

#include <cstddef>
#include <cstdint>

// The longest song file read.
constexpr size_t I_MAX_SONG_BYTES = 4u << 20;

// The playing time in milliseconds (rounded up) of a standard MIDI file: the end of its
// last track through the tempo map. False for a file that is not a well-formed one.
bool I_MidiLengthMs(const uint8_t* data, size_t size, uint64_t& ms);
