// The one way the program ends on a failure it cannot recover from: a German message, an exit code.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void fatal(std::FILE* stream, int exitCode, const char* message) {
    std::fputs(message, stream);
    std::fflush(stream);
    std::exit(exitCode);
}

// Most failures are reported on standard error.
[[noreturn]] inline void fatal(int exitCode, const char* message) {
    fatal(stderr, exitCode, message);
}

// For a failure a library explains: `what`, then its own `reason` (such as SDL_GetError()) and
// a line end, on standard error.
[[noreturn]] inline void fatal(int exitCode, const char* what, const char* reason) {
    std::fputs(what, stderr);
    std::fputs(reason, stderr);
    fatal(stderr, exitCode, "\n");
}
