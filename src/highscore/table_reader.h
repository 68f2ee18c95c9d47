// Reading a highscore file line by line, telling a missing file from one that could not be read.
#pragma once

#include <sys/types.h>

#include <string>

class ReplaceableFile;

class TableReader {
public:
    // What reading found out about the file.
    enum class Outcome {
        Missing,      // there is no file (a symbolic link may point to where it would be)
        Read,         // every line asked for was read, or the file ended before
        Unreadable,   // no way to it, no regular file, cannot be opened, or a read failed
        LineTooLong,  // reading stopped at a line longer than kLongestScoreLine bytes
    };

    // Reads the file that `file` found and holds open; `file` must outlive the reader. A file
    // that was refused (see ReplaceableFile) reads as Unreadable, without a line.
    explicit TableReader(const ReplaceableFile& file);

    // Reads the next line, without its line feed, into `line` (a failed allocation throws
    // std::bad_alloc). False, with `line` empty, when the file has no further line, cannot be
    // read, or when the line is longer than kLongestScoreLine: that line and all after it are
    // then left unread, and the outcome is LineTooLong. So however large the file, no more than one
    // byte beyond that bound is looked at for a line.
    bool nextLine(std::string* line);

    Outcome outcome() const { return outcome_; }

private:
    // Finds where the line starting at `start` ends, looking no further than one byte beyond
    // kLongestScoreLine; false when a read failed.
    bool findLineEnd(off_t start, off_t* end, bool* hasLineFeed) const;

    int fd_;          // borrowed from the ReplaceableFile, or -1
    off_t next_ = 0;  // where the next line starts
    bool ended_ = false;
    Outcome outcome_ = Outcome::Read;
};
