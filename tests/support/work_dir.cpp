// Temporary working directories, so tests never touch the repository's own Data/.
#include "support/work_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/whole_file.h"

namespace fs = std::filesystem;

std::string repositoryDataPath(const std::string& name) {
    return std::string(PLIMSDL_SOURCE_DIR) + "/Data/" + name;
}

WorkDir::WorkDir() {
    std::string pattern = (fs::temp_directory_path() / "plimsdl-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    root_ = pattern;
    previous_ = fs::current_path().string();
    fs::create_directory(fs::path(root_) / "Data");
    fs::current_path(root_);
}

WorkDir::~WorkDir() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    // A test may have made files read-only; give the owner write access back before removal.
    for (const auto& entry : fs::recursive_directory_iterator(root_, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(root_, ignored);
}

void WorkDir::copyData(const std::string& name) const {
    fs::copy_file(repositoryDataPath(name), fs::path(root_) / "Data" / name,
                  fs::copy_options::overwrite_existing);
}

void WorkDir::copyGameData() const {
    for (const char* name :
         {"player.bmp", "steine.bmp", "trichter.bmp", "korb.bmp", "boulder.ttf"}) {
        copyData(name);
    }
}

void WorkDir::writeFile(const std::string& relative, const std::string& bytes) const {
    std::ofstream out(fs::path(root_) / relative, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + relative);
    }
}

std::string WorkDir::readFile(const std::string& relative) const {
    return readWholeFile((fs::path(root_) / relative).string());
}

bool WorkDir::exists(const std::string& relative) const {
    return fs::exists(fs::path(root_) / relative);
}
