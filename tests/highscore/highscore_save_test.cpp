// Saving a highscore table never destroys the player's file, and allocation failure ends the game.
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <tuple>

#include "highscore/table_rows.h"
#include "highscore_table.h"
#include "regular_file.h"
#include "replace_file.h"
#include "score_line.h"
#include "support/work_dir.h"

namespace fs = std::filesystem;

namespace {

const char* const kFile = "Data/mittel.hsc";
// Unsorted, so any save that gets through changes the file.
const char* const kUnsorted = "Low;1\nHigh;9999\n";

#ifdef PLIMSDL_SANITIZE
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

// While set, the next nothrow array allocation fails, as if memory had run out.
bool g_failNextArray = false;

std::vector<std::string> filesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// Another player, for the tests that root runs; becomeNobody makes a death test's child that
// player, in `group` as well.
constexpr uid_t kNobody = 65534;
bool becomeNobody(gid_t group = kNobody) {
    return setgroups(1, &group) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
}

// An ACL that lets nobody read as well (setfacl -m u:nobody:r), in the kernel's format: a version,
// then the tag, permissions and id of the owner, nobody, the group, the mask and the others.
const char* const kAclName = "system.posix_acl_access";
const std::string kAcl(
    "\x02\0\0\0"
    "\x01\0\x06\0\xff\xff\xff\xff\x02\0\x04\0\xfe\xff\0\0"
    "\x04\0\x04\0\xff\xff\xff\xff\x10\0\x04\0\xff\xff\xff\xff"
    "\x20\0\0\0\xff\xff\xff\xff",
    44);

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
    // A reader sees a hang-up once anybody has opened the pipe for writing and let it go again.
    const int reader = open(kFile, O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(loadRows(kFile), defaultRows(150, 10));
    EXPECT_TRUE(fs::is_fifo(kFile));
    pollfd watch = {reader, POLLIN, 0};
    EXPECT_EQ(poll(&watch, 1, 0), 0) << "the pipe was opened for writing";
    close(reader);
}

// Unreadable for the player (never root, whom permission bits do not stop): the view shows the
// defaults, as for a missing file, but they never overwrite the scores in it. Under root, the
// player is nobody (65534) in a child process.
TEST(HighscoreSaveDeathTest, UnreadableFileKeepsItsScores) {
    WorkDir dir;
    dir.writeFile(kFile, kUnsorted);
    ASSERT_EQ(chmod(kFile, 0200), 0);
    if (geteuid() != 0) {
        EXPECT_EQ(loadRows(kFile), defaultRows(150, 10));
    } else {
        // nobody owns the file and its folder, so only the mode keeps the file from being written.
        ASSERT_EQ(chmod(dir.root().c_str(), 0755), 0);
        ASSERT_EQ(chown("Data", kNobody, kNobody), 0);
        ASSERT_EQ(chown(kFile, kNobody, kNobody), 0);
        const auto loadAsNobody = [] {
            std::exit(becomeNobody() && loadRows(kFile) == defaultRows(150, 10) ? 0 : 1);
        };
        EXPECT_EXIT(loadAsNobody(), testing::ExitedWithCode(0), "");
    }
    ASSERT_EQ(chmod(kFile, 0600), 0);  // for the player to read it back
    EXPECT_EQ(dir.readFile(kFile), kUnsorted);
    EXPECT_EQ(filesIn("Data"), std::vector<std::string>{"mittel.hsc"});
}

TEST(HighscoreSave, ReadOnlyFileIsLeftAloneEvenByRoot) {
    WorkDir dir;
    dir.writeFile(kFile, kUnsorted);
    fs::permissions(kFile, fs::perms::owner_read | fs::perms::group_read);
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
    ASSERT_EQ(setxattr("Data/real.hsc", kAclName, kAcl.data(), kAcl.size(), 0), 0);
    fs::create_symlink("real.hsc", kFile);
    const std::vector<Row> rows = loadRows(kFile);
    EXPECT_TRUE(fs::is_symlink(kFile));
    EXPECT_EQ(dir.readFile("Data/real.hsc"), fileText(rows));
    EXPECT_EQ(permissionsOf("Data/real.hsc"), 0640u);
    std::string kept(kAcl.size() + 1, '\0');
    kept.resize(static_cast<std::size_t>(
        std::max<ssize_t>(getxattr("Data/real.hsc", kAclName, kept.data(), kept.size()), 0)));
    EXPECT_EQ(kept, kAcl);

    // A table with another hard link is saved in place, so both names still hold one file, cut to
    // the new table's length.
    dir.writeFile("Data/benutzer.hsc", kUnsorted + std::string(200, '\n'));
    ASSERT_EQ(link("Data/benutzer.hsc", "Data/copy.hsc"), 0);
    const std::vector<Row> shared = loadRows("Data/benutzer.hsc");
    EXPECT_EQ(dir.readFile("Data/copy.hsc"), fileText(shared));

    // A link to a file that is not there yet stays a link, and the file appears where it points.
    fs::create_symlink("later.hsc", "Data/einfach.hsc");
    EXPECT_EQ(loadRows("Data/einfach.hsc"), defaultRows(150, 10));
    EXPECT_TRUE(fs::is_symlink("Data/einfach.hsc"));
    EXPECT_EQ(dir.readFile("Data/later.hsc"), fileText(defaultRows(150, 10)));

    // A link of the player's own to the folder is followed like the table's.
    fs::create_symlink("Data", "Ours");
    loadRows("Ours/schwer.hsc");
    EXPECT_EQ(dir.readFile("Data/schwer.hsc"), fileText(defaultRows(150, 10)));
}

// Another user's link anywhere on the path (planted, say, where the game runs as root): the table
// shows what it leads to, but nothing is ever written or created through it. Root gives the link
// to nobody; anyone else leads it through root's link /dev/fd.
TEST(HighscoreSave, OtherUsersLinksAreReadButNeverWrittenThrough) {
    const struct {
        const char* link;  // another user's, to `target`
        const char* target;
        const char* path;   // the table looked at; "Ours" is the player's own link to "Data"
        const char* shown;  // the name in the table's first row
    } cases[] = {
        {"Data/mittel.hsc", "../Real/mittel.hsc", "Data/mittel.hsc", "High"},
        {"Data/einfach.hsc", "../Real/einfach.hsc", "Data/einfach.hsc", ":)"},
        {"Data", "Real", "Data/mittel.hsc", "High"},
        {"Data", "Real", "Data/einfach.hsc", ":)"},
        {"Data", "Real", "Ours/mittel.hsc", "High"},
    };
    for (const auto& c : cases) {
        WorkDir dir;
        fs::rename("Data", "Real");
        dir.writeFile("Real/mittel.hsc", kUnsorted);
        if (std::string(c.link) != "Data") {
            fs::create_directory("Data");
        }
        const FileDescriptor linkFolder(
            open((fs::path(c.link).parent_path() / ".").c_str(), O_PATH | O_DIRECTORY));
        if (geteuid() == 0) {
            fs::create_symlink(c.target, c.link);
            ASSERT_EQ(lchown(c.link, kNobody, kNobody), 0);
        } else {
            fs::create_symlink("/dev/fd/" + std::to_string(linkFolder.get()) + "/" + c.target,
                               c.link);
        }
        fs::create_symlink("Data", "Ours");
        EXPECT_EQ(loadRows(c.path)[0].first, c.shown) << c.link << ", " << c.path;
        EXPECT_EQ(dir.readFile("Real/mittel.hsc"), kUnsorted) << c.link << ", " << c.path;
        EXPECT_EQ(filesIn("Real"), std::vector<std::string>{"mittel.hsc"}) << c.path;
    }
}

// In a sticky folder anyone may write to, another user's link is not even read through, as the
// kernel would not follow it either: nobody may plant one there for root to read a file with.
TEST(HighscoreSave, PlantedLinkInASharedStickyFolderIsNotRead) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can plant another user's link";
    }
    WorkDir dir;
    dir.writeFile("Data/mittel.hsc", kUnsorted);
    fs::create_directory("Shared");
    ASSERT_EQ(chmod("Shared", 01777), 0);
    fs::create_symlink("../Data/mittel.hsc", "Shared/mittel.hsc");
    ASSERT_EQ(lchown("Shared/mittel.hsc", kNobody, kNobody), 0);
    EXPECT_EQ(loadRows("Shared/mittel.hsc")[0].first, ":)");
    EXPECT_EQ(dir.readFile("Data/mittel.hsc"), kUnsorted);
    ASSERT_EQ(lchown("Shared/mittel.hsc", 0, 0), 0);  // the folder's owner's link is followed
    EXPECT_EQ(loadRows("Shared/mittel.hsc")[0].first, "High");
}

