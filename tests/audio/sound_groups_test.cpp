#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/settings.h"
#include "audio/sound.h"
#include "audio/sound_fixtures.h"
#include "common/headless_session.h"

namespace {

const Bytes tenthOfASecond(1102, 0x80);

class SoundGroupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.ok);
        ResetOptions();
        ASSERT_EQ(DSound_Init(soundVolume), 1);
    }
    void TearDown() override
    {
        group.ids.clear();
        DSound_Shutdown();
    }
    // Loads a good WAV as a group of that many copies.
    void LoadCopies(int copies)
    {
        session.WriteData("wavs/Pop2.wav", GoodWAV(tenthOfASecond));
        ASSERT_EQ(group.Load("wavs\\Pop2.wav", copies, SND_POP2 + 1), 1);
    }
    int Playing() const
    {
        int count = 0;
        for (int id : group.ids)
            count += Status_Sound(id) == SOUND_STATUS_PLAYING;
        return count;
    }

    HeadlessSession session;
    SoundGroup group;
};

TEST_F(SoundGroupTest, TheCopyAfterTheLastRestartsTheFirst)
{
    LoadCopies(18);
    for (int i = 0; i < 18; i++)
        group.Play(0);
    EXPECT_EQ(Playing(), 18);
    EXPECT_EQ(group.next, 0);
    group.Play(0);
    EXPECT_EQ(group.next, 1);
    EXPECT_EQ(Playing(), 18);
    // Only the 19th play found its copy still sounding: the first one, stopped and restarted.
    const auto log = session.Finish();
    EXPECT_EQ(CountLines(log, {"\"op\": \"play\"", "\"group\": 9", "Pop2.wav"}), 19);
    EXPECT_EQ(CountLines(log, {"\"op\": \"stop\""}), 1);
}

TEST_F(SoundGroupTest, NothingPlaysAtVolumeZero)
{
    LoadCopies(2);
    group.Play(5000);
    soundVolume = 0;
    group.Play(-5000);
    EXPECT_EQ(group.next, 1);
    EXPECT_EQ(Playing(), 1);
    const auto log = session.Finish();
    EXPECT_EQ(CountLines(log, {"\"kind\": \"sound\""}), 1);
    EXPECT_EQ(CountLines(log, {"\"pan\": 5000"}), 1);
}

TEST_F(SoundGroupTest, CopiesBeyondTheSlotsAreSkipped)
{
    // 255 slots: the copies past them hold -1 and the turn passes over them.
    LoadCopies(300);
    EXPECT_EQ(group.ids.size(), 300u);
    EXPECT_EQ(group.ids[254], 254);
    EXPECT_EQ(group.ids[255], -1);
    EXPECT_EQ(Load_WAV("wavs\\Pop2.wav", 0), -1);
    for (int i = 0; i < 256; i++)
        group.Play(0);
    EXPECT_EQ(group.next, 1);
    EXPECT_EQ(Playing(), 255);
}

TEST_F(SoundGroupTest, DeletedSoundsFreeTheirSlots)
{
    LoadCopies(3);
    group.Play(0);
    Delete_All_Sounds();
    EXPECT_EQ(Status_Sound(group.ids[0]), -1);
    EXPECT_EQ(Load_WAV("wavs\\Pop2.wav", 0), 0);
}

TEST_F(SoundGroupTest, AFileOfEitherKindLoadsInAnyLetterCase)
{
    session.WriteData("wavs/Mixed.WaV", GoodWAV(tenthOfASecond));
    session.WriteData("wavs/Voice.voc", VOC(26, 100, 165, 100));
    EXPECT_EQ(group.Load("wavs\\mixed.WaV", 1, 1), 1);
    EXPECT_EQ(group.Load("wavs\\VOICE.Voc", 2, 1), 1);
    EXPECT_EQ(group.ids.size(), 2u);
    EXPECT_EQ(CountLines(session.Finish(), {"\"kind\": \"box\""}), 0);
}

