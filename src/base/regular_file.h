// Opening and reading the game's data files, which must be regular files: a named pipe could
// block the game for ever, a device feed it without end, and opening some devices has effects.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

// Opens `path` for reading if it is a regular file, and fills `status` for it. Anything else is
// refused without being opened, and something swapped in after that look is refused without
// blocking. Returns the descriptor, which belongs to the caller, or -1 with errno set: ENOENT
// when there is no file, EINVAL when it is not a regular file.
inline int openRegularFile(const char* path, struct stat* status) {
    if (stat(path, status) != 0) {
        return -1;
    }
    if (!S_ISREG(status->st_mode)) {
        errno = EINVAL;
        return -1;
    }
    // Without waiting: a pipe swapped in since the look above must not block the open.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    if (fstat(fd, status) != 0 || !S_ISREG(status->st_mode)) {
        close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

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
