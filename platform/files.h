// Where the game's files live: set up once by I_Init.
#pragma once

#include <string>

#include "platform/platform.h"

// Chooses the data and user directories from the options (creating the user directory
// when missing). False with a reason when the data directory given does not exist.
bool I_InitFiles(const I_Options& opts, std::string& error);
// Creates an absolute directory and its missing parents; true when it is there.
bool I_MakeDirectories(const std::string& dir);
// The directories in use.
const std::string& I_DataDir();
const std::string& I_UserDir();
