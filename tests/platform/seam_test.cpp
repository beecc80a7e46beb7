// Only the SDL backend may know SDL: no other source of the tree includes its headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace fs = std::filesystem;

TEST(Seam, NothingOutsideTheSdlBackendIncludesSdl)
{
    const fs::path root = TALTRIX_SOURCE;
    const fs::path sdlBackend = root / "platform" / "sdl";
    const std::regex sdlInclude(R"(^\s*#\s*include\s*[<"](SDL2/)?SDL[_.a-zA-Z0-9]*\.h[>"])");
    int scanned = 0;
    for (const char* top : {"app", "gfx", "input", "audio", "gamemode", "game", "screens",
                            "platform", "tools", "tests"}) {
        if (!fs::exists(root / top))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const fs::path& path = entry.path();
            const std::string ext = path.extension().string();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h" && ext != ".hpp"))
                continue;
            scanned++;
            if (path.parent_path() == sdlBackend)
                continue;
            std::ifstream in(path);
            int number = 0;
            for (std::string line; std::getline(in, line);) {
                number++;
                EXPECT_FALSE(std::regex_search(line, sdlInclude)) << path << ":" << number << ": " << line;
            }
        }
    }
    EXPECT_GT(scanned, 20);
}
