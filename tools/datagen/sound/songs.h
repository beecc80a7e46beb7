// The songs the data generator writes into midi/, shared with the level files that name them.
#pragma once

// The main menu's song and the song of the high scores and the help pages.
inline constexpr const char* menuSong = "dand27.mid";
inline constexpr const char* scoresSong = "Beat2.mid";

// The level songs; a level file names one of them.
inline constexpr const char* levelSongs[] = {
    "Level1.mid", "Level2.mid", "Level3.mid", "Level4.mid", "Level5.mid", "Level6.mid", "Level7.mid", "Level8.mid",
};
