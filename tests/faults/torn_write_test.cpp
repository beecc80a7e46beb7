// The game's own files under fire: a writer killed at random moments leaves each file as
// its old or its new complete version, and a user directory that cannot be written to
// costs the game nothing but the write.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/settings.h"
#include "common/run_game.h"
#include "gamemode/savegame.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "screens/hiscore.h"

namespace {

const char* const gameFiles[] = {"vexa.cfg", "scores.cfg", "1.sav", "2.sav"};
constexpr int kFiles = sizeof gameFiles / sizeof gameFiles[0];

std::string MakeDir()
{
    char dir[] = "/tmp/taltrix-faults-XXXXXX";
    return mkdtemp(dir) ? dir : "";
}

void RemoveDir(const std::string& dir)
{
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void UseUserDir(const std::string& dir)
{
    I_Options opts;
    opts.dataDir = opts.userDir = dir;
    std::string error;
    ASSERT_TRUE(I_InitFiles(opts, error)) << error;
}

std::vector<uint8_t> ReadUserFile(const char* name)
{
    std::vector<uint8_t> bytes;
    I_ReadFile(I_UserPath(name), bytes, 1 << 20);
    return bytes;
}

// Version 0 or 1 of every file, the two of different lengths.
void WriteVersion(int v)
{
    soundVolume = v ? 100 : 5;
    musicSetting = v ? 0 : 100;
    SaveOptions();
    ResetHiScore();
    if (v)
        AddHiScore("Second", 123456, 7, 3, 0);
    SaveHiScore();
    SavedGame game = {};
    for (SavedPlayer& player : game.players) {
        std::strcpy(player.background, v ? "Backs\\Stars.pcx" : "Backs\\Grid.pcx");
        std::strcpy(player.song, "Midi\\Tune1.mid");
        player.lives = v ? 3 : 5;
        player.difficulty = 3;
        player.level = v;
    }
    for (int players = 1; players <= 2; players++) {
        const std::vector<uint8_t> bytes = EncodeSavedGame(game, players);
        I_WriteUserFile(SaveFileName(players), bytes.data(), bytes.size());
    }
}

int Rounds()
{
    const char* text = std::getenv("TALTRIX_FAULT_ROUNDS");
    return text ? std::atoi(text) : 100;
}

} // namespace

TEST(TornWrite, AKilledWriterLeavesTheOldOrTheNewFile)
{
    const std::string dir = MakeDir();
    UseUserDir(dir);
    std::vector<uint8_t> versions[2][kFiles];
    for (int v = 1; v >= 0; v--) {
        WriteVersion(v);
        for (int f = 0; f < kFiles; f++) {
            versions[v][f] = ReadUserFile(gameFiles[f]);
            ASSERT_FALSE(versions[v][f].empty()) << gameFiles[f];
        }
    }
    ASSERT_NE(versions[0][0], versions[1][0]);

    std::mt19937 rng(12345);
    const int rounds = Rounds();
    for (int round = 0; round < rounds; round++) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int v = 1;; v ^= 1)
                WriteVersion(v);
        }
        usleep(200 + rng() % 5000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        for (int f = 0; f < kFiles; f++) {
            const std::vector<uint8_t> now = ReadUserFile(gameFiles[f]);
            ASSERT_TRUE(now == versions[0][f] || now == versions[1][f])
                << gameFiles[f] << " torn in round " << round << ": " << now.size() << " bytes";
        }
    }

    // The temporaries of the killed writes go when the game next starts, once they are old
    // enough to be nobody's write in progress.
    const std::string temporaries = "find '" + dir + "' -regextype posix-extended -regex '.*/\\..+\\.[[:alnum:]]{6}' -type f";
    const std::string backdate = temporaries + " -exec touch -d '-2 minutes' {} +";
    ASSERT_EQ(std::system(backdate.c_str()), 0);
    UseUserDir(dir);
    EXPECT_NE(std::system((temporaries + " | grep -q .").c_str()), 0) << "stale temporaries were kept";
    for (int f = 0; f < kFiles; f++)
        EXPECT_FALSE(ReadUserFile(gameFiles[f]).empty()) << gameFiles[f];
    const std::string fresh = dir + "/.scores.cfg.a1B2c3";
    std::FILE* another = std::fopen(fresh.c_str(), "w");
    ASSERT_NE(another, nullptr);
    std::fclose(another);
    UseUserDir(dir);
    EXPECT_EQ(access(fresh.c_str(), F_OK), 0) << "another writer's temporary was taken";
    RemoveDir(dir);
}

// As root every directory is writable, so the writer gives up its rights first.
static void BecomeNobody()
{
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        _exit(3);
}

TEST(ReadOnlyUserDir, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind)
{
    const std::string dir = MakeDir();
    UseUserDir(dir);
    WriteVersion(0);
    const std::vector<uint8_t> before = ReadUserFile("vexa.cfg");
    ASSERT_EQ(chmod(dir.c_str(), 0555), 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        BecomeNobody();
        soundVolume = 77;
        _exit(SaveOptions() == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write should have failed";
    EXPECT_EQ(ReadUserFile("vexa.cfg"), before);
    const std::string leftovers = "find '" + dir + "' -name '.*' -type f | grep -q .";
    EXPECT_NE(std::system(leftovers.c_str()), 0) << "a temporary file was left behind";
    chmod(dir.c_str(), 0755);
    RemoveDir(dir);
}

TEST(FullDisk, AWriteThatRunsOutOfRoomKeepsTheOldFileAndLeavesNothingBehind)
{
    const std::string dir = MakeDir();
    UseUserDir(dir);
    WriteVersion(0);
    const std::vector<uint8_t> before = ReadUserFile("scores.cfg");

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A file size limit fails the write part-way, as a full disk does.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit room = {16, 16};
        setrlimit(RLIMIT_FSIZE, &room);
        AddHiScore("Third", 654321, 9, 2, 0);
        SaveHiScore();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(ReadUserFile("scores.cfg"), before) << "the scores were changed or lost";
    const std::string leftovers = "find '" + dir + "' -name '.*' -type f | grep -q .";
    EXPECT_NE(std::system(leftovers.c_str()), 0) << "a temporary file was left behind";
    RemoveDir(dir);
}

TEST(ReadOnlyUserDir, TheGamePlaysOnWhenNothingCanBeSaved)
{
    if (getuid() != 0 && geteuid() != 0)
        GTEST_SKIP() << "needs root to drop to another user";
    const std::string dir = MakeDir();
    ASSERT_EQ(chmod(dir.c_str(), 0777), 0);
    const std::string userDir = dir + "/user";
    ASSERT_EQ(mkdir(userDir.c_str(), 0555), 0);
    const std::string command = "cd '" + dir + "' && setpriv --reuid=65534 --regid=65534 --clear-groups '" +
                                TALTRIX_EXE + "' --headless --data '" + TALTRIX_DATA + "' --user-dir '" + userDir +
                                "' --until-ms 20000 --start-game --autoplay --stats '" + dir +
                                "/stats.json' > '" + dir + "/out.txt' 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    GameRun files;
    files.dir = dir;
    const std::string stats = files.Read("stats.json");
    const size_t at = stats.find("\"gameFrames\": ");
    ASSERT_NE(at, std::string::npos) << files.Read("out.txt");
    EXPECT_GT(std::atoi(stats.c_str() + at + 14), 500) << "the game stopped with nothing saved";
    RemoveDir(dir);
}
