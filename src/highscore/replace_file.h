// Replacing a file's bytes all at once, so a crash or a full disk never leaves half a file behind.
#pragma once

#include <string>

// Makes the file at `path` hold exactly `bytes`, or leaves it as it was: the bytes go to a
// temporary file in the same directory, which is synced and then renamed over `path`. Returns
// whether the new bytes are in place; on failure no temporary file is left behind.
// - A missing file is created with the usual permissions (0666 less the umask), provided its
//   directory exists.
// - An existing file that cannot be opened for writing (read-only, a directory) is left alone,
//   and so is anything that is not a regular file.
// - An existing file keeps its permission bits (and its owner, where the process may set it); a
//   symbolic link stays a link and the file it points to is replaced.
bool replaceFileContents(const std::string& path, const std::string& bytes);
