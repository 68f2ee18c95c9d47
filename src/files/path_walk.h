// Finding where a path leads, noting whether every symbolic link on the way is the process's own
// user's, and so one a save may follow.
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
    // Every symbolic link followed on the way belongs to the process's effective user. A link
    // someone else planted (in a folder they control, with the game run as root) could aim a
    // write at any file of ours, so, as with the kernel's protected symlinks, a path through one
    // is never written through.
    bool ownLinksOnly = true;
};

// Resolves `path` part by part, from the working directory (or from the root, for an absolute
// path), as the kernel would, following at most 40 symbolic links in all. Each part is opened
// relative to the directory reached before it, and each link is read from the very link whose
// owner was noted, so no part swapped meanwhile can send the walk elsewhere: `end->directory` is
// the directory the walk found, and `end->status` what it found there. The last part need not
// exist. False when a part before it is missing or is no directory, a link cannot be read or is
// another user's in a sticky folder that anyone may write to (which the kernel would not follow
// either), there are too many links, or the path ends in a directory's name ("", "." or "..").
bool walkPath(const std::string& path, PathEnd* end);
