// Finding where a path leads for writing, following only the symbolic links of the process's own
// user.
#pragma once

#include <sys/stat.h>

#include <string>

#include "file_descriptor.h"

// Where a path leads: the directory its last part is in, that part's name there, and what the
// walk found under that name.
struct PathEnd {
    FileDescriptor directory;  // open without being read (O_PATH), as a base for the *at calls
    std::string name;          // a name in it that was no symbolic link, or that did not exist
    bool exists = false;       // something was there, described by `status`
    struct stat status = {};   // as the walk saw it, never a symbolic link
};

// Resolves `path` part by part, from the working directory (or from the root, for an absolute
// path), as the kernel would, but follows a symbolic link only when the process's effective user
// owns it, and at most 40 links in all. Each part is opened relative to the directory reached
// before it, and each link is read from the very link whose owner was checked, so no part swapped
// meanwhile can send the walk elsewhere: `end->directory` is the directory that was checked, and
// `end->status` what the walk found there. The last part need not exist. False when a part before
// it is missing or is no directory, a link belongs to another user or cannot be read, there are too
// many links, or the path ends in a directory's name ("", "." or "..").
bool walkPath(const std::string& path, PathEnd* end);
