// The thirty level files, made from their designs.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "gamemode/level_file.h"
#include "tools/datagen/art/backgrounds.h"
#include "tools/datagen/datagen.h"
#include "tools/datagen/levels/designs.h"
#include "tools/datagen/sound/songs.h"

// Turns a design into its level file's cells; false (after saying why) for a bad design.
static bool DesignCells(const LevelDesign& design, LevelFile& level)
{
    for (int row = 0; row < DESIGN_MAX_ROWS; row++) {
        const char* cells = design.rows[row];
        if (!cells)
            break;
        if (std::strlen(cells) != 12) {
            std::fprintf(stderr, "taltrix_datagen: level \"%s\", row %d is not 12 cells\n", design.name, row);
            return false;
        }
        for (int column = 0; column < 12; column++) {
            const int kind = DesignCharKind(cells[column]);
            if (kind < 0) {
                std::fprintf(stderr, "taltrix_datagen: level \"%s\", row %d: unknown cell '%c'\n", design.name,
                             row, cells[column]);
                return false;
            }
            level.codes[row * 12 + column] = uint16_t(kind);
        }
    }
    return true;
}

// Each level has a background and a song of its own; the songs shift against the
// backgrounds every eight levels, so the pairs do not repeat.
static const char* BackgroundForLevel(int n)
{
    return kBackgroundNames[size_t(n) % kBackgroundNames.size()];
}

static const char* SongForLevel(int n)
{
    const size_t count = sizeof levelSongs / sizeof levelSongs[0];
    return levelSongs[size_t(n + n / 8) % count];
}

bool GenerateLevels(const std::string& dir)
{
    const std::filesystem::path folder = std::filesystem::path(dir) / "Levels";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (int n = 0; n < DESIGN_LEVELS; n++) {
        LevelFile level{};
        if (!DesignCells(levelDesigns[n], level))
            return false;
        std::snprintf(level.background, sizeof level.background, "%s", BackgroundForLevel(n));
        std::snprintf(level.song, sizeof level.song, "%s", SongForLevel(n));
        const std::vector<uint8_t> bytes = EncodeLevelFile(level);
        const std::filesystem::path file = folder / (std::to_string(n + 1) + ".lvl");
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "taltrix_datagen: cannot write %s\n", file.c_str());
            return false;
        }
    }
    return true;
}
