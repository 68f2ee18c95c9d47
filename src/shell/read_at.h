// Reading an exact number of bytes from a place in a file, the way every loader of the game does.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

// Reads `length` bytes at `offset` of the file open at `fd` into `into`; false when the file
// ends before or a read fails. Interrupted reads are retried.
inline bool readAt(int fd, void* into, std::size_t length, off_t offset) {
    char* next = static_cast<char*>(into);
    while (length > 0) {
        const ssize_t got = pread(fd, next, length, offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        next += got;
        length -= static_cast<std::size_t>(got);
        offset += got;
    }
    return true;
}
