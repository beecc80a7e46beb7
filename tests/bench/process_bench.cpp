// The whole program as a player meets it: how long it takes to show its menu, the share of
// a core a game in a window costs at 40 frames a second, and the memory a game holds.
// The windowed figures need a display: run under `xvfb-run -a`.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/percentile.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A fresh folder for one run's user files and logs.
std::string RunDir()
{
    char dir[] = "/tmp/taltrix-bench-XXXXXX";
    return mkdtemp(dir) ? dir : "";
}

// Starts the game with its data, a fresh user folder and the given arguments. A windowed
// run plays its sound into nothing, so that the mixing is counted but no device is needed.
pid_t StartGame(const std::string& dir, std::vector<std::string> args)
{
    args.insert(args.begin(), {TALTRIX_EXE, "--data", TALTRIX_DATA, "--user-dir", dir + "/user"});
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, (dir + "/stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
}

// The game's peak resident size so far in MiB, from its own memory's high-water mark (the
// kernel's rusage figure would count this benchmark's memory, shared until the exec).
double PeakRssMib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024;
    return 0;
}

// Waits for the game, watching its peak resident size; -1 when it failed.
double WaitForGame(pid_t pid)
{
    double peak = 0;
    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(pid, &status, WNOHANG)) == 0) {
        peak = std::max(peak, PeakRssMib(pid));
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (done != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return peak;
}

// The CPU time of every thread of the process so far, in ms.
double CpuMs(pid_t pid)
{
    double ns = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double runNs = 0;
        if (schedstat >> runNs)
            ns += runNs;
    }
    return ns / 1e6;
}

size_t LineCount(const std::string& file)
{
    std::ifstream in(file);
    size_t lines = 0;
    for (std::string line; std::getline(in, line);)
        lines++;
    return lines;
}

bool HaveDisplay(benchmark::State& state)
{
    if (std::getenv("DISPLAY"))
        return true;
    state.SkipWithError("needs a display: run under xvfb-run -a");
    return false;
}

// The next line of the frame log ("ms hash"), or "" once it ends or ten seconds have passed.
std::string NextLine(int log, Clock::time_point start)
{
    std::string line;
    char c = 0;
    while (MsSince(start) < 10000) {
        const ssize_t n = read(log, &c, 1);
        if (n < 0)
            return "";
        if (n == 0) {  // the game has not opened its end yet
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            continue;
        }
        if (c == '\n')
            return line;
        line += c;
    }
    return "";
}

// From starting the program to the menu on the screen, the splashes skipped: the first
// frame shown (black, as the menu fades in) and the first with the menu's picture in it.
// The frame log is a pipe, so each line arrives as its frame is shown.
void BM_StartUpToMenu(benchmark::State& state)
{
    if (!HaveDisplay(state))
        return;
    std::vector<double> firstFrameMs, menuMs;
    for (auto _ : state) {
        const std::string dir = RunDir();
        const std::string pipe = dir + "/frames";
        mkfifo(pipe.c_str(), 0600);
        const int log = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
        const Clock::time_point start = Clock::now();
        const pid_t pid = StartGame(dir, {"--skip-intro", "--frame-log", pipe});
        if (pid < 0 || log < 0) {
            state.SkipWithError("the game did not start");
            return;
        }
        fcntl(log, F_SETFL, 0);
        const std::string first = NextLine(log, start);
        firstFrameMs.push_back(MsSince(start));
        const std::string black = first.substr(first.find(' ') + 1);
        for (std::string line = first; !line.empty() && line.substr(line.find(' ') + 1) == black;)
            line = NextLine(log, start);
        const double ms = MsSince(start);
        state.SetIterationTime(ms / 1000);
        menuMs.push_back(ms);
        kill(pid, SIGTERM);
        close(log);
        WaitForGame(pid);
        std::filesystem::remove_all(dir);
    }
    state.counters["median_ms"] = Percentile(menuMs, 0.5);
    state.counters["first_frame_median_ms"] = Percentile(firstFrameMs, 0.5);
    state.counters["worst_ms"] = Percentile(menuMs, 1);
}
BENCHMARK(BM_StartUpToMenu)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

// A game on the last level in a window, the pad playing by itself: the CPU time of all the
// program's threads over ten seconds of play after two of warming up.
void BM_WindowedGame(benchmark::State& state)
{
    if (!HaveDisplay(state))
        return;
    constexpr int warmMs = 2000, measuredMs = 10000;
    for (auto _ : state) {
        const std::string dir = RunDir();
        const std::string frames = dir + "/frames.txt";
        const pid_t pid = StartGame(dir, {"--start-game", "--autoplay", "--no-die", "--level", "30", "--until-ms",
                                          std::to_string(warmMs + measuredMs + 1000), "--frame-log", frames});
        if (pid < 0) {
            state.SkipWithError("the game did not start");
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(warmMs));
        const double cpu0 = CpuMs(pid);
        const size_t frames0 = LineCount(frames);
        const Clock::time_point start = Clock::now();
        std::this_thread::sleep_for(std::chrono::milliseconds(measuredMs));
        const double cpu = CpuMs(pid) - cpu0, wall = MsSince(start);
        const size_t shown = LineCount(frames) - frames0;
        const double peak = WaitForGame(pid);
        if (peak < 0) {
            state.SkipWithError("the game failed: see the stderr.txt of a kept run");
            return;
        }
        state.SetIterationTime(wall / 1000);
        state.counters["cpu_share"] = cpu / wall;
        state.counters["fps"] = double(shown) * 1000 / wall;
        state.counters["peak_rss_mib"] = peak;
        std::filesystem::remove_all(dir);
    }
}
BENCHMARK(BM_WindowedGame)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Ten minutes of a headless game (24,000 frames in virtual time): the peak resident size.
void BM_GameMemory(benchmark::State& state)
{
    for (auto _ : state) {
        const std::string dir = RunDir();
        const pid_t pid = StartGame(dir, {"--headless", "--start-game", "--autoplay", "--no-die", "--until-ms", "600000"});
        const double peak = pid < 0 ? -1 : WaitForGame(pid);
        if (peak < 0) {
            state.SkipWithError("the game failed");
            return;
        }
        state.counters["peak_rss_mib"] = peak;
        std::filesystem::remove_all(dir);
    }
}
BENCHMARK(BM_GameMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