// A table of group users (100), mode 0664, saved by nobody, one of the group. Where nobody may
// make files in the folder, the table is replaced: it becomes nobody's but stays the group's, so
// the rest of the group can still save it. In root's folder (0755), as packaged games share
// tables, or in a sticky one, where nobody may replace only their own files, it is saved in place
// and stays root's.
TEST(HighscoreSaveDeathTest, AnotherPlayersSaveKeepsTheGroup) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can give a table to another player";
    }
    constexpr gid_t kUsers = 100;
    const struct {
        uid_t folderOwner;  // and the table's owner after the save
        mode_t folderMode;
    } cases[] = {{kNobody, 0755}, {0, 0755}, {0, 01777}};
    for (const auto& c : cases) {
        WorkDir dir;
        dir.writeFile(kFile, kUnsorted);
        ASSERT_EQ(chmod(dir.root().c_str(), 0755), 0);
        ASSERT_EQ(chown("Data", c.folderOwner, c.folderOwner), 0);
        ASSERT_EQ(chmod("Data", c.folderMode), 0);
        ASSERT_EQ(chown(kFile, 0, kUsers), 0);
        ASSERT_EQ(chmod(kFile, 0664), 0);
        EXPECT_EXIT(
            std::exit(becomeNobody(kUsers) && loadRows(kFile)[0] == Row("High", 9999) ? 0 : 1),
            testing::ExitedWithCode(0), "");
        struct stat saved = {};
        ASSERT_EQ(stat(kFile, &saved), 0);
        EXPECT_EQ(std::make_tuple(saved.st_uid, saved.st_gid, saved.st_mode & 07777),
                  std::make_tuple(c.folderOwner, kUsers, 0664u));
        EXPECT_EQ(
            dir.readFile(kFile),
            fileText(joined({Row("High", 9999)}, joined(defaultRows(130, 10), {Row("Low", 1)}))));
    }
}

