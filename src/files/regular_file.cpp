// Opening and reading the game's data files, and whole byte ranges read and written.
#include "regular_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "file_descriptor.h"

namespace {

FileBytes readRegularFile(const char* path, std::size_t maxBytes) {
    FileBytes file;
    struct stat status = {};
    const FileDescriptor fd(openRegularFile(path, &status));
    if (!fd.isOpen()) {
        return file;
    }
    if (status.st_size > 0 && static_cast<std::uint64_t>(status.st_size) <= maxBytes) {
        file.size = static_cast<std::size_t>(status.st_size);
        file.bytes.reset(new (std::nothrow) std::uint8_t[file.size]);
        if (file.bytes != nullptr && !readAt(fd.get(), file.bytes.get(), file.size, 0)) {
            file.bytes.reset();
        }
    }
    if (file.bytes == nullptr) {
        file.size = 0;
    }
    return file;
}

}  // namespace

int openRegularFile(const char* path, struct stat* status) {
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

bool readAt(int fd, void* into, std::size_t length, off_t offset) {
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

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

FileBytes readCheckedFile(const char* path, std::size_t maxBytes,
                          bool (*check)(const std::uint8_t* bytes, std::size_t size)) {
    FileBytes file = readRegularFile(path, maxBytes);
    if (file.bytes != nullptr && !check(file.bytes.get(), file.size)) {
        file = FileBytes();
    }
    return file;
}
