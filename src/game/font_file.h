// A structural check of a TrueType font file, before the menus trust it with every text.
#pragma once

#include <cstdint>

// The largest font file the game accepts; its menu font is a few hundred kilobytes.
constexpr std::uint64_t kMaxFontBytes = std::uint64_t{32} * 1024 * 1024;

// True when `path` names a regular file of at most kMaxFontBytes that is a TrueType or OpenType
// font whose every table lies wholly inside the file: a font cut short, something else under the
// font's name, a pipe, a device or a directory fails. Reads only the font's table directory, and
// throws nothing.
bool isCompleteFontFile(const char* path);
