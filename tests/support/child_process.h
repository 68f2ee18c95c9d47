// Other programs started from the tests: always from an argument vector, never through a shell.
#pragma once

#include <sys/types.h>

#include <csignal>
#include <string>
#include <vector>

// What to start and how.
struct Launch {
    std::vector<std::string> argv;         // argv[0] is looked up on PATH
    std::string workDir;                   // empty: the test's own working directory
    std::vector<std::string> environment;  // "NAME=value" adds or replaces, a bare "NAME" removes
    std::string outPath;                   // standard output into this file; empty: the test's
    std::string errPath;                   // likewise standard error ("/dev/null" to silence it)
    bool standardStreamsClosed = false;    // all three closed instead, as `<&- >&- 2>&-` does
};

// A running program. A program that cannot be started ends at once with exit code 127.
class ChildProcess {
public:
    // Starts it; throws std::runtime_error when no process can be made, std::invalid_argument
    // when argv is empty.
    explicit ChildProcess(const Launch& launch);
    // Kills the program (SIGKILL) if it still runs, and waits for it.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // True until the program has ended; never blocks.
    bool running();
    // Waits at most `seconds` for the program to end; true once it has.
    bool waitForEnd(double seconds);
    // Its process id while it runs or until it has been waited for.
    pid_t pid() const { return pid_; }
    // Its exit code once it ended by itself; -1 while it runs or when a signal ended it.
    int exitCode() const { return exitCode_; }
    // The most memory it held at once (its peak resident set), in kilobytes, once it ended.
    long peakKilobytes() const { return peakKilobytes_; }
    // Sends `signal` if the program still runs, and waits for it to end.
    void stop(int signal = SIGKILL);

private:
    pid_t pid_ = -1;  // -1 once the program has ended and been waited for
    int exitCode_ = -1;
    long peakKilobytes_ = 0;
};

// Runs a program to its end and returns what it wrote on standard output (`launch.outPath` is
// ignored); `exitCode`, when given, receives its exit code, or -1 when a signal ended it. A
// program still running after `seconds` (or holding its output open that long) is killed, and
// std::runtime_error says so: no test waits on another program for ever.
std::string outputOf(const Launch& launch, int* exitCode = nullptr, double seconds = 60);
