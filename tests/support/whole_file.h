// Reading a whole file at once, for tests that compare, damage or print what is on disk.
#pragma once

#include <string>

// The bytes of the file at `path`; empty when it cannot be read.
std::string readWholeFile(const std::string& path);
