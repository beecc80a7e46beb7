// The headless platform brought up inside a test, over a fresh folder of its own: the
// test writes the data and user files it needs and reads the event log back at the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

class HeadlessSession {
public:
    // Starts the headless backend with these options and input script; the user folder and
    // the event log are the session's own, and so is the data folder unless the options
    // name one.
    explicit HeadlessSession(I_Options opts = {}, const std::string& script = "");
    ~HeadlessSession();
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    // Writes a file under the data or the user folder ('/'-separated, folders made).
    void WriteData(const std::string& path, const std::vector<uint8_t>& bytes) const;
    void WriteUser(const std::string& path, const std::string& text) const;
    // Shuts the platform down and returns the lines of the event log.
    std::vector<std::string> Finish();

    std::string dir;  // the session's folder
    bool ok = false;  // the platform came up

private:
    bool running = false;
};

// How many lines hold every one of the given pieces.
int CountLines(const std::vector<std::string>& lines, const std::vector<std::string>& pieces);
