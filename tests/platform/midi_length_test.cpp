// How long a MIDI file plays: the tempo map, time-code division, the last track's end,
// and files too damaged to say.
#include <gtest/gtest.h>

#include <vector>

#include "platform/midi_length.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& out, const Bytes& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

Bytes Be32(uint32_t v)
{
    return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}

Bytes Track(const Bytes& events)
{
    Bytes out = {'M', 'T', 'r', 'k'};
    Append(out, Be32(uint32_t(events.size())));
    Append(out, events);
    return out;
}

Bytes Midi(uint16_t format, uint16_t division, const std::vector<Bytes>& tracks)
{
    Bytes out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, uint8_t(format), 0, uint8_t(tracks.size()),
                 uint8_t(division >> 8), uint8_t(division)};
    for (const Bytes& t : tracks)
        Append(out, Track(t));
    return out;
}

const Bytes endOfTrack = {0x00, 0xFF, 0x2F, 0x00};

bool Length(const Bytes& file, uint64_t& ms)
{
    return I_MidiLengthMs(file.data(), file.size(), ms);
}

} // namespace

TEST(MidiLength, TicksRunThroughTheTempoMapToTheEndOfTheLastTrack)
{
    // Track 0: tempo 120 bpm, after one quarter note (96 ticks) 60 bpm, ends at 192.
    Bytes tempo = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,
                   0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40,
                   0x60, 0xFF, 0x2F, 0x00};
    // Track 1: notes with running status, a program change and a sysex; ends at 384.
    Bytes notes = {0x00, 0xC0, 0x05,
                   0x00, 0x90, 0x3C, 0x40,
                   0x81, 0x40, 0x3C, 0x00,         // 192 ticks later, running status
                   0x00, 0xF0, 0x02, 0x7E, 0xF7,
                   0x81, 0x40, 0xFF, 0x2F, 0x00};  // 192 more
    uint64_t ms = 0;
    ASSERT_TRUE(Length(Midi(1, 96, {tempo, notes}), ms));
    // 96 ticks at 0.5 s a quarter, then 288 ticks at 1 s a quarter.
    EXPECT_EQ(ms, 500u + 3000u);

    // Without any tempo the default of 120 beats a minute holds.
    ASSERT_TRUE(Length(Midi(0, 480, {{0x83, 0x60, 0xFF, 0x2F, 0x00}}), ms));
    EXPECT_EQ(ms, 500u);
}

TEST(MidiLength, TimeCodeDivisionCountsFramesAndTheirTicks)
{
    // 25 frames a second, 40 ticks a frame: 1000 ticks a second; 3000 ticks.
    uint64_t ms = 0;
    ASSERT_TRUE(Length(Midi(0, uint16_t(0xE700 | 40), {{0x97, 0x38, 0xFF, 0x2F, 0x00}}), ms));
    EXPECT_EQ(ms, 3000u);
}

TEST(MidiLength, UnknownChunksAreSkippedAndAMissingEndMarkerEndsAtTheLastEvent)
{
    Bytes file = Midi(0, 96, {});
    file[11] = 1;
    Append(file, {'X', 'Y', 'Z', 'W', 0, 0, 0, 2, 9, 9});
    Append(file, Track({0x60, 0x90, 0x3C, 0x40}));
    uint64_t ms = 0;
    ASSERT_TRUE(Length(file, ms));
    EXPECT_EQ(ms, 500u);
}

TEST(MidiLength, DamagedFilesAreRefused)
{
    const Bytes good = Midi(1, 96, {endOfTrack});
    uint64_t ms = 0;
    ASSERT_TRUE(Length(good, ms));

    struct Case {
        const char* what;
        Bytes file;
    };
    Bytes missingTrack = good;
    missingTrack[11] = 2;
    Bytes hugeTrack = good;
    hugeTrack[14 + 4] = 0x7F;
    Bytes noDivision = good;
    noDivision[12] = noDivision[13] = 0;
    const Case cases[] = {
        {"empty", {}},
        {"not a MIDI file", Bytes(40, 'x')},
        {"header cut short", Bytes(good.begin(), good.begin() + 12)},
        {"track cut short", Bytes(good.begin(), good.end() - 1)},
        {"fewer tracks than the header says", missingTrack},
        {"track longer than the file", hugeTrack},
        {"no division", noDivision},
        {"no tracks", Midi(0, 96, {})},
        {"format 3", Midi(3, 96, {endOfTrack})},
        {"running status with nothing to run", Midi(0, 96, {{0x00, 0x3C, 0x40}})},
        {"delta time of five bytes", Midi(0, 96, {{0x81, 0x81, 0x81, 0x81, 0x01, 0xFF, 0x2F, 0x00}})},
        {"note cut short", Midi(0, 96, {{0x00, 0x90, 0x3C}})},
        {"meta event longer than its track", Midi(0, 96, {{0x00, 0xFF, 0x01, 0x20, 'a'}})},
        {"system common message", Midi(0, 96, {{0x00, 0xF2, 0x00, 0x00}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(Length(c.file, ms));
    }
}
