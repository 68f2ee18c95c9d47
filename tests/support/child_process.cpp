// Other programs started from the tests: always from an argument vector, never through a shell.
#include "support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

// The test's own environment with `changes` applied.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        result.emplace_back(*entry);
    }
    for (const std::string& change : changes) {
        const std::string prefix = change.substr(0, change.find('=')) + "=";
        result.erase(std::remove_if(result.begin(), result.end(),
                                    [&](const std::string& entry) {
                                        return entry.compare(0, prefix.size(), prefix) == 0;
                                    }),
                     result.end());
        if (change.find('=') != std::string::npos) {
            result.push_back(change);
        }
    }
    return result;
}

// The null-terminated array of C strings that exec wants; points into `strings`.
std::vector<char*> pointersInto(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// In the child: sends `fd` into the file `path`, created or emptied; nothing for an empty path.
void redirect(const std::string& path, int fd) {
    if (path.empty()) {
        return;
    }
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0 || dup2(file, fd) < 0) {
        _exit(127);
    }
}

// Starts the program with its standard output on `outFd`, or as the launch says when that is -1.
// Everything exec needs is built before the fork, so the child only redirects and executes.
pid_t spawn(const Launch& launch, int outFd) {
    if (launch.argv.empty()) {
        throw std::invalid_argument("no program to start");
    }
    std::vector<std::string> arguments = launch.argv;
    std::vector<std::string> environment = environmentWith(launch.environment);
    const std::vector<char*> argv = pointersInto(arguments);
    const std::vector<char*> envp = pointersInto(environment);
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("cannot start " + launch.argv[0]);
    }
    if (pid == 0) {
        if (!launch.workDir.empty() && chdir(launch.workDir.c_str()) != 0) {
            _exit(127);
        }
        if (outFd >= 0) {
            dup2(outFd, STDOUT_FILENO);
        } else {
            redirect(launch.outPath, STDOUT_FILENO);
        }
        redirect(launch.errPath, STDERR_FILENO);
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return pid;
}

int exitCodeOf(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ChildProcess::ChildProcess(const Launch& launch) : pid_(spawn(launch, -1)) {}

ChildProcess::~ChildProcess() {
    stop(SIGKILL);
}

bool ChildProcess::running() {
    if (pid_ < 0) {
        return false;
    }
    int status = 0;
    const pid_t result = waitpid(pid_, &status, WNOHANG);
    if (result == 0 || (result < 0 && errno == EINTR)) {
        return true;
    }
    exitCode_ = result == pid_ ? exitCodeOf(status) : -1;
    pid_ = -1;
    return false;
}

bool ChildProcess::waitForEnd(double seconds) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(static_cast<long>(seconds * 1000));
    while (running()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

void ChildProcess::stop(int signal) {
    if (!running()) {
        return;
    }
    ::kill(pid_, signal);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    exitCode_ = exitCodeOf(status);
    pid_ = -1;
}

std::string outputOf(const Launch& launch, int* exitCode) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make a pipe for " + launch.argv.at(0));
    }
    pid_t pid = -1;
    try {
        pid = spawn(launch, ends[1]);
    } catch (...) {
        close(ends[0]);
        close(ends[1]);
        throw;
    }
    close(ends[1]);
    std::string output;
    std::array<char, 65536> chunk;
    for (;;) {
        const ssize_t got = read(ends[0], chunk.data(), chunk.size());
        if (got > 0) {
            output.append(chunk.data(), static_cast<size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    close(ends[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (exitCode != nullptr) {
        *exitCode = exitCodeOf(status);
    }
    return output;
}
