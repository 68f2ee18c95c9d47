// The check of the menu font's file, made on its bytes before SDL_ttf is trusted with them.
#pragma once

#include <cstddef>
#include <cstdint>

// The largest font file the menus accept; their font is a few hundred kilobytes.
constexpr std::size_t kMaxFontBytes = std::size_t{32} * 1024 * 1024;

// True when `bytes` are a TrueType or OpenType font whose every table lies wholly inside them:
// a font cut short, or something else under its name, is refused. The check for
// readCheckedFile.
bool isCompleteFont(const std::uint8_t* bytes, std::size_t size);
