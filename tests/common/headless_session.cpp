// The in-process headless platform for tests.
#include "common/headless_session.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

HeadlessSession::HeadlessSession(I_Options opts, const std::string& script)
{
    char folder[] = "/tmp/taltrix-test-XXXXXX";
    if (!mkdtemp(folder))
        return;
    dir = folder;
    fs::create_directories(dir + "/data");
    opts.headless = true;
    if (opts.dataDir.empty())
        opts.dataDir = dir + "/data";
    opts.userDir = dir + "/user";
    opts.eventLogFile = dir + "/events.jsonl";
    if (!script.empty()) {
        opts.scriptFile = dir + "/script.txt";
        std::ofstream(opts.scriptFile) << script;
    }
    std::string error;
    ok = running = I_Init(opts, error);
}

HeadlessSession::~HeadlessSession()
{
    if (running)
        I_Shutdown();
    if (!dir.empty())
        fs::remove_all(dir);
}

static void WriteFile(const fs::path& path, const void* data, size_t size)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void HeadlessSession::WriteData(const std::string& path, const std::vector<uint8_t>& bytes) const
{
    WriteFile(dir + "/data/" + path, bytes.data(), bytes.size());
}

void HeadlessSession::WriteUser(const std::string& path, const std::string& text) const
{
    WriteFile(dir + "/user/" + path, text.data(), text.size());
}

std::vector<std::string> HeadlessSession::Finish()
{
    if (running)
        I_Shutdown();
    running = false;
    std::ifstream in(dir + "/events.jsonl");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int CountLines(const std::vector<std::string>& lines, const std::vector<std::string>& pieces)
{
    int count = 0;
    for (const std::string& line : lines) {
        bool all = true;
        for (const std::string& piece : pieces)
            all = all && line.find(piece) != std::string::npos;
        count += all;
    }
    return count;
}
