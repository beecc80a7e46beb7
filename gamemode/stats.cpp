// The run's statistics and the JSON object that reports them.
#include "gamemode/stats.h"

#include <cstdio>
#include <string>

#include "app/state.h"
#include "game/world.h"

int32_t gameFrames = 0;
int32_t levelFrames[2] = {0, 0};
std::vector<LevelCleared> levelsCleared;
int32_t statsMode = MODE_NONE;

void CountGameFrame()
{
    gameFrames++;
    levelFrames[currPlayer]++;
}

void RecordLevelCleared()
{
    levelsCleared.push_back({currPlayer, playerLevel[currPlayer] + 1, levelFrames[currPlayer]});
}

static std::string PlayerJson(int p)
{
    char text[160];
    std::snprintf(text, sizeof text,
                  "{\"score\": %d, \"lives\": %d, \"level\": %d, \"blocksLeft\": %d, \"difficulty\": %d}",
                  score[p], lives[p], playerLevel[p] + 1, blocksLeft[p], difficulty[p]);
    return text;
}

static std::string StatsJson()
{
    char head[128];
    std::snprintf(head, sizeof head, "{\"mode\": %d, \"overlay\": %d, \"gameFrames\": %d, \"currPlayer\": %d, ",
                  programState != MODE_NONE ? programState : statsMode, subState, gameFrames, currPlayer);
    std::string json = head;
    json += "\"players\": [" + PlayerJson(0) + ", " + PlayerJson(1) + "], \"levelsCleared\": [";
    for (size_t i = 0; i < levelsCleared.size(); i++) {
        const LevelCleared& c = levelsCleared[i];
        char entry[96];
        std::snprintf(entry, sizeof entry, "%s{\"player\": %d, \"level\": %d, \"frames\": %d}", i ? ", " : "",
                      c.player, c.level, c.frames);
        json += entry;
    }
    return json + "]}\n";
}

bool WriteStats(const char* path)
{
    std::FILE* f = std::fopen(path, "w");
    if (!f)
        return false;
    const std::string json = StatsJson();
    const bool written = std::fwrite(json.data(), 1, json.size(), f) == json.size();
    return std::fclose(f) == 0 && written;
}
