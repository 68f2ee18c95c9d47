// Ctrl+C and termination requests (SIGINT, SIGTERM), answered by the game itself.
#include "quit_signals.h"

#include <signal.h>

#include <initializer_list>

namespace {

volatile sig_atomic_t g_loopAnswers = 0;
volatile sig_atomic_t g_quitSignalled = 0;

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
}

}  // namespace

void catchQuitSignals() {
    for (const int number : {SIGINT, SIGTERM}) {
        struct sigaction action = {};
        if (sigaction(number, nullptr, &action) == 0 && action.sa_handler == SIG_DFL) {
            // Without SA_RESTART, so that a wait for input ends when one comes.
            action.sa_handler = onQuitSignal;
            sigemptyset(&action.sa_mask);
            action.sa_flags = 0;
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
