// taltrix_datagen DIR: writes the whole data directory.
#include <cstdio>
#include <filesystem>

#include "tools/datagen/datagen.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: taltrix_datagen DATA_DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "taltrix_datagen: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
        return 1;
    }
    bool ok = GenerateArt(dir) && GenerateLevels(dir) && GenerateSounds(dir) && GenerateSongs(dir) && GenerateIcons(dir);
    return ok ? 0 : 1;
}
