// Files: the game's Windows-style relative paths resolved under the data and user
// directories, bounded reads, and writes that never leave a torn file.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <strings.h>
#include <vector>

namespace {

std::string dataDir;   // read-only game data
std::string userDir;   // the settings, high scores and saved games

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsFile(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

// Splits a game path at its separators. False for a name that could leave its folder:
// absolute, with a drive letter, empty components, "." or "..".
bool SplitGamePath(const char* gamePath, std::vector<std::string>& parts)
{
    if (!gamePath || !*gamePath)
        return false;
    std::string part;
    for (const char* p = gamePath;; p++) {
        if (*p == '\\' || *p == '/' || *p == '\0') {
            if (part.empty() || part == "." || part == ".." || part.find(':') != std::string::npos)
                return false;
            parts.push_back(part);
            part.clear();
            if (*p == '\0')
                return true;
        } else {
            part += *p;
        }
    }
}

// The entry of dir whose name matches part ignoring letter case: the exact name when it
// exists, else the first match in name order; "" when none.
std::string MatchEntry(const std::string& dir, const std::string& part)
{
    if (Exists(dir + "/" + part))
        return part;
    DIR* d = opendir(dir.c_str());
    if (!d)
        return "";
    std::string best;
    while (const dirent* entry = readdir(d)) {
        const char* name = entry->d_name;
        if (strcasecmp(name, part.c_str()) == 0 && (best.empty() || best > name))
            best = name;
    }
    closedir(d);
    return best;
}

// Resolves a game path under root; the last component may be missing when lastMayBeNew.
std::string Resolve(const std::string& root, const char* gamePath, bool lastMayBeNew)
{
    std::vector<std::string> parts;
    if (root.empty() || !SplitGamePath(gamePath, parts))
        return "";
    std::string path = root;
    for (size_t i = 0; i < parts.size(); i++) {
        const bool last = i + 1 == parts.size();
        std::string entry = MatchEntry(path, parts[i]);
        if (entry.empty()) {
            if (!last || !lastMayBeNew)
                return "";
            entry = parts[i];
        }
        path += "/" + entry;
        if (!last && !IsDirectory(path))
            return "";
    }
    return path;
}

std::string ExecutableDir()
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return "";
    std::string exe(buffer, size_t(n));
    return exe.substr(0, exe.find_last_of('/'));
}

std::string DefaultUserDir()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/taltrix";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/share/taltrix";
    return "";
}

// A write goes to ".NAME.XXXXXX" beside its file and is renamed over it; a program killed
// in between leaves that temporary behind. Any older than a minute is no write in
// progress, whoever started it, so it goes when the game starts.
constexpr char kTempSuffix[] = ".XXXXXX";
constexpr time_t kStaleTempSeconds = 60;

bool IsTemporaryName(const char* name)
{
    const size_t len = std::strlen(name), suffix = sizeof kTempSuffix - 1;
    if (name[0] != '.' || len < suffix + 2 || name[len - suffix] != '.')
        return false;
    for (size_t i = len - suffix + 1; i < len; i++)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

void RemoveStaleTemporaries(const std::string& dir)
{
    DIR* d = opendir(dir.c_str());
    if (!d)
        return;
    const time_t now = time(nullptr);
    while (const dirent* entry = readdir(d)) {
        if (!IsTemporaryName(entry->d_name))
            continue;
        const std::string path = dir + "/" + entry->d_name;
        struct stat st;
        if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime > kStaleTempSeconds)
            unlink(path.c_str());
    }
    closedir(d);
}

bool WriteAll(int fd, const uint8_t* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

} // namespace

bool I_MakeDirectories(const std::string& dir)
{
    for (size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
        const std::string prefix = dir.substr(0, slash);
        if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return IsDirectory(dir);
    }
}

bool I_InitFiles(const I_Options& opts, std::string& error)
{
    if (!opts.dataDir.empty()) {
        if (!IsDirectory(opts.dataDir)) {
            error = "data directory " + opts.dataDir + " not found";
            return false;
        }
        dataDir = opts.dataDir;
    } else {
        // A build tree keeps the data beside the program; an install under any prefix keeps
        // it in that prefix's share folder.
        const std::string beside = ExecutableDir() + "/data";
        const std::string installed = ExecutableDir() + "/../share/taltrix";
        dataDir = IsDirectory(beside) ? beside : IsDirectory(installed) ? installed : TALTRIX_SHARE_DIR;
    }
    userDir = opts.userDir.empty() ? DefaultUserDir() : opts.userDir;
    // The game runs on without a place to save: its writes then fail and it says so.
    if (userDir.empty() || !I_MakeDirectories(userDir))
        std::fprintf(stderr, "taltrix: cannot create the user directory %s\n", userDir.c_str());
    else
        RemoveStaleTemporaries(userDir);
    return true;
}

const std::string& I_DataDir()
{
    return dataDir;
}

const std::string& I_UserDir()
{
    return userDir;
}

std::string I_DataPath(const char* gamePath)
{
    const std::string path = Resolve(dataDir, gamePath, false);
    return IsFile(path) ? path : "";
}

std::string I_UserPath(const char* name)
{
    return Resolve(userDir, name, true);
}

bool I_ReadFile(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes)
{
    out.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && uint64_t(st.st_size) <= maxBytes;
    if (ok) {
        out.resize(size_t(st.st_size));
        size_t got = 0;
        while (got < out.size()) {
            const ssize_t n = read(fd, out.data() + got, out.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += size_t(n);
        }
        // A file that shrank while being read is as unreadable as a missing one.
        ok = got == out.size();
    }
    close(fd);
    if (!ok)
        out.clear();
    return ok;
}

bool I_WriteUserFile(const char* name, const void* data, size_t size)
{
    const std::string path = I_UserPath(name);
    if (path.empty() || (size && !data))
        return false;
    const size_t slash = path.find_last_of('/');
    const std::string dir = path.substr(0, slash);
    std::string temp = dir + "/." + path.substr(slash + 1) + kTempSuffix;
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = fchmod(fd, 0644) == 0 && WriteAll(fd, static_cast<const uint8_t*>(data), size) &&
              fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}
