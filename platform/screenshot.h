// F12 on any screen: the picture as the player sees it saved as a PNG file in the player's
// pictures folder, with a note on the screen for a moment.
#pragma once

#include <ctime>
#include <string>

// The pictures folder named in the text of a user-dirs.dirs file (its XDG_PICTURES_DIR
// line, "$HOME" replaced by home); "" when the file names none or names a relative one.
std::string I_PicturesDirFromUserDirs(const std::string& text, const std::string& home);
// Where screenshots go: "Taltrix" in $XDG_PICTURES_DIR, else in the pictures folder of the
// user-dirs file, else in ~/Pictures; "" when there is no home folder.
std::string I_ScreenshotDir();
// A screenshot's file name by its local date and time: "taltrix-2026-12-11-134501.png".
std::string I_ScreenshotName(const std::tm& when);
// Saves the displayed picture and says on the screen whether that worked.
void I_TakeScreenshot();
