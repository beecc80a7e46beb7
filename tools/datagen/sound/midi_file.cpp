#include "tools/datagen/sound/midi_file.h"

#include <algorithm>

namespace {

// The order of events that fall on one tick, so a repeated note is let go before it sounds again.
enum { kNoteOff = 0, kSetting = 1, kNoteOn = 2 };

uint8_t Byte(int value) { return uint8_t(std::clamp(value, 0, 127)); }

void PutBE(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void PutVarLength(std::vector<uint8_t>& out, uint32_t value)
{
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = value & 0x7F;
        value >>= 7;
    } while (value);
    while (n > 1)
        out.push_back(groups[--n] | 0x80);
    out.push_back(groups[0]);
}

void PutChunk(std::vector<uint8_t>& out, const char* tag, const std::vector<uint8_t>& body)
{
    out.insert(out.end(), tag, tag + 4);
    PutBE(out, uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

std::vector<uint8_t> TrackBody(const MidiTrack& track)
{
    std::vector<MidiEvent> events = track.events;
    std::stable_sort(events.begin(), events.end(), [](const MidiEvent& a, const MidiEvent& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<uint8_t> body;
    uint32_t now = 0;
    for (const MidiEvent& e : events) {
        PutVarLength(body, e.tick - now);
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        now = e.tick;
    }
    PutVarLength(body, 0);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});  // end of track
    return body;
}

}  // namespace

void MidiTrack::Name(const std::string& name)
{
    std::vector<uint8_t> bytes = {0xFF, 0x03};
    PutVarLength(bytes, uint32_t(name.size()));
    bytes.insert(bytes.end(), name.begin(), name.end());
    events.push_back({0, kSetting, bytes});
}

void MidiTrack::Tempo(int beatsPerMinute)
{
    std::vector<uint8_t> bytes = {0xFF, 0x51, 0x03};
    PutBE(bytes, uint32_t(60000000 / beatsPerMinute), 3);
    events.push_back({0, kSetting, bytes});
}

void MidiTrack::TimeSignature(int beats, int beatUnit)
{
    uint8_t power = 0;
    while ((1 << power) < beatUnit)
        ++power;
    events.push_back({0, kSetting, {0xFF, 0x58, 0x04, uint8_t(beats), power, 24, 8}});
}

void MidiTrack::Program(int channel, int program)
{
    events.push_back({0, kSetting, {uint8_t(0xC0 | channel), Byte(program)}});
}

void MidiTrack::Control(int channel, int controller, int value)
{
    events.push_back({0, kSetting, {uint8_t(0xB0 | channel), Byte(controller), Byte(value)}});
}

void MidiTrack::Note(uint32_t tick, int channel, int key, int velocity, uint32_t length)
{
    events.push_back({tick, kNoteOn, {uint8_t(0x90 | channel), Byte(key), uint8_t(std::clamp(velocity, 1, 127))}});
    events.push_back({tick + std::max<uint32_t>(length, 1), kNoteOff, {uint8_t(0x80 | channel), Byte(key), 64}});
}

std::vector<uint8_t> EncodeMidi(const std::vector<MidiTrack>& tracks, int ticksPerBeat)
{
    std::vector<uint8_t> header;
    PutBE(header, 1, 2);  // format 1: simultaneous tracks
    PutBE(header, uint32_t(tracks.size()), 2);
    PutBE(header, uint32_t(ticksPerBeat), 2);
    std::vector<uint8_t> out;
    PutChunk(out, "MThd", header);
    for (const MidiTrack& track : tracks)
        PutChunk(out, "MTrk", TrackBody(track));
    return out;
}
