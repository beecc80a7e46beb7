// Reading the input script of a headless run.
#include "platform/headless/script.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "platform/keys.h"

namespace headless {

namespace {

constexpr uint64_t tapMs = 60;          // a tap holds its key this long
constexpr uint64_t charSpacingMs = 30;  // typed text arrives one character this often
constexpr uint64_t maxScriptMs = uint64_t(1) << 40;  // far beyond any run
constexpr long maxMouseStep = 100000;   // one mouse event's motion, in either direction

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool ParseInteger(const std::string& text, long long low, long long high, long long& out)
{
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool ParseUnit(const std::string& text, double& out)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value >= -1.0 && value <= 1.0))
        return false;
    out = value;
    return true;
}

// Parses one line without its comment into events; returns the problem, or "" when fine.
std::string ParseLine(const std::string& line, std::vector<ScriptEvent>& events)
{
    const std::vector<std::string> words = Words(line);
    if (words.empty())
        return "";
    long long ms = 0;
    if (!ParseInteger(words[0], 0, maxScriptMs, ms))
        return "bad time \"" + words[0] + "\"";
    if (words.size() < 2)
        return "missing event";
    const std::string& what = words[1];
    const size_t args = words.size() - 2;
    const uint64_t t = uint64_t(ms);

    auto wantArgs = [&](size_t n) -> std::string {
        return args == n ? "" : what + " takes " + std::to_string(n) + " value(s)";
    };
    auto parseDown = [&](const std::string& word, bool& down) -> std::string {
        if (word != "down" && word != "up")
            return "expected down or up, not \"" + word + "\"";
        down = word == "down";
        return "";
    };
    auto parseKey = [&](const std::string& name, int& code) -> std::string {
        code = I_KeyByName(name.c_str());
        return code ? "" : "unknown key \"" + name + "\"";
    };
    auto parseButton = [&](const std::string& word, long long high, int& code) -> std::string {
        long long n = 0;
        if (!ParseInteger(word, 0, high, n))
            return "bad button \"" + word + "\" (0 to " + std::to_string(high) + ")";
        code = int(n);
        return "";
    };

    std::string problem;
    ScriptEvent e{t, ScriptEvent::QUIT};
    if (what == "key" || what == "button" || what == "joybutton") {
        if (!(problem = wantArgs(2)).empty())
            return problem;
        if (what == "key") {
            e.kind = ScriptEvent::KEY;
            problem = parseKey(words[2], e.code);
        } else {
            const bool mouse = what == "button";
            e.kind = mouse ? ScriptEvent::MOUSE_BUTTON : ScriptEvent::JOY_BUTTON;
            problem = parseButton(words[2], mouse ? 3 : 31, e.code);
        }
        if (problem.empty())
            problem = parseDown(words[3], e.down);
        if (problem.empty())
            events.push_back(e);
        return problem;
    }
    if (what == "tap") {
        if (!(problem = wantArgs(1)).empty() || !(problem = parseKey(words[2], e.code)).empty())
            return problem;
        e.kind = ScriptEvent::KEY;
        e.down = true;
        events.push_back(e);
        e.ms = t + tapMs;
        e.down = false;
        events.push_back(e);
        return "";
    }
    if (what == "text") {
        // The text is the rest of the line after the word, spaces and all.
        const size_t start = line.find("text") + 5;
        const std::string text = start < line.size() ? line.substr(start) : "";
        const size_t last = text.find_last_not_of(" \t");
        if (last == std::string::npos)
            return "text needs characters";
        for (size_t i = 0; i <= last; i++) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (c < 32 || c > 126)
                return "text holds a character that cannot be typed";
            ScriptEvent ch{t + i * charSpacingMs, ScriptEvent::CHAR};
            ch.code = c;
            events.push_back(ch);
        }
        return "";
    }
    if (what == "mouse") {
        long long dx = 0, dy = 0;
        if (!(problem = wantArgs(2)).empty())
            return problem;
        if (!ParseInteger(words[2], -maxMouseStep, maxMouseStep, dx) ||
            !ParseInteger(words[3], -maxMouseStep, maxMouseStep, dy))
            return "bad mouse motion";
        e.kind = ScriptEvent::MOUSE_MOVE;
        e.dx = int(dx);
        e.dy = int(dy);
        events.push_back(e);
        return "";
    }
    if (what == "joy") {
        if (!(problem = wantArgs(2)).empty())
            return problem;
        if (!ParseUnit(words[2], e.x) || !ParseUnit(words[3], e.y))
            return "joy position must lie in -1.0..1.0";
        e.kind = ScriptEvent::JOY_MOVE;
        events.push_back(e);
        return "";
    }
    if (what == "focus-lost" || what == "quit") {
        if (!(problem = wantArgs(0)).empty())
            return problem;
        e.kind = what == "quit" ? ScriptEvent::QUIT : ScriptEvent::FOCUS_LOST;
        events.push_back(e);
        return "";
    }
    return "unknown event \"" + what + "\"";
}

} // namespace

bool ParseScript(const std::string& text, const std::string& fileName,
                 std::vector<ScriptEvent>& events, std::string& error)
{
    events.clear();
    std::istringstream in(text);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        lineNumber++;
        line = line.substr(0, line.find('#'));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string problem = ParseLine(line, events);
        if (!problem.empty()) {
            error = "script " + fileName + ":" + std::to_string(lineNumber) + ": " + problem;
            events.clear();
            return false;
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.ms < b.ms; });
    return true;
}

} // namespace headless
