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
// (a bare "NAME" removes that variable), waits at most `timeoutSeconds`, and kills it if it is
// still running then.
ProgramRun runGame(const std::string& workDir, const std::vector<std::string>& environment,
                   int timeoutSeconds = 20);
