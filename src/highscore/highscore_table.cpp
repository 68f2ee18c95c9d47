// Loading, sorting, querying and saving a highscore table.
#include "highscore_table.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

#include "fatal.h"
#include "regular_file.h"
#include "replace_file.h"
#include "score_line.h"
#include "table_reader.h"

namespace {

// The table counts its entries with 16-bit indices, so no table may hold more.
constexpr int kMaxCapacity = 32767;
// Default entries are spaced this far apart, so slot i of n gets (n - i) x kDefaultScoreStep.
constexpr std::int32_t kDefaultScoreStep = 10;
const char* const kAllocationFailure =
    "\nKonnte keine Liste erzeugen!\nSpeicherallocation nicht möglich\n";

}  // namespace

const char* const kDefaultName = ":)";

HighscoreTable::HighscoreTable(std::string path, int size)
    : entries(nullptr), capacity(size), fileName(std::move(path)), mayRewrite(false) {
    if (capacity >= 0 && capacity <= kMaxCapacity) {
        entries = new (std::nothrow) HighscoreEntry[static_cast<std::size_t>(capacity)]();
    }
    if (entries == nullptr) {
        failListAllocation();
    }
    load();
    sort();
}

HighscoreTable::~HighscoreTable() {
    save();
    delete[] entries;
}

int HighscoreTable::scoreAt(int index) const {
    return index >= 0 && index < capacity ? entries[index].score : 0;
}

std::string HighscoreTable::nameAt(int index) const {
    return index >= 0 && index < capacity ? entries[index].name : std::string();
}

void HighscoreTable::load() {
    TableReader::Outcome outcome = TableReader::Outcome::Unreadable;
    try {
        // Found once, so that the save writes to the very file read here.
        file = std::make_unique<ReplaceableFile>(fileName);
        // A file that cannot be opened reads like an empty one: every line is missing.
        TableReader reader(*file);
        std::string line;
        for (int i = 0; i < capacity; ++i) {
            if (!reader.nextLine(&line) || !parseScoreLine(std::move(line), &entries[i])) {
                entries[i].name = kDefaultName;
                entries[i].score = (capacity - i) * kDefaultScoreStep;
            }
        }
        outcome = reader.outcome();
    } catch (const std::bad_alloc&) {
        // A line longer than memory allows: as if the list itself could not be had.
        failListAllocation();
    }
    // Defaults written over a file that could not be read would lose the player's scores, and a
    // line too long to read would be lost with every line after it.
    mayRewrite = outcome == TableReader::Outcome::Missing || outcome == TableReader::Outcome::Read;
}

// Selection sort, highest first; among equal highest scores the first one found is taken, so a
// table that is already in order stays exactly as it is.
void HighscoreTable::sort() {
    for (int i = 0; i < capacity; ++i) {
        int best = i;
        for (int j = i; j < capacity; ++j) {
            if (entries[j].score > entries[best].score) {
                best = j;
            }
        }
        if (best > i) {
            std::swap(entries[i], entries[best]);
        }
    }
}

// A table that cannot be written is dropped without a word: highscores are never worth an error.
// The lines go straight to the file, so a long name is never copied.
void HighscoreTable::save() {
    if (!mayRewrite) {
        return;
    }
    try {
        file->save([this](int fd) {
            for (int i = 0; i < capacity; ++i) {
                if (!writeAll(fd, entries[i].name) ||
                    !writeAll(fd, scoreLineEnd(entries[i].score))) {
                    return false;
                }
            }
            return true;
        });
    } catch (const std::bad_alloc&) {
        // Without memory to save, the file keeps what it held.
    }
}

void failListAllocation() {
    fatal(stdout, 1, kAllocationFailure);
}
