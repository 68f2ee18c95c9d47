// One open file descriptor with one owner, closed when that owner goes.
#pragma once

// Owns a file descriptor, or none (-1), and closes it when destroyed or given another. Moving
// hands the descriptor on; it is never copied.
class FileDescriptor {
public:
    FileDescriptor() = default;
    // Takes `fd` over; -1 (a failed open's result) holds none.
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    // The descriptor, still owned by this, or -1.
    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Closes the descriptor held, if any, and takes `fd` over instead.
    void reset(int fd = -1);

private:
    int fd_ = -1;
};
