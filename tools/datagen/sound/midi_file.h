// Standard MIDI files: tracks of timed events, written as format 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct MidiEvent {
    uint32_t tick;
    int order;  // at one tick: notes end first, then settings, then notes start
    std::vector<uint8_t> bytes;
};

class MidiTrack {
public:
    void Name(const std::string& name);
    void Tempo(int beatsPerMinute);
    void TimeSignature(int beats, int beatUnit);
    void Program(int channel, int program);
    void Control(int channel, int controller, int value);
    void Note(uint32_t tick, int channel, int key, int velocity, uint32_t length);

    std::vector<MidiEvent> events;
};

// The whole file: header chunk and one track chunk per track, events in time order.
std::vector<uint8_t> EncodeMidi(const std::vector<MidiTrack>& tracks, int ticksPerBeat);
