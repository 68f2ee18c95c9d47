// Loading, sorting, querying and saving a highscore table.
#include "highscore/highscore_table.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <utility>

#include "highscore/replace_file.h"
#include "highscore/score_line.h"
#include "shell/fatal.h"

namespace {

// The table counts its entries with 16-bit indices, so no table may hold more.
constexpr int kMaxCapacity = 32767;
// Default entries are spaced this far apart, so slot i of n gets (n - i) x kDefaultScoreStep.
constexpr Sint32 kDefaultScoreStep = 10;
const char* const kDefaultName = ":)";
const char* const kAllocationFailure =
    "\nKonnte keine Liste erzeugen!\nSpeicherallocation nicht möglich\n";

}  // namespace

HighscoreTable::HighscoreTable(std::string path, int size)
    : entries(nullptr), capacity(size), fileName(std::move(path)) {
    if (capacity >= 0 && capacity <= kMaxCapacity) {
        entries = new (std::nothrow) HighscoreEntry[capacity]();
    }
    if (entries == nullptr) {
        fatal(stdout, 1, kAllocationFailure);
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
    // A file that cannot be opened reads like an empty one: every line is missing. Only regular
    // files are opened, so a named pipe cannot hang the game and a device cannot feed it forever.
    std::error_code ignored;
    std::ifstream in;
    if (std::filesystem::is_regular_file(fileName, ignored)) {
        in.open(fileName);
    }
    std::string line;
    for (int i = 0; i < capacity; ++i) {
        line.clear();
        if (in) {
            std::getline(in, line);
        }
        if (!parseScoreLine(line, &entries[i])) {
            entries[i].name = kDefaultName;
            entries[i].score = (capacity - i) * kDefaultScoreStep;
        }
    }
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
void HighscoreTable::save() {
    std::string bytes;
    for (int i = 0; i < capacity; ++i) {
        bytes += formatScoreLine(entries[i]);
    }
    replaceFileContents(fileName, bytes);
}
