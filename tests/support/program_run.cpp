// Child-process runner for the tests that must see the real program's messages and exit code.
#include "support/program_run.h"

#include "support/child_process.h"
#include "support/whole_file.h"

ProgramRun runGame(const std::string& workDir, const std::vector<std::string>& environment,
                   int timeoutSeconds) {
    Launch launch;
    launch.argv = {PLIMSDL_BINARY};
    launch.workDir = workDir;
    launch.environment = environment;
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
