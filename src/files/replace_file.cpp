// Writing a file through a synced temporary file and a rename onto the very file that was checked.
#include "replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "path_walk.h"
#include "temporary_files.h"

namespace {

// A new file gets the usual permissions, less the umask, from the kernel as it is created; the
// copy of an existing file stays private until it has taken on that file's permissions.
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPrivateMode = 0600;
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kAnyWriteBit = 0222;

// The file to be replaced, found once and from then on reached through its directory only.
struct Target {
    FileDescriptor directory;  // the directory the file is in, or will be created in
    std::string name;          // its name there, never a symbolic link
    bool exists = false;
    struct stat status = {};  // as checked, when it exists
};

// Finds the file `path` leads to and whether it may be replaced.
bool findTarget(const std::string& path, Target* target) {
    PathEnd end;
    if (!walkPath(path, &end)) {
        return false;
    }
    target->name = std::move(end.name);
    target->exists = end.exists;
    target->status = end.status;
    // Opened for reading, so that the rename can be synced: from here on everything happens in
    // this very directory, whatever is swapped in on the way to it.
    target->directory.reset(openat(end.directory.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!target->directory.isOpen()) {
        return false;
    }
    if (!target->exists) {
        return true;
    }
    // Without any write permission bit the file is read-only for everyone, root included.
    return S_ISREG(target->status.st_mode) && (target->status.st_mode & kAnyWriteBit) != 0 &&
           faccessat(target->directory.get(), target->name.c_str(), W_OK,
                     AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0;
}

// Gives the temporary file the permissions and owner of the file it replaces, before it takes
// that file's place; a new file has its permissions from its creation.
bool adoptAttributes(int fd, const Target& target) {
    if (!target.exists) {
        return true;
    }
    // Only a privileged process may hand the file to another owner; otherwise it stays ours. The
    // group is set on its own, since any player may give their own file to a group they are in,
    // and the table then stays writable for the rest of that group. (With _FORTIFY_SOURCE, GCC
    // warns of fchown's result thrown away by a bare (void).)
    (void)(fchown(fd, target.status.st_uid, static_cast<gid_t>(-1)) == 0);
    (void)(fchown(fd, static_cast<uid_t>(-1), target.status.st_gid) == 0);
    return fchmod(fd, target.status.st_mode & kPermissionBits) == 0;
}

// The rename must replace the very file that was checked, or fill a place that is still empty.
bool stillInPlace(const Target& target) {
    struct stat now = {};
    if (fstatat(target.directory.get(), target.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT && !target.exists;
    }
    return target.exists && now.st_dev == target.status.st_dev &&
           now.st_ino == target.status.st_ino;
}

// A temporary file beside the target, removed again unless it has taken the target's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const Target& target)
        : directory_(target.directory.get()),
          fd_(createTemporaryFile(directory_, target.name,
                                  target.exists ? kPrivateMode : kNewFileMode, &name_)) {}
    ~TemporaryFile() {
        // The descriptor is closed after this, so its lock goes only once the name is gone.
        if (fd_.isOpen() && !renamed_) {
            unlinkat(directory_, name_.c_str(), 0);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_.get(); }
    bool renameOnto(const Target& target) {
        renamed_ = renameat(directory_, name_.c_str(), directory_, target.name.c_str()) == 0;
        return renamed_;
    }

private:
    int directory_;
    std::string name_;
    FileDescriptor fd_;
    bool renamed_ = false;
};

}  // namespace

bool replaceFileContents(const std::string& path, const ContentWriter& writeContents) {
    Target target;
    if (!findTarget(path, &target)) {
        return false;
    }
    removeStaleTemporaryFiles(target.directory.get(), target.name);
    TemporaryFile temporary(target);
    if (temporary.fd() < 0) {
        return false;
    }
    const bool replaced = writeContents(temporary.fd()) &&
                          adoptAttributes(temporary.fd(), target) && fsync(temporary.fd()) == 0 &&
                          stillInPlace(target) && temporary.renameOnto(target);
    if (replaced) {
        // Makes the rename itself durable; a failure here loses nothing already in place.
        fsync(target.directory.get());
    }
    return replaced;
}
