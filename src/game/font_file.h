// A structural check of a TrueType font file, before the menus trust it with every text.
#pragma once

// True when the file at `path` is a TrueType or OpenType font whose every table lies wholly
// inside the file: a font cut short, or something else under the font's name, fails.
bool isCompleteFontFile(const char* path);
