// Other programs started from the tests: always from an argument vector, never through a shell.
#include "support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace {

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

// In the child: sets up what `launch` asks for and becomes the program, or ends with 127.
[[noreturn]] void execute(const Launch& launch, char* const* argv, int outFd) {
    if (!launch.workDir.empty() && chdir(launch.workDir.c_str()) != 0) {
        _exit(127);
    }
    if (outFd >= 0) {
        dup2(outFd, STDOUT_FILENO);
    } else {
        redirect(launch.outPath, STDOUT_FILENO);
    }
    redirect(launch.errPath, STDERR_FILENO);
    for (int fd = STDIN_FILENO; launch.standardStreamsClosed && fd <= STDERR_FILENO; ++fd) {
        close(fd);
    }
    // The child has its own copy of the settings, so putenv may keep pointing into it.
    for (const std::string& setting : launch.environment) {
        if (setting.find('=') == std::string::npos) {
            unsetenv(setting.c_str());
        } else {
            putenv(const_cast<char*>(setting.c_str()));
        }
    }
    execvp(argv[0], argv);
    _exit(127);
}

// Starts the program with its standard output on `outFd`, or as the launch says when that is -1.
pid_t spawn(const Launch& launch, int outFd) {
    if (launch.argv.empty()) {
        throw std::invalid_argument("no program to start");
    }
    std::vector<std::string> arguments = launch.argv;
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("cannot start " + arguments[0]);
    }
    if (pid == 0) {
        execute(launch, argv.data(), outFd);
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
    int status = 0;
    rusage usage = {};
    if (pid_ < 0 || wait4(pid_, &status, WNOHANG, &usage) == 0) {
        return pid_ >= 0;
    }
    exitCode_ = exitCodeOf(status);
    peakKilobytes_ = usage.ru_maxrss;
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
    if (running()) {
        ::kill(pid_, signal);
        int status = 0;
        rusage usage = {};
        wait4(pid_, &status, 0, &usage);
        exitCode_ = exitCodeOf(status);
        peakKilobytes_ = usage.ru_maxrss;
        pid_ = -1;
    }
}

std::string outputOf(const Launch& launch, int* exitCode, double seconds) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make a pipe");
    }
    const pid_t pid = spawn(launch, ends[1]);
    close(ends[1]);
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(static_cast<long>(seconds * 1000));
    std::string output;
    std::array<char, 65536> chunk;
    bool timedOut = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd readable = {ends[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) == 0) {
            timedOut = true;
            break;
        }
        const ssize_t got = read(ends[0], chunk.data(), chunk.size());
        if (got <= 0) {
            break;
        }
        output.append(chunk.data(), static_cast<size_t>(got));
    }
    close(ends[0]);
    if (timedOut) {
        ::kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (timedOut) {
        throw std::runtime_error(launch.argv[0] + " did not finish within " +
                                 std::to_string(seconds) + " s");
    }
    if (exitCode != nullptr) {
        *exitCode = exitCodeOf(status);
    }
    return output;
}