TEST_F(SoundGroupTest, ABadFileShowsItsBoxesAndLeavesTheGroupEmpty)
{
    struct Case {
        const char* name;
        Bytes file;
        const char* box;
    };
    const Case cases[] = {
        {"wavs\\Tag2.wav", Riff("WAVE", {FmtChunk(18, 2), Chunk("data", {1, 2})}),
         "Can't load WAV sound: wavs\\\\Tag2.wav"},
        {"wavs\\Short.wav", Riff("WAVE", {FmtChunk(16, 1), Chunk("data", {1, 2})}),
         "Can't load WAV sound: wavs\\\\Short.wav"},
        {"wavs\\Missing.wav", {}, "Can't load WAV sound: wavs\\\\Missing.wav"},
        {"wavs\\Long.voc", VOC(26, 50, 0, 10), "Can't load VOC sound: wavs\\\\Long.voc"},
        {"wavs\\Song.mid", GoodWAV({1, 2}), "Unknown sound file type: wavs\\\\Song.mid"},
    };
    for (const Case& c : cases) {
        if (!c.file.empty()) {
            std::string path = c.name;
            path[4] = '/';
            session.WriteData(path, c.file);
        }
        group.ids = {7};
        EXPECT_EQ(group.Load(c.name, 3, 1), 0) << c.name;
        EXPECT_TRUE(group.ids.empty()) << c.name;
        group.Play(0);
    }
    const auto log = session.Finish();
    for (const Case& c : cases)
        EXPECT_EQ(CountLines(log, {"\"caption\": \"Taltrix Error\"", c.box}), 1) << c.name;
    EXPECT_EQ(CountLines(log, {"Try re-installing Taltrix."}), 5);
    EXPECT_EQ(CountLines(log, {"\"kind\": \"sound\""}), 0);
}

TEST_F(SoundGroupTest, WithoutTheSoundDeviceLoadsFailQuietly)
{
    session.WriteData("wavs/Pop2.wav", GoodWAV(tenthOfASecond));
    DSound_Shutdown();
    EXPECT_EQ(group.Load("wavs\\Pop2.wav", 2, 9), 0);
    group.Play(0);
    EXPECT_EQ(CountLines(session.Finish(), {}), 0);
}

TEST(LoadSoundGroups, EveryGroupOfTheGameLoads)
{
    I_Options opts;
    opts.dataDir = TALTRIX_DATA;
    HeadlessSession session(opts);
    ASSERT_TRUE(session.ok);
    ResetOptions();
    ASSERT_EQ(DSound_Init(100), 1);
    LoadSoundGroups();
    int slots = 0;
    for (const SoundGroup& g : soundGroups) {
        EXPECT_FALSE(g.ids.empty());
        slots += static_cast<int>(g.ids.size());
    }
    EXPECT_EQ(slots, 227);
    EXPECT_EQ(Load_WAV("wavs\\Pop2.wav", 0), 227);
    EXPECT_EQ(CountLines(session.Finish(), {"\"kind\": \"box\""}), 0);
    DSound_Shutdown();
}

TEST(FindExt, KnowsTheKindByTheLastThreeLetters)
{
    struct Case {
        const char* name;
        int kind;
        const char* after;
    };
    const Case cases[] = {
        {"wavs\\Pop2.WaV", 1, "wavs\\Pop2.WAV"}, {"a.voc", 2, "a.VOC"}, {"wav", 1, "WAV"},
        {"song.mid", 0, "song.MID"},             {"av", 0, "av"},       {"", 0, ""},
    };
    for (const Case& c : cases) {
        char name[32];
        std::strcpy(name, c.name);
        EXPECT_EQ(FindExt(name), c.kind) << c.name;
        EXPECT_STREQ(name, c.after);
    }
}

TEST(SoundPan, FollowsThePlayfieldAndTheStereoSetting)
{
    struct Case {
        int stereo, x, width, pan;
    };
    const Case cases[] = {
        {1, 0, 0, -10000}, {1, 470, 20, 10000}, {1, 230, 20, 0}, {1, 0, 2, -9958},  // truncated towards zero
        {2, 0, 0, 10000},   {2, 470, 20, -10000}, {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        stereoMode = c.stereo;
        EXPECT_EQ(SoundPan(c.x, c.width), c.pan) << c.stereo << " " << c.x;
    }
    stereoMode = 2;
    EXPECT_EQ(StereoPan(-5000), 5000);
    stereoMode = 1;
}

}  // namespace
