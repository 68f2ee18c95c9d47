// A fixed, seeded round of mutated highscore files, so every build fuzzes the table a little.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "highscore/highscore_fuzz.h"
#include "score_line.h"
#include "support/whole_file.h"

namespace {

constexpr int kMutatedInputs = 2000;
constexpr int kMaxMutationsPerInput = 4;
constexpr std::size_t kMaxInputSize = 1 << 16;
constexpr std::uint32_t kSeed = 0x504c494d;
// Bytes that matter to the line rules, inserted more often than chance would.
const std::string kTokens[] = {";",
                               "\n",
                               "\r\n",
                               "-",
                               "+",
                               " ",
                               "0",
                               "9",
                               std::string(1, '\0'),
                               "\xff",
                               "2147483648",
                               "-2147483649",
                               "99999999999999999999"};

using Bytes = std::string;

std::vector<Bytes> readCorpus() {
    std::vector<Bytes> corpus;
    const std::filesystem::path folder =
        std::filesystem::path(PLIMSDL_SOURCE_DIR) / "tests/highscore/corpus";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        corpus.push_back(readWholeFile(entry.path().string()));
    }
    // Directory order differs between machines; the seed must give the same inputs everywhere.
    std::sort(corpus.begin(), corpus.end());
    // Lines as long as a table reads, and a byte longer, too large to keep as files.
    const Bytes name(kLongestScoreLine - 4, 'N');
    corpus.push_back("A;5\n" + name + ";800\nB;7");
    corpus.push_back(name + ";800\n" + name + ";8000\nB;7\n");
    return corpus;
}

// Plain modulo of the engine's output keeps the inputs identical across standard libraries.
std::size_t below(std::mt19937& random, std::size_t bound) {
    return bound == 0 ? 0 : random() % bound;
}

void mutate(Bytes& bytes, const std::vector<Bytes>& corpus, std::mt19937& random) {
    const std::size_t at = below(random, bytes.size() + 1);
    switch (below(random, 5)) {
        case 0:
            if (!bytes.empty()) {
                bytes[below(random, bytes.size())] ^= static_cast<char>(1u << below(random, 8));
            }
            break;
        case 1:
            bytes.insert(at, 1, static_cast<char>(random()));
            break;
        case 2:
            bytes.insert(at, kTokens[below(random, std::size(kTokens))]);
            break;
        case 3:
            bytes.erase(at, below(random, 16));
            break;
        default: {
            const Bytes& other = corpus[below(random, corpus.size())];
            bytes = bytes.substr(0, at) + other.substr(below(random, other.size() + 1));
        }
    }
}

// What the end-to-end check finds wrong with a table read from `bytes`; "" when nothing.
std::string brokenRule(const Bytes& bytes) {
    return fuzzHighscoreFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

TEST(HighscoreFuzz, MutatedFilesKeepTheTableRules) {
    const std::vector<Bytes> corpus = readCorpus();
    ASSERT_GE(corpus.size(), 10u);
    std::mt19937 random(kSeed);
    int checked = 0;
    for (const Bytes& seed : corpus) {
        ASSERT_EQ(brokenRule(seed), "");
        ++checked;
    }
    for (int n = 0; n < kMutatedInputs; ++n) {
        Bytes input = corpus[below(random, corpus.size())];
        const std::size_t mutations = 1 + below(random, kMaxMutationsPerInput);
        for (std::size_t m = 0; m < mutations; ++m) {
            mutate(input, corpus, random);
        }
        input.resize(std::min(input.size(), kMaxInputSize));
        ASSERT_EQ(brokenRule(input), "");
        ++checked;
    }
    EXPECT_EQ(checked, static_cast<int>(corpus.size()) + kMutatedInputs);
}

}  // namespace
