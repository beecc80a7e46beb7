// The real program in a window of the offscreen video driver: its mixer writing through
// SDL's disk audio driver, so the sound it makes can be measured, and a windowed run that
// ends by itself.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The loudest 16-bit sample of a stretch of the recording.
int Peak(const std::vector<char>& bytes, size_t from, size_t to)
{
    int peak = 0;
    for (size_t i = from & ~size_t(1); i + 1 < to; i += 2) {
        const int sample = static_cast<int16_t>(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8);
        peak = std::max(peak, std::abs(sample));
    }
    return peak;
}

TEST(Mixer, TheIntroSoundsAndTheMenuSongReachTheSoundCard)
{
    char dir[] = "/tmp/taltrix-mixer-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string recording = std::string(dir) + "/audio.raw";
    // Fourteen seconds: both splashes with their sounds, then the menu with its song.
    const std::string command = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE='" + recording +
                                "' timeout -s TERM 14 '" TALTRIX_EXE "' --data '" TALTRIX_DATA "' --user-dir '" +
                                dir + "' > /dev/null 2>&1";
    std::system(command.c_str());
    std::ifstream in(recording, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 100000u) << "the mixer wrote no sound";
    const size_t n = bytes.size();
    EXPECT_GT(Peak(bytes, 0, n / 2), 1000) << "the splashes are silent";
    EXPECT_GT(Peak(bytes, n * 4 / 5, n), 1000) << "the menu song is silent";
}

}  // namespace

namespace {

// A window ends its run by itself at --until-ms, and its frame log has a line for each
// frame it showed, at the real clock's pace.
TEST(Window, UntilMsEndsAWindowedRunAndTheFrameLogFollowsIt)
{
    char dir[] = "/tmp/taltrix-window-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    const std::string frames = std::string(dir) + "/frames.txt";
    const std::string command = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy timeout -s KILL 20 '" TALTRIX_EXE
                                "' --data '" TALTRIX_DATA "' --user-dir '" +
                                std::string(dir) + "' --start-game --autoplay --until-ms 2000 --frame-log '" + frames +
                                "' > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the run did not end by itself";
    std::ifstream in(frames);
    std::vector<long> ms;
    for (long t = 0; in >> t;) {
        ms.push_back(t);
        std::string hash;
        in >> hash;
    }
    ASSERT_GT(ms.size(), 40u) << "too few frames for two seconds of a game";
    EXPECT_LE(ms.back(), 2500);
    EXPECT_GE(ms.back(), 1500);
}

}  // namespace