// Data, the player's own link, swapped for one to another folder between reading a table and
// saving it: the table goes back where it was read from, and the other folder's stays its own.
TEST(HighscoreSave, TableIsSavedWhereItWasRead) {
    WorkDir dir;
    fs::rename("Data", "Anna");
    fs::create_directory("Ben");
    dir.writeFile("Anna/mittel.hsc", "Anna;1200\n");
    dir.writeFile("Ben/mittel.hsc", "Ben;980\n");
    fs::create_symlink("Anna", "Data");
    {
        const HighscoreTable table(kFile, kRows);
        fs::create_symlink("Ben", "Swapped");
        fs::rename("Swapped", "Data");
    }
    EXPECT_EQ(dir.readFile("Anna/mittel.hsc"),
              fileText(joined({Row("Anna", 1200)}, defaultRows(140, 10))));
    EXPECT_EQ(dir.readFile("Ben/mittel.hsc"), "Ben;980\n");
}

// A file swapped for something else after the save checked it, and before the new table is
// renamed over it: the writer runs in between, so the swap comes at that moment every time.
// Whatever was swapped in stays in place.
TEST(HighscoreSave, FileSwappedBetweenCheckAndRenameIsLeftAlone) {
    const struct {
        const char* what;
        bool (*swap)();
    } cases[] = {
        {"another file",
         [] {
             std::ofstream("Data/other") << kUnsorted;
             return rename("Data/other", kFile) == 0;
         }},
        // Looked at through the link, it is the very file that was checked.
        {"a link to the checked file",
         [] {
             return link(kFile, "Data/same") == 0 && symlink("same", "Data/link") == 0 &&
                    rename("Data/link", kFile) == 0;
         }},
    };
    for (const auto& c : cases) {
        WorkDir dir;
        dir.writeFile(kFile, kUnsorted);
        struct stat swapped = {};
        const bool replaced = ReplaceableFile(kFile).save([&c, &swapped](int fd) {
            EXPECT_TRUE(c.swap()) << c.what;
            lstat(kFile, &swapped);
            return writeAll(fd, "Anna;1200\n");
        });
        struct stat after = {};
        lstat(kFile, &after);
        EXPECT_FALSE(replaced) << c.what;
        EXPECT_EQ(after.st_ino, swapped.st_ino) << c.what;
    }
}

