// One open file descriptor with one owner, closed when that owner goes.
#include "file_descriptor.h"

#include <unistd.h>

#include <utility>

FileDescriptor::~FileDescriptor() {
    reset();
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        reset(std::exchange(other.fd_, -1));
    }
    return *this;
}

void FileDescriptor::reset(int fd) {
    // close's result tells nothing worth acting on here: the descriptor is gone either way, and
    // what was written is synced, where it matters, before.
    if (fd_ >= 0) {
        close(fd_);
    }
    fd_ = fd;
}
