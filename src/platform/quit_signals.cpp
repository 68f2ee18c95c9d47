// Ctrl+C and termination requests (SIGINT, SIGTERM), answered by the game itself.
#include "quit_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace {

volatile sig_atomic_t g_loopAnswers = 0;
volatile sig_atomic_t g_quitSignalled = 0;
int g_wakeUp[2] = {-1, -1};  // a pipe: the handler writes, the loop's wait watches the other end

void onQuitSignal(int number) {
    // Until the loop answers, and for a second signal (a display that no longer answers can hold
    // the game inside SDL for ever), the signal ends the game the way it ends any program: killed
    // by it.
    if (g_loopAnswers == 0 || g_quitSignalled != 0) {
        signal(number, SIG_DFL);
        raise(number);
        return;
    }
    g_quitSignalled = 1;
    // Also ends a wait that began after the loop last looked at the flag. The one byte ever
    // written fits into the pipe.
    const int savedErrno = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(g_wakeUp[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

void catchQuitSignals() {
    if (pipe2(g_wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // Without a way to wake the loop, the signals keep ending the game at once.
    }
    for (const int number : {SIGINT, SIGTERM}) {
        struct sigaction action = {};
        if (sigaction(number, nullptr, &action) == 0 && action.sa_handler == SIG_DFL) {
            action.sa_handler = onQuitSignal;
            sigemptyset(&action.sa_mask);
            // The pipe, not an interrupted call, wakes the loop; SDL's and the libraries' own
            // reads and writes go on as if no signal had come.
            action.sa_flags = SA_RESTART;
            sigaction(number, &action, nullptr);
        }
    }
}

void letTheLoopAnswerQuitSignals() {
    g_loopAnswers = 1;
}

bool quitSignalled() {
    return g_quitSignalled != 0;
}

int quitSignalWakeUp() {
    return g_wakeUp[0];
}
