// Saving over the very file that was read, through a synced temporary file and a rename.
#include "replace_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "temporary_files.h"

namespace {

// A new file gets the usual permissions, less the umask, from the kernel as it is created; the
// copy of an existing file stays private until it has taken on that file's permissions.
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPrivateMode = 0600;
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kAnyWriteBit = 0222;

bool sameFile(const struct stat& one, const struct stat& other) {
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Whether `name` in `directory` still is the file `read` describes, or, for a file that was
// missing (`read` null), still nothing.
bool stillInPlace(int directory, const std::string& name, const struct stat* read) {
    struct stat now = {};
    if (fstatat(directory, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT && read == nullptr;
    }
    return read != nullptr && sameFile(now, *read);
}

// Gives the temporary file the permission bits and owner of the file it replaces.
bool adoptOwnerAndPermissions(int fd, const struct stat& old) {
    // Only a privileged process may hand the file to another owner; otherwise it stays ours. The
    // group is set on its own, since any player may give their own file to a group they are in,
    // and the table then stays writable for the rest of that group. (With _FORTIFY_SOURCE, GCC
    // warns of fchown's result thrown away by a bare (void).)
    (void)(fchown(fd, old.st_uid, static_cast<gid_t>(-1)) == 0);
    (void)(fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0);
    return fchmod(fd, old.st_mode & kPermissionBits) == 0;
}

// A temporary file beside the file it is to replace, removed again unless it has taken its place.
class TemporaryFile {
public:
    TemporaryFile(int directory, const std::string& name, mode_t mode)
        : directory_(directory), fd_(createTemporaryFile(directory, name, mode, &name_)) {}
    ~TemporaryFile() {
        // The descriptor is closed after this, so its lock goes only once the name is gone.
        if (fd_.isOpen() && !renamed_) {
            unlinkat(directory_, name_.c_str(), 0);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_.get(); }
    bool renameOnto(const std::string& name) {
        renamed_ = renameat(directory_, name_.c_str(), directory_, name.c_str()) == 0;
        return renamed_;
    }

private:
    int directory_;
    std::string name_;
    FileDescriptor fd_;
    bool renamed_ = false;
};

}  // namespace

ReplaceableFile::ReplaceableFile(const std::string& path) {
    if (!walkPath(path, &end_)) {
        return;
    }
    if (!end_.exists) {
        found_ = Found::Missing;
        return;
    }
    if (!S_ISREG(end_.status.st_mode)) {
        return;
    }
    // Without waiting, and never through a link: anything swapped in since the walk looked is
    // refused, a pipe without blocking the open.
    read_.reset(openat(end_.directory.get(), end_.name.c_str(),
                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened = {};
    if (read_.isOpen() && fstat(read_.get(), &opened) == 0 && sameFile(opened, end_.status)) {
        found_ = Found::Opened;
    } else {
        read_.reset();
    }
}

bool ReplaceableFile::save(const ContentWriter& writeContents) const {
    struct stat now = {};
    if (!mayBeSaved(&now)) {
        return false;
    }
    const struct stat* old = found_ == Found::Opened ? &now : nullptr;
    // Opened for reading, so that it can be listed and the rename synced.
    const FileDescriptor directory(
        openat(end_.directory.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.isOpen()) {
        return false;
    }
    removeStaleTemporaryFiles(directory.get(), end_.name);
    TemporaryFile temporary(directory.get(), end_.name,
                            old != nullptr ? kPrivateMode : kNewFileMode);
    const bool replaced = temporary.fd() >= 0 && writeContents(temporary.fd()) &&
                          (old == nullptr || adoptOwnerAndPermissions(temporary.fd(), *old)) &&
                          fsync(temporary.fd()) == 0 &&
                          stillInPlace(directory.get(), end_.name, old) &&
                          temporary.renameOnto(end_.name);
    if (replaced) {
        // Makes the rename itself durable; a failure here loses nothing already in place.
        fsync(directory.get());
    }
    return replaced;
}

// Fills `now` with what the file that was read is like now.
bool ReplaceableFile::mayBeSaved(struct stat* now) const {
    if (!end_.ownLinksOnly || found_ == Found::Refused) {
        return false;
    }
    if (found_ == Found::Missing) {
        return true;
    }
    // Without any write permission bit the file is read-only for everyone, root included.
    return fstat(read_.get(), now) == 0 && (now->st_mode & kAnyWriteBit) != 0 &&
           faccessat(end_.directory.get(), end_.name.c_str(), W_OK,
                     AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0;
}
