#include "audio/sound_files.h"

#include <gtest/gtest.h>

#include "audio/sound_fixtures.h"

namespace {

TEST(ReadWAV, FindsTheSamplesAfterOtherChunks)
{
    // A chunk of odd size before the format and one between format and data: both skipped,
    // the pad byte included.
    const Bytes samples = {1, 2, 3, 4, 5};
    const Bytes file = Riff("WAVE", {Chunk("LIST", {9, 9, 9}), FmtChunk(18, 1, 22050), Chunk("fact", {7}),
                                     Chunk("data", samples)});
    SoundData data;
    ASSERT_TRUE(ReadWAV(file, data));
    EXPECT_EQ(Bytes(file.begin() + data.offset, file.begin() + data.offset + data.count), samples);
    EXPECT_EQ(data.rate, 22050);
    EXPECT_EQ(data.size, 5);
}

TEST(ReadWAV, RefusesBadFiles)
{
    const Bytes samples = {1, 2, 3, 4};
    Bytes dataTooLong = GoodWAV(samples);
    dataTooLong.resize(dataTooLong.size() - 2);
    struct Case {
        const char* what;
        Bytes file;
    };
    const Case cases[] = {
        {"empty file", {}},
        {"not RIFF", [] { Bytes b = GoodWAV({1, 2}); b[3] = 'X'; return b; }()},
        {"not WAVE", Riff("AVI ", {FmtChunk(18, 1), Chunk("data", samples)})},
        {"no format", Riff("WAVE", {Chunk("data", samples)})},
        {"16-byte format", Riff("WAVE", {FmtChunk(16, 1), Chunk("data", samples)})},
        {"format tag 2", Riff("WAVE", {FmtChunk(18, 2), Chunk("data", samples)})},
        {"no data", Riff("WAVE", {FmtChunk(18, 1)})},
        {"data before format", Riff("WAVE", {Chunk("data", samples), FmtChunk(18, 1)})},
        {"no samples", Riff("WAVE", {FmtChunk(18, 1), Chunk("data", {})})},
        {"data past the end", dataTooLong},
        {"data size huge", Riff("WAVE", {FmtChunk(18, 1), Chunk("data", samples, 0xFFFFFFF0u)})},
        {"format past the end", Riff("WAVE", {Chunk("fmt ", {1, 0}, 18)})},
        {"RIFF size past the end", [&] { Bytes b = GoodWAV(samples); b[4] += 10; return b; }()},
        {"RIFF header only", {'R', 'I', 'F', 'F', 4, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SoundData data;
        EXPECT_FALSE(ReadWAV(c.file, data)) << c.what;
    }
}

TEST(ReadVOC, PlaysTheFirstBlockWithoutItsLastFourBytes)
{
    // Block at 26, length 10: the samples are the 4 bytes after the pack byte.
    const Bytes file = VOC(26, 10, 165, 8);
    SoundData data;
    ASSERT_TRUE(ReadVOC(file, data));
    EXPECT_EQ(data.offset, 32u);
    EXPECT_EQ(data.count, 4u);
    EXPECT_EQ(data.size, 10);
    EXPECT_EQ(data.rate, 1000000 / (256 - 165));
}

TEST(ReadVOC, TheSamplesMayEndWithTheFile)
{
    SoundData data;
    EXPECT_TRUE(ReadVOC(VOC(26, 10, 0, 4), data));
    EXPECT_EQ(data.rate, 1000000 / 256);
}

TEST(ReadVOC, RefusesBadFiles)
{
    struct Case {
        const char* what;
        Bytes file;
    };
    const Case cases[] = {
        {"shorter than the header", Bytes(20, 0)},
        {"block offset past the end", [] { Bytes b = VOC(26, 10, 0, 4); b[20] = 200; return b; }()},
        {"block header cut short", [] { Bytes b = VOC(26, 10, 0, 4); b.resize(30); return b; }()},
        {"length below 6", VOC(26, 5, 0, 4)},
        {"length 6: no samples", VOC(26, 6, 0, 4)},
        {"samples past the end", VOC(26, 11, 0, 4)},
        {"length huge", VOC(26, 0xFFFFFF, 0, 4)},
    };
    for (const Case& c : cases) {
        SoundData data;
        EXPECT_FALSE(ReadVOC(c.file, data)) << c.what;
    }
}

}  // namespace
