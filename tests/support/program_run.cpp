// Child-process runner for the tests that must see the real program's messages and exit code.
#include "support/program_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

ProgramRun runGame(const std::string& workDir, const std::vector<std::string>& environment,
                   int timeoutSeconds) {
    const std::string outPath = workDir + "/.stdout";
    const std::string errPath = workDir + "/.stderr";
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(workDir.c_str()) != 0) {
            _exit(127);
        }
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        for (const std::string& setting : environment) {
            if (setting.find('=') == std::string::npos) {
                unsetenv(setting.c_str());
            } else {
                putenv(const_cast<char*>(setting.c_str()));
            }
        }
        execl(PLIMSDL_BINARY, PLIMSDL_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }

    ProgramRun run;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    run.out = slurp(outPath);
    run.err = slurp(errPath);
    return run;
}
