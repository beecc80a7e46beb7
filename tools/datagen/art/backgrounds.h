// The level backgrounds: 480 x 464 PCX pictures in the Backs folder, drawn behind the blocks.
#pragma once

#include <array>

// The file names, as a level names them after "Backs\\".
constexpr std::array<const char*, 8> kBackgroundNames = {
    "Nebula.pcx", "Circuit.pcx", "Waves.pcx", "Hexes.pcx", "Aurora.pcx", "Tiles.pcx", "Lattice.pcx", "Dunes.pcx",
};
