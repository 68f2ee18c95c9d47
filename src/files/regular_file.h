// Opening and reading the game's data files, which must be regular files: a named pipe could
// block the game for ever, a device feed it without end, and opening some devices has effects.
// Also the two loops every read and write of a whole byte range needs.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Opens `path` for reading if it is a regular file, and fills `status` for it. Anything else is
// refused without being opened, and something swapped in after that look is refused without
// blocking. Returns the descriptor, which belongs to the caller, or -1 with errno set: ENOENT
// when there is no file, EINVAL when it is not a regular file.
int openRegularFile(const char* path, struct stat* status);

// Reads `length` bytes at `offset` of the file open at `fd` into `into`; false when the file
// ends before or a read fails. Interrupted reads are retried.
bool readAt(int fd, void* into, std::size_t length, off_t offset);

// Writes all of `bytes` to `fd`; false when a write failed. Interrupted writes are retried.
bool writeAll(int fd, const std::string& bytes);

// A data file read whole into memory, so that a library decodes exactly the bytes that were
// checked, whatever becomes of the file afterwards.
struct FileBytes {
    std::unique_ptr<std::uint8_t[]> bytes;  // null when the file was refused
    std::size_t size = 0;
};

// Reads the whole of `path` when it is a regular file (see openRegularFile) of 1 to `maxBytes`
// bytes and `check` accepts its bytes, so that a library handed them later parses exactly the
// bytes that were checked, whatever becomes of the file; each data format brings its own check.
// Otherwise, when a read fails, or without memory for it, the result holds nothing.
FileBytes readCheckedFile(const char* path, std::size_t maxBytes,
                          bool (*check)(const std::uint8_t* bytes, std::size_t size));
