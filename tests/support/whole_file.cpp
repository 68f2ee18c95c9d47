// Reading a whole file at once, for tests that compare, damage or print what is on disk.
#include "support/whole_file.h"

#include <fstream>
#include <iterator>

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
