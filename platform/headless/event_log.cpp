// Writing the event log of a headless run.
#include "platform/headless/event_log.h"

#include <cstdio>

#include "platform/headless/headless.h"

namespace headless {

namespace {

FILE* eventLog;   // the open event log, or null when none was asked for

void WriteLine(const std::string& line)
{
    if (!eventLog)
        return;
    std::fputs(line.c_str(), eventLog);
    std::fputc('\n', eventLog);
    // Few lines, and each one matters when a run ends badly.
    std::fflush(eventLog);
}

std::string Head(const char* kind)
{
    return "{\"t\": " + std::to_string(Now()) + ", \"kind\": \"" + kind + "\"";
}

} // namespace

bool OpenEventLog(const std::string& file, std::string& error)
{
    eventLog = std::fopen(file.c_str(), "w");
    if (!eventLog)
        error = "cannot write the event log " + file;
    return eventLog != nullptr;
}

void CloseEventLog()
{
    if (eventLog)
        std::fclose(eventLog);
    eventLog = nullptr;
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (const unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c >= 0x7F) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else {
                out += char(c);
            }
        }
    }
    return out + "\"";
}

void LogBox(const char* caption, const char* text)
{
    WriteLine(Head("box") + ", \"caption\": " + JsonString(caption) + ", \"text\": " +
              JsonString(text) + "}");
}

void LogSound(const char* op, int group, const std::string& file, int pan)
{
    WriteLine(Head("sound") + ", \"op\": \"" + op + "\", \"group\": " + std::to_string(group) +
              ", \"file\": " + JsonString(file) + ", \"pan\": " + std::to_string(pan) + "}");
}

void LogMusic(const char* op, const std::string& path)
{
    WriteLine(Head("music") + ", \"op\": \"" + op + "\", \"path\": " + JsonString(path) + "}");
}

} // namespace headless
