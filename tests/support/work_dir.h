// A temporary working directory for one test, with a Data/ folder to fill, removed afterwards.
#pragma once

#include <string>

class WorkDir {
public:
    // Creates the directory with an empty Data/ inside and makes it the working directory.
    WorkDir();
    // Returns to the previous working directory and removes everything below this one.
    ~WorkDir();
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    // Copies a file of the repository's Data/ into this directory's Data/.
    void copyData(const std::string& name) const;
    // Copies the bitmaps and the font the game needs to start.
    void copyGameData() const;

    void writeFile(const std::string& relative, const std::string& bytes) const;
    std::string readFile(const std::string& relative) const;
    bool exists(const std::string& relative) const;

    const std::string& root() const { return root_; }

private:
    std::string root_;
    std::string previous_;
};

// The path of a file in the repository's Data/ folder.
std::string repositoryDataPath(const std::string& name);
