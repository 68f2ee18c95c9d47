// The game's command line: a packaged game's usual options, every one of them optional. Started
// without any, the game plays as it always has.
#pragma once

struct CommandLine {
    enum class Action {
        Play,
        ShowHelp,     // the usage on standard output, then end with 0
        ShowVersion,  // "PlimSDL <version>" on standard output, then end with 0
        Refuse,       // the usage on standard error, then end with 2
    };
    Action action = Action::Play;
    bool fullscreen = false;
    int scale = 0;  // the window's scale; 0 for the largest the desktop has room for
};

// Scales asked for beyond this count as this: no desktop has room for them.
constexpr int kLargestScaleRead = 9999;

// Reads argv[1] to argv[argc - 1]: --fullscreen and --window (the last one wins), --scale N or
// --scale=N with N a whole number from 1 up, --help and --version (help first). Anything else,
// or a scale that is no such number, refuses the whole command line. Whether the desktop has
// room for the scale is for the window to tell, once SDL knows the desktop.
CommandLine readCommandLine(int argc, const char* const* argv);

// What --help prints.
extern const char* const kUsage;