// fsync refuses a pipe: a writer that leaves one in place of the new file makes the sync fail for
// real, as a failing disk would, and nothing may count as saved.
TEST(HighscoreSave, FailedSyncSavesNothing) {
    WorkDir dir;
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const bool saved = ReplaceableFile(kFile).save(
        [&pipeEnds](int fd) { return dup2(pipeEnds[1], fd) == fd && writeAll(fd, kUnsorted); });
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(dir.exists(kFile));
}

TEST(HighscoreSave, RemovesOnlyItsOwnStaleTemporaryFiles) {
    WorkDir dir;
    // Left two minutes ago by a save of this table that was killed, by a save of another table,
    // by a save running in another instance (which holds a lock on it), and names no save makes.
    const char* const oldFiles[] = {".mittel.hsc.k1LLed", ".schwer.hsc.k1LLed",
                                    ".mittel.hsc.Locked", ".mittel.hsc.k1LLed0",
                                    ".mittel.hsc.k1-Led", "mittel.hsc.k1LLed"};
    for (const char* name : oldFiles) {
        const std::string path = std::string("Data/") + name;
        dir.writeFile(path, kUnsorted);
        fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    }
    dir.writeFile("Data/.mittel.hsc.Young1", kUnsorted);  // a save running just now
    const int running = open("Data/.mittel.hsc.Locked", O_RDONLY);
    ASSERT_EQ(flock(running, LOCK_EX), 0);
    loadRows(kFile);
    close(running);
    std::vector<std::string> left = filesIn("Data");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
              (std::vector<std::string>{".mittel.hsc.Locked", ".mittel.hsc.Young1",
                                        ".mittel.hsc.k1-Led", ".mittel.hsc.k1LLed0",
                                        ".schwer.hsc.k1LLed", "mittel.hsc", "mittel.hsc.k1LLed"}));
}

TEST(HighscoreSave, NewFileFollowsUmask) {
    WorkDir dir;
    const mode_t oldMask = umask(027);
    loadRows(kFile);
    umask(oldMask);
    EXPECT_EQ(permissionsOf(kFile), 0640u);
    EXPECT_EQ(filesIn("Data"), std::vector<std::string>{"mittel.hsc"});
}

// Keeps the address space within `allowance` bytes beyond what the process uses now.
void limitAddressSpace(rlim_t allowance) {
    rlim_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t limit = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + allowance;
    const rlimit tight = {limit, limit};
    setrlimit(RLIMIT_AS, &tight);
}

TEST(HighscoreTableDeathTest, RunningOutOfMemoryEndsWithMessageOnStandardOutput) {
    WorkDir dir;
    // NUL bytes up to the longest line a table reads, sparse so that they take no room on disk.
    const char* const kHugeLine = "Data/einfach.hsc";
    constexpr auto kHugeSize = static_cast<off_t>(kLongestScoreLine);
    const int huge = open(kHugeLine, O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(ftruncate(huge, kHugeSize), 0);
    close(huge);
    const struct {
        const char* what;
        const char* file;
        void (*starve)();
    } cases[] = {
        {"no memory for the list", kFile, [] { g_failNextArray = true; }},
        {"no memory for a line of the longest kind", kHugeLine,
         [] { limitAddressSpace(kLongestScoreLine / 2); }},
    };
    for (const auto& c : cases) {
        if (c.file == kHugeLine && kAddressSanitizer) {
            continue;  // the sanitizer's own shadow memory leaves no address space to limit
        }
        const auto createWithoutMemory = [&c] {
            // Standard output goes where the death test listens; standard error goes nowhere.
            const int listener = dup(STDERR_FILENO);
            dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
            dup2(listener, STDOUT_FILENO);
            c.starve();
            HighscoreTable table(c.file, kRows);
        };
        EXPECT_EXIT(createWithoutMemory(), testing::ExitedWithCode(1),
                    "^\nKonnte keine Liste erzeugen!\nSpeicherallocation nicht möglich\n$")
            << c.what;
    }
    EXPECT_FALSE(dir.exists(kFile));
    EXPECT_EQ(fs::file_size(kHugeLine), static_cast<std::uintmax_t>(kHugeSize)) << "left as it was";
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
