// Saved games of both kinds decoded from their bytes; a game that decodes encodes again to
// the same bytes.
#include <cstdlib>
#include <cstring>

#include "gamemode/savegame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (int players = 1; players <= 2; players++) {
        SavedGame game;
        if (!ParseSavedGame(data, size, players, game))
            continue;
        const std::vector<uint8_t> again = EncodeSavedGame(game, players);
        if (again.size() != size)
            std::abort();
    }
    return 0;
}
