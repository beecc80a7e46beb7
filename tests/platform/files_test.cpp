// Game paths under the data and user folders, bounded reads and whole-file writes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "common/headless_session.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(Files, GamePathsMatchEachComponentIgnoringCase)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    session.WriteData("wavs/Pass2.wav", {1, 2, 3});
    session.WriteData("Levels/1.lvl", {4});
    const std::string data = session.dir + "/data";

    EXPECT_EQ(I_DataPath("wavs\\Pass2.wav"), data + "/wavs/Pass2.wav");
    EXPECT_EQ(I_DataPath("WAVS\\pass2.WAV"), data + "/wavs/Pass2.wav");
    EXPECT_EQ(I_DataPath("levels/1.LVL"), data + "/Levels/1.lvl");
    EXPECT_EQ(I_DataPath("wavs\\Pass3.wav"), "");
    // A folder is not a data file.
    EXPECT_EQ(I_DataPath("wavs"), "");
    EXPECT_EQ(I_DataPath("wavs\\Pass2.wav\\x"), "");
}

TEST(Files, NamesThatWouldLeaveTheirFolderAreRefused)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    session.WriteData("wavs/a.wav", {1});
    session.WriteUser("vexa.cfg", "x");
    // A file beside the data folder that an escaping name would reach.
    std::ofstream(session.dir + "/secret.txt") << "no";

    const char* const bad[] = {
        "", "..\\secret.txt", "wavs\\..\\..\\secret.txt", "/etc/passwd", "\\wavs\\a.wav",
        "C:\\wavs\\a.wav", "c:secret.txt", "wavs\\\\a.wav", "wavs\\", ".\\wavs\\a.wav",
        "wavs/../wavs/a.wav",
    };
    for (const char* name : bad) {
        SCOPED_TRACE(name);
        EXPECT_EQ(I_DataPath(name), "");
        EXPECT_EQ(I_UserPath(name), "");
        EXPECT_FALSE(I_WriteUserFile(name, "x", 1));
    }
    EXPECT_EQ(I_DataPath(nullptr), "");
    EXPECT_EQ(ReadText(session.dir + "/secret.txt"), "no");
}

TEST(Files, UserPathsFindAnExistingFileInAnyCaseOrNameANewOne)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    session.WriteUser("SCORES.CFG", "old");
    const std::string user = session.dir + "/user";
    EXPECT_EQ(I_UserPath("scores.cfg"), user + "/SCORES.CFG");
    EXPECT_EQ(I_UserPath("1.sav"), user + "/1.sav");
    EXPECT_EQ(I_UserPath("missing\\1.sav"), "");
}

TEST(Files, MissingUserFolderIsCreated)
{
    const std::string dir = fs::temp_directory_path() / "taltrix-platform-userdir";
    fs::remove_all(dir);
    I_Options opts;
    opts.userDir = dir + "/deep/er";
    opts.dataDir = fs::temp_directory_path();
    std::string error;
    ASSERT_TRUE(I_InitFiles(opts, error)) << error;
    EXPECT_TRUE(fs::is_directory(opts.userDir));
    fs::remove_all(dir);

    opts.dataDir = dir + "/no-such-data";
    EXPECT_FALSE(I_InitFiles(opts, error));
    EXPECT_EQ(error, "data directory " + opts.dataDir + " not found");
}

TEST(Files, WritesReplaceTheOldFileWholeAndLeaveNoTemporaryBehind)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    session.WriteUser("Vexa.cfg", "the old settings, longer than the new");
    const std::string user = session.dir + "/user";

    ASSERT_TRUE(I_WriteUserFile("vexa.cfg", "new", 3));
    EXPECT_EQ(ReadText(user + "/Vexa.cfg"), "new");
    ASSERT_TRUE(I_WriteUserFile("2.sav", "", 0));
    EXPECT_TRUE(fs::exists(user + "/2.sav"));
    EXPECT_EQ(fs::file_size(user + "/2.sav"), 0u);

    // A write that cannot be put in place (a folder holds the name) keeps what was there.
    fs::create_directories(user + "/1.sav/inside");
    EXPECT_FALSE(I_WriteUserFile("1.sav", "abc", 3));
    EXPECT_TRUE(fs::is_directory(user + "/1.sav/inside"));

    int entries = 0;
    for (const auto& entry : fs::directory_iterator(user)) {
        EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
        entries++;
    }
    EXPECT_EQ(entries, 3);
}

TEST(Files, ReadsAreBoundedAndRefuseWhatIsNotAFile)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    session.WriteData("a.bin", {1, 2, 3, 4});
    std::vector<uint8_t> bytes{9};
    const std::string path = I_DataPath("a.bin");
    ASSERT_TRUE(I_ReadFile(path, bytes, 4));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_FALSE(I_ReadFile(path, bytes, 3));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(I_ReadFile(session.dir + "/data", bytes, 100));
    EXPECT_FALSE(I_ReadFile(session.dir + "/nothing", bytes, 100));
}
