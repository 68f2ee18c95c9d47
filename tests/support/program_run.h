// Runs the real plimsdl binary as a child process and collects what it printed and its exit code.
#pragma once

#include <string>
#include <vector>

struct ProgramRun {
    int exitCode = -1;  // -1 when it was killed, for example after the time limit
    std::string out;
    std::string err;
};

// Starts build/plimsdl in `workDir` with `environment` ("NAME=value") added to the test's own
// (a bare "NAME" removes that variable) and a private XDG_RUNTIME_DIR, waits at most
// `timeoutSeconds`, and kills it if it is still running then. `arguments` follow the program's
// name on its command line.
ProgramRun runGame(const std::string& workDir, const std::vector<std::string>& environment,
                   int timeoutSeconds = 20, const std::vector<std::string>& arguments = {});

// "XDG_RUNTIME_DIR=<dir>" for a folder of its own in `workDir`, made readable by its owner
// alone, as a desktop session gives every program it starts.
std::string privateRuntimeDir(const std::string& workDir);

// The lines of `output` that are the game's own messages, each with its line end, in order;
// the notes of the libraries beneath it (SDL3, Mesa) are left out.
std::string gameMessages(const std::string& output);
