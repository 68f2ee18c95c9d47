// A highscore table bound to one .hsc file: loaded and sorted on construction, saved on
// destruction.
#pragma once

#include <memory>
#include <string>

#include "score_line.h"

class ReplaceableFile;

// The name of a default entry, in every slot for which the file has no usable line.
extern const char* const kDefaultName;

class HighscoreTable {
public:
    // Binds the table to the file at `path` with room for `size` entries, reads the file
    // (default entries where it has no usable line) and sorts, highest first. Reading stops at
    // a line longer than kLongestScoreLine: it and every later slot get default entries. Ends the
    // process with code 1 if the entries, or a line of the file, cannot be allocated; a `size`
    // outside 0 to 32767 (the table counts with 16-bit indices) counts as such a failure.
    HighscoreTable(std::string path, int size);
    // Writes the table back to the very file it was read from (or creates the file that was
    // missing), but only when the file was missing or was read through: a file that exists but
    // could not be read, or whose reading stopped at a line longer than kLongestScoreLine, keeps
    // the scores it holds. See ReplaceableFile for when a file is saved, and how.
    ~HighscoreTable();
    HighscoreTable(const HighscoreTable&) = delete;
    HighscoreTable& operator=(const HighscoreTable&) = delete;

    // 0 for an index outside the table.
    int scoreAt(int index) const;
    // Empty for an index outside the table.
    std::string nameAt(int index) const;

    HighscoreEntry* entries;  // owned array of `capacity` entries
    int capacity;
    std::string fileName;

private:
    void load();
    void sort();
    void save();

    std::unique_ptr<ReplaceableFile> file;  // set by load: the file read, and saved over
    bool mayRewrite;  // set by load: the file was missing or read without a failure
};

// Ends the process the way a table ends when it cannot get memory for its list: a message on
// standard output and exit code 1.
[[noreturn]] void failListAllocation();
