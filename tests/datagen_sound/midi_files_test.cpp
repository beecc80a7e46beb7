// The generated songs: standard MIDI files the sequencer can play, each a minute to three long,
// with drums on channel 10 and instruments chosen for the other parts.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tools/datagen/sound/songs.h"

namespace fs = std::filesystem;

namespace {

struct Song {
    std::string error;  // empty when the file is well formed
    int format = -1;
    int tracks = 0;
    double seconds = 0;
    uint32_t firstTempo = 0;              // microseconds per beat
    std::set<int> channelsWithNotes;      // 0-based
    std::set<int> channelsWithProgram;
};

Song Failed(std::string why)
{
    Song song;
    song.error = std::move(why);
    return song;
}

uint32_t BE(const std::vector<uint8_t>& b, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = 0; i < n; ++i)
        v = v << 8 | b[at + i];
    return v;
}

// Reads a variable-length quantity, never past `end`.
bool VarLength(const std::vector<uint8_t>& b, size_t& at, size_t end, uint32_t& value)
{
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end)
            return false;
        const uint8_t c = b[at++];
        value = value << 7 | (c & 0x7F);
        if (!(c & 0x80))
            return true;
    }
    return false;
}

Song ParseSong(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Song song;
    if (b.size() < 14 || std::memcmp(b.data(), "MThd", 4) != 0 || BE(b, 4, 4) != 6)
        return Failed("no MIDI header");
    song.format = int(BE(b, 8, 2));
    song.tracks = int(BE(b, 10, 2));
    const uint32_t division = BE(b, 12, 2);
    if (division == 0 || division & 0x8000)
        return Failed("not timed in ticks per beat");
    std::map<uint32_t, uint32_t> tempos;  // tick -> microseconds per beat
    uint32_t lastTick = 0;
    size_t at = 14;
    for (int t = 0; t < song.tracks; ++t) {
        if (at + 8 > b.size() || std::memcmp(&b[at], "MTrk", 4) != 0)
            return Failed("missing track " + std::to_string(t));
        const size_t end = at + 8 + BE(b, at + 4, 4);
        if (end > b.size())
            return Failed("track runs past the end");
        at += 8;
        uint32_t tick = 0;
        uint8_t status = 0;
        bool ended = false;
        while (at < end && !ended) {
            uint32_t delta;
            if (!VarLength(b, at, end, delta) || at >= end)
                return Failed("cut event");
            tick += delta;
            if (b[at] & 0x80)
                status = b[at++];
            if (status == 0xFF || status == 0xF0 || status == 0xF7) {
                const uint8_t type = status == 0xFF && at < end ? b[at++] : 0;
                uint32_t length;
                if (!VarLength(b, at, end, length) || length > end - at)
                    return Failed("cut meta event");
                if (status == 0xFF && type == 0x51 && length == 3)
                    tempos[tick] = BE(b, at, 3);
                ended = status == 0xFF && type == 0x2F;
                at += length;
                status = 0;
                continue;
            }
            const int kind = status >> 4;
            if (kind < 8)
                return Failed("data without a status");
            const size_t size = (kind == 0xC || kind == 0xD) ? 1 : 2;
            if (at + size > end)
                return Failed("cut channel event");
            if (kind == 0x9 && b[at + 1] > 0)
                song.channelsWithNotes.insert(status & 0xF);
            if (kind == 0xC)
                song.channelsWithProgram.insert(status & 0xF);
            at += size;
        }
        if (!ended || at != end)
            return Failed("track " + std::to_string(t) + " lacks its end");
        lastTick = std::max(lastTick, tick);
    }
    // Time runs at each tempo until the next change (120 beats a minute before the first).
    uint32_t tempo = 500000, from = 0;
    song.firstTempo = tempos.count(0) ? tempos[0] : tempo;
    for (const auto& [tick, microseconds] : tempos) {
        song.seconds += double(std::min(tick, lastTick) - std::min(from, lastTick)) / division * tempo / 1e6;
        tempo = microseconds;
        from = tick;
    }
    song.seconds += double(lastTick - std::min(from, lastTick)) / division * tempo / 1e6;
    return song;
}

std::vector<std::string> AllSongs()
{
    std::vector<std::string> names = {menuSong, scoresSong};
    names.insert(names.end(), std::begin(levelSongs), std::end(levelSongs));
    return names;
}

fs::path SongPath(const std::string& name) { return fs::path(TALTRIX_DATA) / "midi" / name; }

TEST(GeneratedSongs, EverySongIsAStandardMidiFileOfOneToThreeMinutes)
{
    EXPECT_GE(std::size(levelSongs), 8u);
    for (const std::string& name : AllSongs()) {
        SCOPED_TRACE(name);
        const Song song = ParseSong(SongPath(name));
        ASSERT_EQ(song.error, "");
        EXPECT_EQ(song.format, 1);
        EXPECT_GE(song.tracks, 3);
        EXPECT_GE(song.seconds, 60.0);
        EXPECT_LE(song.seconds, 180.0);
    }
}

TEST(GeneratedSongs, DrumsPlayOnChannelTenAndEveryOtherPartHasAnInstrument)
{
    for (const std::string& name : AllSongs()) {
        SCOPED_TRACE(name);
        const Song song = ParseSong(SongPath(name));
        ASSERT_EQ(song.error, "");
        EXPECT_EQ(song.channelsWithNotes.count(9), 1u);
        EXPECT_GE(song.channelsWithNotes.size(), 4u) << "melody, chords, bass and drums";
        for (int channel : song.channelsWithNotes) {
            if (channel == 9)
                continue;
            EXPECT_EQ(song.channelsWithProgram.count(channel), 1u) << "channel " << channel + 1;
        }
    }
}

TEST(GeneratedSongs, EachSongHasATempoOfItsOwn)
{
    std::map<uint32_t, std::string> byTempo;
    for (const std::string& name : AllSongs()) {
        const Song song = ParseSong(SongPath(name));
        ASSERT_EQ(song.error, "") << name;
        const auto [where, fresh] = byTempo.emplace(song.firstTempo, name);
        EXPECT_TRUE(fresh) << name << " and " << where->second << " share a tempo";
    }
}

}  // namespace
