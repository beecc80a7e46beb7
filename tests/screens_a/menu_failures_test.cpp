// The main menu's set-up over broken data: each file it needs, missing or spoilt, gives its
// box and ends the program instead of showing a menu.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/run_game.h"

namespace {

namespace fs = std::filesystem;

// A data folder like the generated one, with one file missing or replaced by junk.
class BrokenData {
public:
    BrokenData(const std::string& file, bool junk)
    {
        char name[] = "/tmp/taltrix-data-XXXXXX";
        if (!mkdtemp(name))
            return;
        dir = name;
        for (const fs::directory_entry& entry : fs::directory_iterator(TALTRIX_DATA))
            if (entry.path().filename() != file)
                fs::create_symlink(entry.path(), dir / entry.path().filename());
        if (junk)
            std::ofstream(dir / file) << "not what it should be";
    }
    ~BrokenData()
    {
        if (!dir.empty())
            fs::remove_all(dir);
    }
    BrokenData(const BrokenData&) = delete;
    BrokenData& operator=(const BrokenData&) = delete;

    fs::path dir;
};

TEST(MenuSetUp, ABrokenFileGivesItsBoxesAndEndsTheProgram)
{
    const struct {
        const char* file;
        bool junk;
        const char* text;
        bool reinstall;
    } cases[] = {
        {"MainMenu.bmp", false, "Can't load file MainMenu.bmp", false},
        {"MainMenu.bmp", true, "Can't load file MainMenu.bmp", false},
        {"GamePal.pcx", true, "Problem in file GamePal.PCX", true},
        {"GFonts.qsl", false, "Can't find MFonts.QSL\\nTry Re-Installing Taltrix.", true},
        {"GFonts.qsl", true, "There is a problem in the file MFonts.QSL.", true},
        {"ZQMenu.qsl", false, "Can't find ZQMenu.QSL", true},
        {"ZQMenu.qsl", true, "There is a problem in the file ZQMenu.QSL.", true},
    };
    for (const auto& c : cases) {
        const BrokenData data(c.file, c.junk);
        ASSERT_FALSE(data.dir.empty());
        const GameRun run = RunGame("700 tap RETURN\n", 5000,
                                    {"--skip-intro", "--event-log", "@events.txt", "--data", data.dir.string()});
        const std::string what = std::string(c.file) + (c.junk ? " spoilt" : " missing");
        EXPECT_EQ(run.exitCode, 0) << what << run.output;
        const std::string events = run.Read("events.txt");
        EXPECT_NE(events.find("\"caption\": \"Taltrix Error\", \"text\": \"" + std::string(c.text) + "\""),
                  std::string::npos)
            << what << "\n" << events;
        EXPECT_EQ(events.find("Try re-installing Taltrix.") != std::string::npos, c.reinstall) << what;
        // No menu: neither its song nor the box's sound.
        EXPECT_EQ(events.find("dand27.mid"), std::string::npos) << what;
        EXPECT_EQ(events.find("Pass2.wav"), std::string::npos) << what;
    }
}

}  // namespace
