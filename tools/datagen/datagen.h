// The data generator: every file of the game's data directory is made here.
#pragma once

#include <string>

// Each writes its share of the data directory `dir` and returns false on failure
// (after printing why on stderr).
bool GenerateArt(const std::string& dir);     // palette, sprite files, fonts, pictures, tables
bool GenerateLevels(const std::string& dir);  // Levels\1.lvl .. Levels\30.lvl
bool GenerateSounds(const std::string& dir);  // wavs\*.wav
bool GenerateSongs(const std::string& dir);   // midi\*.mid
bool GenerateIcons(const std::string& dir);   // icons/taltrix-N.png for the desktop
