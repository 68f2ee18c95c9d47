// Child-process runner for the tests that must see the real program's messages and exit code.
#include "support/program_run.h"

#include <sys/stat.h>

#include <sstream>

#include "support/child_process.h"
#include "support/whole_file.h"

ProgramRun runGame(const std::string& workDir, const std::vector<std::string>& environment,
                   int timeoutSeconds, const std::vector<std::string>& arguments) {
    Launch launch;
    launch.argv = {PLIMSDL_BINARY};
    launch.argv.insert(launch.argv.end(), arguments.begin(), arguments.end());
    launch.workDir = workDir;
    launch.environment = environment;
    launch.environment.push_back(privateRuntimeDir(workDir));
    launch.outPath = workDir + "/.stdout";
    launch.errPath = workDir + "/.stderr";
    ChildProcess game(launch);
    if (!game.waitForEnd(timeoutSeconds)) {
        game.stop();
    }
    ProgramRun run;
    run.exitCode = game.exitCode();
    run.out = readWholeFile(launch.outPath);
    run.err = readWholeFile(launch.errPath);
    return run;
}

std::string privateRuntimeDir(const std::string& workDir) {
    const std::string dir = workDir + "/.runtime";
    mkdir(dir.c_str(), 0700);
    return "XDG_RUNTIME_DIR=" + dir;
}

std::string gameMessages(const std::string& output) {
    // How every message of the game begins.
    static const char* const kBeginnings[] = {
        "Konnte ",
        "Fehler bei ",
        "SDL konnte nicht ",
        "SDL_ttf konnte nicht ",
        "Speicherallocation ",
        "Die Skalierung ",
    };
    std::istringstream lines(output);
    std::string messages;
    for (std::string line; std::getline(lines, line);) {
        for (const char* beginning : kBeginnings) {
            if (line.rfind(beginning, 0) == 0) {
                messages += line + "\n";
                break;
            }
        }
    }
    return messages;
}
