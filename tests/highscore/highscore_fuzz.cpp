// The end-to-end check behind the highscore fuzzer and its GoogleTest driver.
#include "highscore/highscore_fuzz.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "highscore_table.h"
#include "score_line.h"
#include "support/whole_file.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTableSize = 15;
constexpr std::int32_t kDefaultScoreStep = 10;
// How much of a failing input the report shows.
constexpr std::size_t kShownBytes = 256;

using Entries = std::vector<std::pair<std::int32_t, std::string>>;

// The fuzzer's own directory: below $TMPDIR when set, else memory-backed where possible, because
// every save syncs to disk.
class FuzzDirectory {
public:
    FuzzDirectory() {
        const char* chosen = std::getenv("TMPDIR");
        const fs::path base = chosen != nullptr && *chosen != '\0' ? fs::path(chosen)
                              : access("/dev/shm", W_OK) == 0      ? fs::path("/dev/shm")
                                                                   : fs::temp_directory_path();
        std::string pattern = (base / "plimsdl-fuzz-XXXXXX").string();
        // Saves follow only links of the player's own, so the path is taken without any.
        if (mkdtemp(pattern.data()) != nullptr) {
            path = fs::canonical(pattern).string();
        }
    }
    ~FuzzDirectory() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::string path;  // empty when none could be made
};

// Thrown by a check that finds a rule broken.
struct Violation {
    const char* rule;
};

[[noreturn]] void violation(const char* rule, const std::uint8_t* data, std::size_t size) {
    std::fprintf(stderr, "highscore fuzz: %s\ninput of %zu bytes:", rule, size);
    for (std::size_t i = 0; i < size && i < kShownBytes; ++i) {
        std::fprintf(stderr, " %02x", data[i]);
    }
    std::fprintf(stderr, "\n");
    throw Violation{rule};
}

Entries entriesOf(const HighscoreTable& table) {
    Entries entries;
    for (int i = 0; i < table.capacity; ++i) {
        entries.emplace_back(table.scoreAt(i), table.nameAt(i));
    }
    return entries;
}

// What the table must hold, in file order: the parser's reading of each of the first lines, up
// to a line longer than the longest a table reads (`tooLong` then tells so).
Entries expectedEntries(const std::string& file, bool* tooLong) {
    Entries entries;
    std::size_t start = 0;
    *tooLong = false;
    for (int i = 0; i < kTableSize; ++i) {
        std::string line;
        if (start < file.size() && !*tooLong) {
            const std::size_t end = std::min(file.find('\n', start), file.size());
            *tooLong = end - start > kLongestScoreLine;
            line = *tooLong ? std::string() : file.substr(start, end - start);
            start = end + 1;
        }
        HighscoreEntry entry{":)", (kTableSize - i) * kDefaultScoreStep};
        parseScoreLine(line, &entry);
        entries.emplace_back(entry.score, entry.name);
    }
    return entries;
}

void checkLoaded(const Entries& loaded, const std::string& file, const std::uint8_t* data,
                 bool* tooLong) {
    if (loaded.size() != kTableSize) {
        violation("the table does not hold 15 entries", data, file.size());
    }
    for (std::size_t i = 1; i < loaded.size(); ++i) {
        if (loaded[i - 1].first < loaded[i].first) {
            violation("the table is not sorted highest first", data, file.size());
        }
    }
    Entries expected = expectedEntries(file, tooLong);
    Entries found = loaded;
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    if (expected != found) {
        violation("the table disagrees with the line parser", data, file.size());
    }
}

void checkFile(const std::string& directory, const std::uint8_t* data, std::size_t size) {
    const std::string path = directory + "/fuzz.hsc";
    const std::string file(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out.write(file.data(), static_cast<std::streamsize>(size)).flush()) {
            violation("the input could not be written", data, size);
        }
    }
    Entries loaded;
    {
        const HighscoreTable table(path, kTableSize);
        loaded = entriesOf(table);
    }
    bool tooLong = false;
    checkLoaded(loaded, file, data, &tooLong);
    const std::string saved = readWholeFile(path);
    if (tooLong && saved != file) {
        violation("a file with a line beyond the longest was written", data, size);
    }
    if (!tooLong &&
        (std::count(saved.begin(), saved.end(), '\n') != kTableSize || saved.back() != '\n')) {
        violation("the saved file does not have 15 lines", data, size);
    }
    {
        const HighscoreTable again(path, kTableSize);
        if (entriesOf(again) != loaded) {
            violation("the saved file reads back as another table", data, size);
        }
    }
    if (readWholeFile(path) != saved) {
        violation("saving the table again changed the file", data, size);
    }
}

}  // namespace

std::string fuzzHighscoreFile(const std::uint8_t* data, std::size_t size) {
    static const FuzzDirectory directory;
    if (directory.path.empty()) {
        return "no temporary directory could be made";
    }
    try {
        checkFile(directory.path, data, size);
    } catch (const Violation& broken) {
        return broken.rule;
    }
    return "";
}
