// Writing a file through a synced temporary file and a rename.
#include "highscore/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 07777;

// The file that will be replaced, as found before writing.
struct Target {
    std::string path;  // symbolic links resolved, so the link itself survives
    bool exists = false;
    struct stat status = {};
};

mode_t currentUmask() {
    // The game runs on one thread, so briefly clearing the mask to read it is safe.
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// Finds out whether `path` may be replaced. Opening it for writing without truncating asks the
// same question a plain overwrite would, without touching a byte.
bool inspectTarget(const std::string& path, Target* target) {
    // Non-blocking, so a named pipe without a reader cannot hang the game.
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        target->path = path;
        return errno == ENOENT;
    }
    const bool inspected = fstat(fd, &target->status) == 0;
    close(fd);
    if (!inspected || !S_ISREG(target->status.st_mode)) {
        return false;
    }
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) {
        return false;
    }
    target->path = resolved;
    std::free(resolved);
    target->exists = true;
    return true;
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// A hidden name beside the target, so the rename stays within one file system.
std::string temporaryPattern(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + ".XXXXXX";
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

// Gives the temporary file the target's permissions and owner before it takes the target's place.
bool adoptAttributes(int fd, const Target& target) {
    if (!target.exists) {
        return fchmod(fd, kNewFileMode & ~currentUmask()) == 0;
    }
    if (fchown(fd, target.status.st_uid, target.status.st_gid) != 0) {
        // Only a privileged process may hand the file to another owner; otherwise it stays ours.
    }
    return fchmod(fd, target.status.st_mode & kPermissionBits) == 0;
}

// Makes the rename itself durable; a failure here loses nothing that is not already in place.
void syncDirectory(const std::string& directory) {
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

bool replaceFileContents(const std::string& path, const std::string& bytes) {
    Target target;
    if (!inspectTarget(path, &target)) {
        return false;
    }
    std::string temporary = temporaryPattern(target.path);
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    bool written = writeAll(fd, bytes) && adoptAttributes(fd, target) && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), target.path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    syncDirectory(directoryOf(target.path));
    return true;
}
