// Saving over the very file that was read: through a synced temporary file and a rename where the
// folder allows it, in place where it does not.
#include "replace_file.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "temporary_files.h"

namespace {

// A new file gets the usual permissions, less the umask, from the kernel as it is created; the
// copy of an existing file stays private until it has taken on that file's permissions.
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPrivateMode = 0600;
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kAnyWriteBit = 0222;

// How an attempt to put a new file in the old one's place ended.
enum class Replacement {
    Done,
    Failed,   // nothing was saved, and the file is better left alone
    NotHere,  // the folder refused the new file, or it could not take on the old one's attributes
};

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

// The extended attribute `name` of the file open at `fd`; false when it cannot be read.
bool readAttribute(int fd, const char* name, std::string* value) {
    const ssize_t size = fgetxattr(fd, name, nullptr, 0);
    if (size < 0) {
        return false;
    }
    value->assign(static_cast<std::size_t>(size), '\0');
    // A value that grew in between does not fit (ERANGE), and the copy fails.
    const ssize_t got = size == 0 ? 0 : fgetxattr(fd, name, value->data(), value->size());
    if (got < 0) {
        return false;
    }
    value->resize(static_cast<std::size_t>(got));
    return true;
}

// Copies every extended attribute of the file open at `from` that the process can see, its ACL
// (system.posix_acl_access) among them, to the file open at `to`; false when one cannot be
// copied.
bool copyExtendedAttributes(int from, int to) {
    const ssize_t size = flistxattr(from, nullptr, 0);
    if (size <= 0) {
        // A file system without extended attributes has none to lose.
        return size == 0 || errno == ENOTSUP;
    }
    std::string names(static_cast<std::size_t>(size), '\0');
    const ssize_t listed = flistxattr(from, names.data(), names.size());
    if (listed < 0) {
        return false;
    }
    names.resize(static_cast<std::size_t>(listed));
    std::string value;
    std::string present;
    // The names follow each other, each ended by a NUL byte.
    for (const char* name = names.c_str(); name < names.c_str() + names.size();
         name += std::strlen(name) + 1) {
        if (!readAttribute(from, name, &value)) {
            return false;
        }
        // The new file may have one already, such as its security label, that it may not set
        // even to the value it holds.
        if (readAttribute(to, name, &present) && present == value) {
            continue;
        }
        if (fsetxattr(to, name, value.data(), value.size(), 0) != 0) {
            return false;
        }
    }
    return true;
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
    // Into an empty place only when `mustBeEmpty`, so that a file appearing there since it was
    // found empty is never overwritten (where the file system can tell); errno tells why when it
    // fails.
    bool renameOnto(const std::string& name, bool mustBeEmpty) {
        renamed_ = mustBeEmpty && renameat2(directory_, name_.c_str(), directory_, name.c_str(),
                                            RENAME_NOREPLACE) == 0;
        if (!renamed_ && (!mustBeEmpty || errno == EINVAL)) {
            renamed_ = renameat(directory_, name_.c_str(), directory_, name.c_str()) == 0;
        }
        return renamed_;
    }

private:
    int directory_;
    std::string name_;
    FileDescriptor fd_;
    bool renamed_ = false;
};

// Writes the new contents to a temporary file in `end`'s directory and renames it over the file
// described by `old` (open at `read`), or into the empty place when `old` is null.
Replacement replaceThroughTemporary(const PathEnd& end, int read, const struct stat* old,
                                    const ContentWriter& writeContents) {
    // Opened for reading, so that it can be listed and the rename synced.
    const FileDescriptor directory(
        openat(end.directory.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.isOpen()) {
        return Replacement::NotHere;
    }
    removeStaleTemporaryFiles(directory.get(), end.name);
    TemporaryFile temporary(directory.get(), end.name,
                            old != nullptr ? kPrivateMode : kNewFileMode);
    if (temporary.fd() < 0 || (old != nullptr && !copyExtendedAttributes(read, temporary.fd()))) {
        return Replacement::NotHere;
    }
    if (!writeContents(temporary.fd()) ||
        (old != nullptr && !adoptOwnerAndPermissions(temporary.fd(), *old)) ||
        fsync(temporary.fd()) != 0 || !stillInPlace(directory.get(), end.name, old)) {
        return Replacement::Failed;
    }
    if (!temporary.renameOnto(end.name, old == nullptr)) {
        // A sticky folder lets anybody make files but replace only their own.
        return errno == EPERM || errno == EACCES ? Replacement::NotHere : Replacement::Failed;
    }
    // Makes the rename itself durable; a failure here loses nothing already in place.
    fsync(directory.get());
    return Replacement::Done;
}

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
    const bool existing = found_ == Found::Opened;
    if (existing && now.st_nlink > 1) {
        return saveInPlace(writeContents);
    }
    const Replacement replaced =
        replaceThroughTemporary(end_, read_.get(), existing ? &now : nullptr, writeContents);
    if (replaced == Replacement::NotHere && existing) {
        return saveInPlace(writeContents);
    }
    return replaced == Replacement::Done;
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

bool ReplaceableFile::saveInPlace(const ContentWriter& writeContents) const {
    struct stat read = {};
    if (fstat(read_.get(), &read) != 0 || !stillInPlace(end_.directory.get(), end_.name, &read)) {
        return false;
    }
    const FileDescriptor file(openat(end_.directory.get(), end_.name.c_str(),
                                     O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened = {};
    if (!file.isOpen() || fstat(file.get(), &opened) != 0 || !sameFile(opened, read) ||
        !writeContents(file.get()) || fsync(file.get()) != 0) {
        return false;
    }
    // Cut only once the new contents are on the disk, so that a crash leaves them followed by old
    // bytes (past a table's fifteenth line, which nobody reads) rather than a file cut short.
    const off_t length = lseek(file.get(), 0, SEEK_CUR);
    return length >= 0 && ftruncate(file.get(), length) == 0 && fsync(file.get()) == 0;
}
