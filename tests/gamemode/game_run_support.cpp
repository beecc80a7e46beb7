// The headless game run and the reading of its statistics.
#include "gamemode/game_run_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The integer after "key": in text, or -99 when the key is missing.
int Field(const std::string& text, const std::string& key)
{
    const size_t at = text.find("\"" + key + "\": ");
    return at == std::string::npos ? -99 : std::atoi(text.c_str() + at + key.size() + 4);
}

// The objects of the array under key, each as its own text.
std::vector<std::string> Objects(const std::string& text, const std::string& key)
{
    std::vector<std::string> out;
    size_t at = text.find("\"" + key + "\": [");
    if (at == std::string::npos)
        return out;
    const size_t end = text.find(']', at);
    while ((at = text.find('{', at)) < end) {
        const size_t close = text.find('}', at);
        out.push_back(text.substr(at, close - at + 1));
        at = close;
    }
    return out;
}

}  // namespace

int RunResult::Count(const std::string& text) const
{
    int n = 0;
    for (size_t at = events.find(text); at != std::string::npos; at = events.find(text, at + 1))
        n++;
    return n;
}

RunResult RunGame(const std::vector<std::string>& script, const std::string& options, long untilMs)
{
    char dirTemplate[] = "/tmp/taltrix_run_XXXXXX";
    const std::filesystem::path dir = mkdtemp(dirTemplate);
    {
        std::ofstream out(dir / "script.txt");
        for (const std::string& line : script)
            out << line << "\n";
    }
    const std::string command = std::string("'") + TALTRIX_EXE + "' --headless --data '" + TALTRIX_DATA +
                                "' --user-dir '" + (dir / "user").string() + "' --script '" +
                                (dir / "script.txt").string() + "' --until-ms " + std::to_string(untilMs) +
                                " --stats '" + (dir / "stats.json").string() + "' --event-log '" +
                                (dir / "events.log").string() + "' " + options + " 2>/dev/null";
    RunResult r;
    const int status = std::system(command.c_str());
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const std::string stats = ReadAll(dir / "stats.json");
    r.events = ReadAll(dir / "events.log");
    r.mode = Field(stats, "mode");
    r.overlay = Field(stats, "overlay");
    r.gameFrames = Field(stats, "gameFrames");
    r.currPlayer = Field(stats, "currPlayer");
    const std::vector<std::string> players = Objects(stats, "players");
    for (size_t p = 0; p < players.size() && p < 2; p++)
        r.players[p] = {Field(players[p], "score"), Field(players[p], "lives"), Field(players[p], "level"),
                        Field(players[p], "blocksLeft"), Field(players[p], "difficulty")};
    for (const std::string& c : Objects(stats, "levelsCleared"))
        r.cleared.push_back({Field(c, "player"), Field(c, "level"), Field(c, "frames")});
    std::filesystem::remove_all(dir);
    return r;
}
