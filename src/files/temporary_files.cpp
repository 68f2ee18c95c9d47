// The temporary files a save writes before renaming them over the file they replace.
#include "temporary_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

constexpr char kSuffixLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr unsigned kSuffixLetterCount = sizeof kSuffixLetters - 1;
constexpr std::size_t kSuffixLength = 6;
constexpr int kCreateTries = 100;
// A save takes milliseconds; a temporary file this old belongs to one that was cut short.
constexpr std::time_t kStaleAfterSeconds = 60;

std::string prefixFor(const std::string& name) {
    return "." + name + ".";
}

std::string randomSuffix() {
    unsigned char bytes[kSuffixLength] = {};
    if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        // Without the kernel's random bytes the clock still varies the names; a clash only
        // costs another try.
        timespec now = {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        unsigned long mix =
            static_cast<unsigned long>(now.tv_nsec) ^ static_cast<unsigned long>(getpid());
        for (unsigned char& byte : bytes) {
            byte = static_cast<unsigned char>(mix);
            mix = mix * 6364136223846793005UL + 1442695040888963407UL;
        }
    }
    std::string suffix;
    for (const unsigned char byte : bytes) {
        suffix += kSuffixLetters[byte % kSuffixLetterCount];
    }
    return suffix;
}

// Whether c is one of the letters randomSuffix draws from.
bool isSuffixLetter(char c) {
    return std::memchr(kSuffixLetters, c, kSuffixLetterCount) != nullptr;
}

bool isTemporaryFor(const char* entry, const std::string& prefix) {
    const std::size_t length = std::strlen(entry);
    if (length != prefix.size() + kSuffixLength ||
        prefix.compare(0, prefix.size(), entry, prefix.size()) != 0) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < length; ++i) {
        if (!isSuffixLetter(entry[i])) {
            return false;
        }
    }
    return true;
}

void removeIfStale(int directory, const char* name) {
    struct stat listed = {};
    if (fstatat(directory, name, &listed, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(listed.st_mode) ||
        std::time(nullptr) - listed.st_mtime < kStaleAfterSeconds) {
        return;
    }
    const int fd =
        openat(directory, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    // A running save holds its lock; the lock of a save that was killed went with its process.
    struct stat opened = {};
    if (fstat(fd, &opened) == 0 && opened.st_dev == listed.st_dev &&
        opened.st_ino == listed.st_ino && flock(fd, LOCK_EX | LOCK_NB) == 0) {
        unlinkat(directory, name, 0);
    }
    close(fd);
}

}  // namespace

int createTemporaryFile(int directory, const std::string& name, mode_t mode,
                        std::string* temporaryName) {
    for (int attempt = 0; attempt < kCreateTries; ++attempt) {
        *temporaryName = prefixFor(name) + randomSuffix();
        const int fd = openat(directory, temporaryName->c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            // A brand-new file is too young to be taken for a leftover, so nobody else can hold
            // its lock yet.
            flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

void removeStaleTemporaryFiles(int directory, const std::string& name) {
    const std::string prefix = prefixFor(name);
    const int listing = openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) {
        return;
    }
    DIR* entries = fdopendir(listing);
    if (entries == nullptr) {
        close(listing);
        return;
    }
    while (const dirent* entry = readdir(entries)) {
        if (isTemporaryFor(entry->d_name, prefix)) {
            removeIfStale(directory, entry->d_name);
        }
    }
    closedir(entries);
}
