// The event log of a headless run: one JSON object a line for every message box, sound
// and music event, in the order they happen.
#pragma once

#include <string>

namespace headless {

bool OpenEventLog(const std::string& file, std::string& error);
void CloseEventLog();
void LogBox(const char* caption, const char* text);
// op is "play" or "stop".
void LogSound(const char* op, int group, const std::string& file, int pan);
// op is "open", "play", "stop", "close" or "finish".
void LogMusic(const char* op, const std::string& path);
// A string as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);

} // namespace headless
