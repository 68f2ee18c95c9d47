// Opening and reading the game's data files, which must be regular files: a named pipe could
// block the game for ever, a device feed it without end, and opening some devices has effects.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

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

// A data file read whole into memory, so that a library decodes exactly the bytes that were
// checked, whatever becomes of the file afterwards.
struct FileBytes {
    std::unique_ptr<std::uint8_t[]> bytes;  // null when the file was refused
    std::size_t size = 0;
};

// Reads the whole of `path` when it is a regular file (see openRegularFile) of 1 to `maxBytes`
// bytes; otherwise, when a read fails, or without memory for it, the result holds nothing.
inline FileBytes readRegularFile(const char* path, std::size_t maxBytes) {
    FileBytes file;
    struct stat status = {};
    const int fd = openRegularFile(path, &status);
    if (fd < 0) {
        return file;
    }
    if (status.st_size > 0 && static_cast<std::uint64_t>(status.st_size) <= maxBytes) {
        file.size = static_cast<std::size_t>(status.st_size);
        file.bytes.reset(new (std::nothrow) std::uint8_t[file.size]);
        if (file.bytes != nullptr && !readAt(fd, file.bytes.get(), file.size, 0)) {
            file.bytes.reset();
        }
    }
    close(fd);
    if (file.bytes == nullptr) {
        file.size = 0;
    }
    return file;
}

// Reads `path` as readRegularFile does and keeps the bytes only when `check` accepts them, so
// that a library handed them later parses exactly the bytes that were checked, whatever becomes
// of the file. Each data format brings its own check.
inline FileBytes readCheckedFile(const char* path, std::size_t maxBytes,
                                 bool (*check)(const std::uint8_t* bytes, std::size_t size)) {
    FileBytes file = readRegularFile(path, maxBytes);
    if (file.bytes != nullptr && !check(file.bytes.get(), file.size)) {
        file = FileBytes();
    }
    return file;
}
