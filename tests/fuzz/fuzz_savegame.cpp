// Saved games of both kinds: the input decoded as a file, and the input taken as a game's
// records and written out (so the checks of every field are reached). A game that decodes
// is written and read back to the same file.
#include <cstdlib>
#include <cstring>

#include "gamemode/savegame.h"

static void ExpectStable(const uint8_t* data, size_t size, int players)
{
    SavedGame game;
    if (!ParseSavedGame(data, size, players, game))
        return;
    const std::vector<uint8_t> written = EncodeSavedGame(game, players);
    SavedGame again;
    if (!ParseSavedGame(written.data(), written.size(), players, again) ||
        EncodeSavedGame(again, players) != written)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (int players = 1; players <= 2; players++) {
        ExpectStable(data, size, players);
        SavedGame game;
        std::memset(&game, 0, sizeof game);
        std::memcpy(&game, data, size < sizeof game ? size : sizeof game);
        const std::vector<uint8_t> file = EncodeSavedGame(game, players);
        ExpectStable(file.data(), file.size(), players);
    }
    return 0;
}
