// A fuzz input handed to the readers that open files by path: the bytes are written to
// one memory file per process and its /proc path is given to the reader.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// Replaces the memory file's contents with the input and returns its path.
inline std::string FuzzInputPath(const uint8_t* data, size_t size)
{
    static const int fd = memfd_create("fuzz-input", 0);  // reused by every run of the process
    if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        std::perror("fuzz input");
        std::abort();
    }
    return "/proc/self/fd/" + std::to_string(fd);
}
