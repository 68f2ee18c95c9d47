// The temporary files a save writes before renaming them over the file they replace.
#pragma once

#include <sys/types.h>

#include <string>

// Creates a new, empty temporary file for `name` in the open `directory`, hidden beside it as
// ".<name>.XXXXXX", with the permissions `mode` less the umask. The returned descriptor (or -1)
// belongs to the caller; it holds a lock on the file that marks the save as running until it is
// closed. `temporaryName` receives the file's name in `directory`.
int createTemporaryFile(int directory, const std::string& name, mode_t mode,
                        std::string* temporaryName);

// Removes temporary files for `name` in `directory` that saves left behind when they were cut
// short: older than a minute and locked by no running save. Everything else stays untouched.
void removeStaleTemporaryFiles(int directory, const std::string& name);
