// Reading a standard MIDI file far enough to know how long it plays: every track's
// events are walked for their delta times and tempo changes; nothing else is kept.
#include "platform/midi_length.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t defaultTempo = 500000;   // microseconds per quarter note: 120 beats a minute
constexpr uint64_t maxTicks = uint64_t(1) << 36;  // beyond any song; keeps the sums in range

struct TempoChange {
    uint64_t tick;
    uint32_t usPerQuarter;
};

// A bounded reader over one chunk: every read fails past the end instead of overrunning.
struct Reader {
    const uint8_t* p;
    const uint8_t* end;

    bool Byte(uint8_t& out)
    {
        if (p >= end)
            return false;
        out = *p++;
        return true;
    }
    bool Skip(uint64_t n)
    {
        if (n > uint64_t(end - p))
            return false;
        p += n;
        return true;
    }
    // A variable-length quantity: at most four bytes of seven bits.
    bool Vlq(uint32_t& out)
    {
        out = 0;
        for (int i = 0; i < 4; i++) {
            uint8_t b;
            if (!Byte(b))
                return false;
            out = out << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
};

uint32_t Be32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// Walks one track; returns its end tick and adds its tempo changes.
bool ReadTrack(Reader r, uint64_t& endTick, std::vector<TempoChange>& tempos)
{
    uint64_t tick = 0;
    uint8_t status = 0;
    while (r.p < r.end) {
        uint32_t delta;
        uint8_t b;
        if (!r.Vlq(delta) || !r.Byte(b))
            return false;
        tick += delta;
        if (tick > maxTicks)
            return false;
        if (b == 0xFF) {
            uint8_t type;
            uint32_t length;
            if (!r.Byte(type) || !r.Vlq(length))
                return false;
            if (type == 0x51 && length == 3) {
                if (r.end - r.p < 3)
                    return false;
                const uint32_t tempo = uint32_t(r.p[0]) << 16 | uint32_t(r.p[1]) << 8 | r.p[2];
                tempos.push_back({tick, tempo ? tempo : defaultTempo});
            }
            if (!r.Skip(length))
                return false;
            if (type == 0x2F)
                break;
            continue;
        }
        if (b == 0xF0 || b == 0xF7) {
            uint32_t length;
            if (!r.Vlq(length) || !r.Skip(length))
                return false;
            continue;
        }
        if (b & 0x80) {
            // System common messages have no place in a file.
            if (b >= 0xF0)
                return false;
            status = b;
        } else {
            // Running status: this byte is the first data byte of the last message kind.
            if (!status)
                return false;
            r.p--;
        }
        const uint8_t kind = status & 0xF0;
        if (!r.Skip(kind == 0xC0 || kind == 0xD0 ? 1 : 2))
            return false;
    }
    endTick = tick;
    return true;
}

uint64_t TicksToUs(uint64_t ticks, uint16_t perQuarter, std::vector<TempoChange>& tempos)
{
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    uint64_t us = 0, tick = 0;
    uint32_t tempo = defaultTempo;
    for (const TempoChange& change : tempos) {
        if (change.tick >= ticks)
            break;
        us += (change.tick - tick) * tempo / perQuarter;
        tick = change.tick;
        tempo = change.usPerQuarter;
    }
    return us + (ticks - tick) * tempo / perQuarter;
}

} // namespace

bool I_MidiLengthMs(const uint8_t* data, size_t size, uint64_t& ms)
{
    if (!data || size < 14 || Be32(data) != 0x4D546864 /* "MThd" */)
        return false;
    const uint32_t headerLength = Be32(data + 4);
    if (headerLength < 6 || headerLength > size - 8)
        return false;
    const uint16_t format = uint16_t(data[8] << 8 | data[9]);
    const uint16_t tracks = uint16_t(data[10] << 8 | data[11]);
    const uint16_t division = uint16_t(data[12] << 8 | data[13]);
    if (format > 2 || tracks == 0 || division == 0)
        return false;

    std::vector<TempoChange> tempos;
    uint64_t lastTick = 0;
    size_t at = 8 + headerLength;
    for (unsigned found = 0; found < tracks;) {
        if (size - at < 8)
            return false;
        const uint32_t length = Be32(data + at + 4);
        if (length > size - at - 8)
            return false;
        if (Be32(data + at) == 0x4D54726B /* "MTrk" */) {
            uint64_t endTick = 0;
            if (!ReadTrack(Reader{data + at + 8, data + at + 8 + length}, endTick, tempos))
                return false;
            lastTick = std::max(lastTick, endTick);
            found++;
        }
        at += 8 + size_t(length);
    }

    uint64_t us;
    if (division & 0x8000) {
        // Time code: frames a second times ticks a frame.
        const int frames = -int(int8_t(division >> 8));
        const int perFrame = division & 0xFF;
        if (frames <= 0 || perFrame == 0)
            return false;
        us = lastTick * 1000000 / (uint64_t(frames) * perFrame);
    } else {
        us = TicksToUs(lastTick, division, tempos);
    }
    ms = (us + 999) / 1000;
    return true;
}

