// A file read and then saved over as that very file: its bytes replaced all at once where the
// folder allows it, so a crash or a full disk never leaves half a file behind.
#pragma once

#include <sys/stat.h>

#include <functional>
#include <string>

#include "file_descriptor.h"
#include "path_walk.h"

// Writes the new contents into the file open at `fd`, from its start; false when a write failed.
// A save may call it a second time, on another file, when the first could not take the old
// file's place.
using ContentWriter = std::function<bool(int fd)>;

// A file found by one walk of its path (see walkPath), read from, and later saved over: the file
// saved is the file that was read, or nothing is saved. The rules of a save:
// - Symbolic links are followed, and the file they lead to is the one read and saved; the links
//   stay. A link to a file that does not exist yet gets that file created. Any link is followed
//   for reading, but a file is saved or created only when every link on the way belongs to the
//   process's own user (a folder's link as much as the file's own; the working directory itself
//   is the caller's choice). The directory found is held open from the walk to the save, and
//   everything happens in it, so a link swapped on the way meanwhile changes nothing.
// - A missing file is created with the usual permissions (0666 less the umask), provided its
//   directory exists, and only if the place is still empty when the new file takes it.
// - An existing file is saved only when it was read (a regular file, opened), has a write
//   permission bit (a read-only file is left alone even by root) and the process may write to
//   it; and only while it is still the file that was read (same device and inode). Anything
//   swapped in for it, even while `writeContents` runs, is left alone.
// - Where the directory lets the process make a new file, the new contents go to a temporary
//   file beside the old one, which is synced and then renamed over it in one step. It takes on
//   the old file's permission bits, its extended attributes (its ACL among them), and its owner
//   and its group each where the process may set them (any user may give their own file to a
//   group they are in).
// - Otherwise (the directory refuses new files or the rename), and for a file with other hard
//   links, which a rename would split off, or whose extended attributes cannot all be copied,
//   the file is saved in place: the new contents are written over its start and synced, and
//   only then is the file cut to their length. Owner, group, permissions, attributes and links
//   all stay. A crash in between leaves the new contents followed by some of the old bytes; a
//   failed write leaves a mixture of both.
// - Temporary files that earlier saves of the same file left behind when they were cut short are
//   removed once they are older than a minute, unless a save still running holds them; a failed
//   save leaves none of its own.
class ReplaceableFile {
public:
    // What the walk found at the end of the path.
    enum class Found {
        Missing,  // nothing there yet (a symbolic link may lead to where it would be)
        Opened,   // a regular file, now open for reading
        Refused,  // no way there, or something that is no regular file or cannot be opened
    };

    // Walks `path` and opens the regular file it leads to for reading. Never blocks: a named
    // pipe or a device is refused without being opened.
    explicit ReplaceableFile(const std::string& path);

    Found found() const { return found_; }
    // The file open for reading when it was Opened, else -1; it belongs to this.
    int readable() const { return read_.get(); }

    // Makes the file hold exactly what `writeContents` writes, following the rules above.
    // Returns whether the new contents are in place and synced.
    bool save(const ContentWriter& writeContents) const;

private:
    bool mayBeSaved(struct stat* now) const;
    bool saveInPlace(const ContentWriter& writeContents) const;

    PathEnd end_;
    FileDescriptor read_;
    Found found_ = Found::Refused;
};
