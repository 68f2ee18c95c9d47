// Resolving a path one part at a time, so that another user's link can never steer a write.
#include "path_walk.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <deque>
#include <string>
#include <utility>

namespace {

constexpr int kMaxLinkHops = 40;  // as many as the kernel follows

// The parts of `path` between its slashes, empty ones included: "Data/" ends in an empty part.
std::deque<std::string> partsOf(const std::string& path) {
    std::deque<std::string> parts;
    std::size_t start = path[0] == '/' ? 1 : 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        parts.push_back(path.substr(start, slash - start));
        if (slash == std::string::npos) {
            return parts;
        }
        start = slash + 1;
    }
}

// Where the link open at `fd` leads; false when it cannot be read.
bool readLink(int fd, std::string* target) {
    target->assign(PATH_MAX, '\0');
    const ssize_t length = readlinkat(fd, "", target->data(), target->size());
    if (length <= 0 || static_cast<std::size_t>(length) >= target->size()) {
        return false;
    }
    target->resize(static_cast<std::size_t>(length));
    return true;
}

int openRoot() {
    return open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// The kernel's own rule for a link in a sticky folder that anyone may write to, such as /tmp:
// only our own links and those of the folder's owner are followed there, so that nobody can
// plant one for another user to read through.
bool kernelFollows(int directory, const struct stat& link) {
    struct stat folder = {};
    if (fstat(directory, &folder) != 0) {
        return false;
    }
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || link.st_uid == geteuid() || link.st_uid == folder.st_uid;
}

// Puts the parts of the link open at `fd` before the parts still to walk, and an absolute link
// starts again from the root; false when the link may not be followed.
bool followLink(int fd, const struct stat& status, int* hops, std::deque<std::string>* parts,
                PathEnd* end) {
    std::string link;
    if (++*hops > kMaxLinkHops || !kernelFollows(end->directory.get(), status) ||
        !readLink(fd, &link)) {
        return false;
    }
    end->ownLinksOnly = end->ownLinksOnly && status.st_uid == geteuid();
    if (link[0] == '/') {
        end->directory.reset(openRoot());
    }
    const std::deque<std::string> linkParts = partsOf(link);
    parts->insert(parts->begin(), linkParts.begin(), linkParts.end());
    return true;
}

}  // namespace

bool walkPath(const std::string& path, PathEnd* end) {
    if (path.empty()) {
        return false;
    }
    std::deque<std::string> parts = partsOf(path);
    end->directory.reset(path[0] == '/' ? openRoot() : open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    end->exists = false;
    end->ownLinksOnly = true;
    int hops = 0;
    while (end->directory.isOpen()) {
        std::string part = std::move(parts.front());
        parts.pop_front();
        const bool last = parts.empty();
        if (part.empty() || part == "." || (last && part == "..")) {
            if (last) {
                return false;  // a directory, never a file to write
            }
            continue;
        }
        // O_PATH looks at the part without opening it for reading or writing, which has effects
        // on some devices; O_NOFOLLOW gives a link itself, so its owner is noted before it is
        // followed, and what is read is the very link that was looked at.
        FileDescriptor found(
            openat(end->directory.get(), part.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (!found.isOpen()) {
            // Only the last part may be missing: that is where a new file goes.
            const bool missing = last && errno == ENOENT;
            end->name = std::move(part);
            return missing;
        }
        struct stat status = {};
        if (fstat(found.get(), &status) != 0) {
            return false;
        }
        if (S_ISLNK(status.st_mode)) {
            if (!followLink(found.get(), status, &hops, &parts, end)) {
                return false;
            }
        } else if (last) {
            end->name = std::move(part);
            end->exists = true;
            end->status = status;
            return true;
        } else if (S_ISDIR(status.st_mode)) {
            end->directory = std::move(found);
        } else {
            return false;
        }
    }
    return false;
}
