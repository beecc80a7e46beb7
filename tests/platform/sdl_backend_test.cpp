// The real backend on an invisible window and a silent audio device: the window's paint,
// the real clock's waits, sound buffers and a song's end posted from the audio thread.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

class RealBackend : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No display and no sound card needed: SDL's stand-in drivers.
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        dir = fs::temp_directory_path() / ("taltrix-sdl-test-" + std::to_string(getpid()));
        fs::create_directories(dir + "/data/Midi");
        I_Options opts;
        opts.dataDir = dir + "/data";
        opts.userDir = dir + "/user";
        std::string error;
        ASSERT_TRUE(I_Init(opts, error)) << error;
    }
    void TearDown() override
    {
        I_Shutdown();
        fs::remove_all(dir);
    }

    std::vector<I_Message> TakeMessages()
    {
        std::vector<I_Message> taken;
        I_Message msg;
        while (I_PeekMessage(msg))
            taken.push_back(msg);
        return taken;
    }

    std::string dir;
};

bool Has(const std::vector<I_Message>& messages, I_MessageKind kind)
{
    for (const I_Message& m : messages)
        if (m.kind == kind)
            return true;
    return false;
}

} // namespace

TEST_F(RealBackend, SettingTheModePaintsAndWaitsReachTheirTarget)
{
    ASSERT_TRUE(I_SetVideoMode(640, 480, 8));
    EXPECT_TRUE(Has(TakeMessages(), I_MSG_PAINT));
    I_FillSurface(I_PrimarySurface(), 3);
    const uint32_t mark = I_GetTicks();
    const uint32_t after = I_WaitTicks(mark, 30);
    EXPECT_GE(after - mark, 30u);
    I_WaitVBlank();
    // A controller that is not there reads as gone.
    EXPECT_EQ(I_OpenController(-1), -1);
    int x = 0, y = 0;
    uint8_t buttons[32];
    EXPECT_FALSE(I_ReadController(7, &x, &y, buttons));
    uint8_t keys[256];
    I_GetKeyboardState(keys);
    for (uint8_t k : keys)
        EXPECT_EQ(k, 0);
}

TEST_F(RealBackend, SoundsPlayUntilStoppedAndSongsPostTheirEnd)
{
    ASSERT_TRUE(I_SoundInit());
    const std::vector<uint8_t> samples(11025 * 2, 128);
    I_Sound* sound = I_CreateSound(samples.data(), samples.size(), 1, "wavs\\hum.wav");
    I_Sound* copy = I_DuplicateSound(sound);
    I_SetSoundVolume(copy, -1000);
    I_SetSoundPan(copy, -10000);
    I_PlaySound(sound);
    I_PlaySound(copy);
    EXPECT_TRUE(I_SoundPlaying(sound));
    EXPECT_TRUE(I_SoundPlaying(copy));
    I_StopSound(sound);
    EXPECT_FALSE(I_SoundPlaying(sound));
    EXPECT_TRUE(I_SoundPlaying(copy));
    I_ReleaseSound(copy);
    I_ReleaseSound(sound);

    // Half a second of one note.
    const std::vector<uint8_t> song = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 1,
                                       'M', 'T', 'r', 'k', 0, 0, 0, 12, 0, 0x90, 60, 100,
                                       1, 0x80, 60, 0, 0, 0xFF, 0x2F, 0};
    std::ofstream(dir + "/data/Midi/short.mid", std::ios::binary)
        .write(reinterpret_cast<const char*>(song.data()), std::streamsize(song.size()));
    ASSERT_TRUE(I_MusicOpen("midi\\SHORT.mid"));
    ASSERT_TRUE(I_MusicPlay());
    bool done = false;
    const uint32_t start = I_GetTicks();
    while (!done && I_GetTicks() - start < 15000) {
        done = Has(TakeMessages(), I_MSG_MUSICDONE);
        I_WaitTicks(I_GetTicks(), 20);
    }
    EXPECT_TRUE(done);
    I_MusicClose();
    I_SoundShutdown();
}

TEST_F(RealBackend, TheWindowIsRememberedForTheNextRun)
{
    const std::string file = dir + "/user/display.cfg";
    auto read = [&file] {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    auto restart = [this] {
        I_Options opts;
        opts.dataDir = dir + "/data";
        opts.userDir = dir + "/user";
        std::string error;
        ASSERT_TRUE(I_Init(opts, error)) << error;
    };
    // The first run had no file: the window's own scale is kept.
    I_Shutdown();
    EXPECT_EQ(read().rfind("scale ", 0), 0u);
    EXPECT_NE(read().find("\nfullscreen 0\nmouse-sensitivity 1\n"), std::string::npos) << read();

    // A fullscreen run stays fullscreen and keeps the scale it had as a window.
    std::ofstream(file) << "scale 1\nfullscreen 1\nmouse-sensitivity 3\n";
    restart();
    I_Shutdown();
    EXPECT_EQ(read(), "scale 1\nfullscreen 1\nmouse-sensitivity 3\n");

    // A broken file gives a window at the fitting scale, and is replaced.
    std::ofstream(file) << "scale 1\nscale 1\n";
    restart();
    I_Shutdown();
    EXPECT_NE(read().find("\nfullscreen 0\nmouse-sensitivity 1\n"), std::string::npos) << read();
    restart();
}
