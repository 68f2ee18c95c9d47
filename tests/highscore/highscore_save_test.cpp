// Saving a highscore table never destroys the player's file, and allocation failure ends the game.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "highscore/highscore_table.h"
#include "highscore/table_rows.h"
#include "support/work_dir.h"

namespace fs = std::filesystem;

namespace {

const char* const kFile = "Data/mittel.hsc";
// Unsorted, so any save that gets through changes the file.
const char* const kUnsorted = "Low;1\nHigh;9999\n";

// While set, the next nothrow array allocation fails, as if memory had run out.
bool g_failNextArray = false;

std::vector<std::string> filesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

mode_t permissionsOf(const std::string& path) {
    struct stat status = {};
    EXPECT_EQ(stat(path.c_str(), &status), 0);
    return status.st_mode & 0777;
}

TEST(HighscoreSave, MissingDirectoryWritesNothing) {
    WorkDir dir;
    EXPECT_EQ(loadRows("Missing/schwer.hsc"), defaultRows(150, 10));
    EXPECT_FALSE(dir.exists("Missing"));
}

TEST(HighscoreSave, DirectoryInPlaceOfFileIsLeftAlone) {
    WorkDir dir;
    fs::create_directory(kFile);
    dir.writeFile(std::string(kFile) + "/inside", "x");
    EXPECT_EQ(loadRows(kFile), defaultRows(150, 10));
    EXPECT_TRUE(fs::is_directory(kFile));
    EXPECT_EQ(dir.readFile(std::string(kFile) + "/inside"), "x");
    EXPECT_EQ(filesIn("Data"), std::vector<std::string>{"mittel.hsc"});
}

TEST(HighscoreSave, NamedPipeIsNeitherReadNorReplaced) {
    WorkDir dir;
    ASSERT_EQ(mkfifo(kFile, 0644), 0);
    EXPECT_EQ(loadRows(kFile), defaultRows(150, 10));
    EXPECT_TRUE(fs::is_fifo(kFile));
}

TEST(HighscoreSave, ReadOnlyFileIsLeftAlone) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root from writing";
    }
    WorkDir dir;
    dir.writeFile(kFile, kUnsorted);
    fs::permissions(kFile, fs::perms::owner_read);
    EXPECT_EQ(loadRows(kFile)[0], Row("High", 9999));
    EXPECT_EQ(dir.readFile(kFile), kUnsorted);
    EXPECT_EQ(filesIn("Data"), std::vector<std::string>{"mittel.hsc"});
}

TEST(HighscoreSave, FailedWriteKeepsOldFile) {
    WorkDir dir;
    dir.writeFile(kFile, kUnsorted);
    auto* table = new HighscoreTable(kFile, kRows);
    // A file size limit below the table's size makes the write fail halfway, like a full disk.
    rlimit saved = {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = 32;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    delete table;
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(dir.readFile(kFile), kUnsorted);
    EXPECT_EQ(filesIn("Data"), std::vector<std::string>{"mittel.hsc"});
}

TEST(HighscoreSave, KeepsPermissionsAndLinks) {
    WorkDir dir;
    dir.writeFile("Data/real.hsc", kUnsorted);
    fs::permissions("Data/real.hsc",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.hsc", kFile);
    const std::vector<Row> rows = loadRows(kFile);
    EXPECT_TRUE(fs::is_symlink(kFile));
    EXPECT_EQ(dir.readFile("Data/real.hsc"), fileText(rows));
    EXPECT_EQ(permissionsOf("Data/real.hsc"), 0640u);
}

TEST(HighscoreSave, NewFileFollowsUmask) {
    WorkDir dir;
    const mode_t oldMask = umask(027);
    loadRows(kFile);
    umask(oldMask);
    EXPECT_EQ(permissionsOf(kFile), 0640u);
    EXPECT_EQ(filesIn("Data"), std::vector<std::string>{"mittel.hsc"});
}

TEST(HighscoreTableDeathTest, AllocationFailureEndsWithMessageOnStandardOutput) {
    WorkDir dir;
    const auto createWithoutMemory = [] {
        // Standard output goes where the death test listens; standard error goes nowhere.
        const int listener = dup(STDERR_FILENO);
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
        dup2(listener, STDOUT_FILENO);
        g_failNextArray = true;
        HighscoreTable table(kFile, kRows);
    };
    EXPECT_EXIT(createWithoutMemory(), testing::ExitedWithCode(1),
                "^\nKonnte keine Liste erzeugen!\nSpeicherallocation nicht möglich\n$");
    EXPECT_FALSE(dir.exists(kFile));
}

}  // namespace

// Replaces the allocator's nothrow array form so a test can make it fail on purpose.
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (g_failNextArray) {
        g_failNextArray = false;
        return nullptr;
    }
    try {
        return ::operator new[](size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
