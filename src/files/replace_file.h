// Replacing a file's bytes all at once, so a crash or a full disk never leaves half a file behind.
#pragma once

#include <functional>
#include <string>

// Writes the new contents into the file open at `fd`; false when a write failed.
using ContentWriter = std::function<bool(int fd)>;

// Makes the file at `path` hold exactly what `writeContents` writes, or leaves it as it was: the
// bytes go to a temporary file in the same directory as the file, which is synced and then
// renamed over it. Returns whether the new contents are in place; on failure no temporary file
// is left behind.
// - Symbolic links are followed, and the file they lead to is the one checked and replaced; the
//   links stay. A link to a file that does not exist yet gets that file created. Only links the
//   process's own user owns are followed, on every part of the path (a folder's link as much as
//   the file's own; the working directory itself is the caller's choice): through any other,
//   nothing is written or created. The directory found is held open and everything happens in
//   it, so a link swapped in on the way after the check changes nothing (see walkPath).
// - A missing file is created with the usual permissions (0666 less the umask), provided its
//   directory exists.
// - An existing file is replaced only when it is a regular file, has a write permission bit (a
//   read-only file is left alone even by root) and the process may write to it. Nothing is
//   opened before that is known.
// - A file swapped for another between that check and the rename (`writeContents` runs in
//   between) is left alone.
// - An existing file keeps its permission bits, and its owner and its group each where the
//   process may set them (any user may give their own file to a group they are in).
// - Temporary files that earlier saves of the same file left behind when they were cut short are
//   removed once they are older than a minute, unless a save still running holds them.
bool replaceFileContents(const std::string& path, const ContentWriter& writeContents);
