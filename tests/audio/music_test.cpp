#include "audio/music.h"

#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "app/shell.h"
#include "audio/sound_fixtures.h"
#include "common/headless_session.h"

namespace {

// A one-track song: one note held for a quarter note at the default tempo.
const Bytes song = {
    'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
    'M', 'T', 'r', 'k', 0, 0, 0, 12, 0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00,
};

class MusicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.ok);
        ResetOptions();
        session.WriteData("midi/dand27.mid", song);
        session.WriteData("midi/Beat2.mid", song);
    }
    HeadlessSession session;
};

TEST_F(MusicTest, NoSongOpensWithTheMusicOff)
{
    musicSetting = 0;
    EXPECT_EQ(MIDI_PlayFile("midi\\dand27.mid"), 0);
    EXPECT_EQ(CountLines(session.Finish(), {"\"kind\": \"music\""}), 0);
}

TEST_F(MusicTest, AMissingSongIsSilent)
{
    EXPECT_EQ(MIDI_PlayFile("Midi\\Nothing.mid"), MIDI_ERROR_OPEN);
    EXPECT_EQ(CountLines(session.Finish(), {}), 0);
}

TEST_F(MusicTest, ANewSongClosesTheOldOneFirst)
{
    songPassCount = 300;
    EXPECT_EQ(MIDI_PlayFile("midi\\dand27.mid"), 0);
    EXPECT_EQ(songPassCount, 0);
    EXPECT_EQ(MIDI_PlayFile("midi\\Beat2.mid"), 0);
    EXPECT_STREQ(currentSongPath, "midi\\Beat2.mid");
    const auto log = session.Finish();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(CountLines({log[2]}, {"\"op\": \"close\"", "dand27"}), 1);
    EXPECT_EQ(CountLines({log[3]}, {"\"op\": \"open\"", "Beat2"}), 1);
}

TEST_F(MusicTest, OnlyASongThatPlayedLongEnoughStartsAgain)
{
    MIDI_PlayFile("midi\\dand27.mid");
    songPassCount = SONG_RESTART_PASSES - 1;
    MusicFinished();
    EXPECT_EQ(songPassCount, SONG_RESTART_PASSES - 1);
    songPassCount = SONG_RESTART_PASSES;
    MusicFinished();
    EXPECT_EQ(songPassCount, 0);
    EXPECT_EQ(CountLines(session.Finish(), {"\"op\": \"open\"", "dand27"}), 2);
}

TEST_F(MusicTest, ClearingALevelStopsTheSong)
{
    MIDI_PlayFile("midi\\dand27.mid");
    songPassCount = 100;
    MIDI_Stop();
    EXPECT_EQ(songPassCount, 0);
    EXPECT_EQ(CountLines(session.Finish(), {"\"op\": \"stop\""}), 1);
}

TEST_F(MusicTest, ALongPathIsCutToTheStoredLength)
{
    const std::string path = "Midi\\" + std::string(400, 'x') + ".mid";
    EXPECT_EQ(MIDI_PlayFile(path.c_str()), MIDI_ERROR_OPEN);
    EXPECT_EQ(std::string(currentSongPath), path.substr(0, SONG_PATH_LENGTH - 1));
}

TEST_F(MusicTest, AFailedPlayShowsTheSequencersBox)
{
    showMIDIError(MIDI_ERROR_PLAY);
    showMIDIError(99);
    const auto log = session.Finish();
    EXPECT_EQ(CountLines(log, {"\"caption\": \"MCI Error\"", "The song cannot be played."}), 1);
    EXPECT_EQ(CountLines(log, {"\"caption\": \"MCI Error\"", "Unknown Error"}), 1);
}

}  // namespace
