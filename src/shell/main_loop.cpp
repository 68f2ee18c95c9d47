// The event loop: hands SDL's events to the game and paces its tick.
#include "main_loop.h"

#include <algorithm>

#include "display_wait.h"
#include "fatal.h"
#include "game.h"
#include "quit_signals.h"
#include "stage_window.h"

bool isFullscreenToggle(const SDL_keysym& key) {
    return key.sym == SDLK_F11 || (key.sym == SDLK_RETURN && (key.mod & KMOD_ALT) != 0);
}

IdleWait idleWait(Uint32 sinceLastTick, bool focused, bool tickDoesNothing, bool canWaitForInput) {
    const bool tickDue = sinceLastTick >= tickInterval;
    const Uint32 untilTick = tickDue ? 0 : tickInterval - sinceLastTick;
    if (!canWaitForInput) {
        // No tick comes until the window has focus again.
        return {focused ? std::min(untilTick, kLongestRestMs) : kLongestRestMs, false};
    }
    if (!focused || tickDoesNothing) {
        return {kUntilInput, true};
    }
    return {untilTick, true};
}

MainLoop::MainLoop(Game& game) : game_(game), displayConnection_(displayConnection()) {}

void MainLoop::run() {
    while (pass()) {
    }
}

bool MainLoop::pass() {
    const bool hadEvents = dispatchEvents();
    if (quitSignalled()) {
        running_ = false;  // as on a close request
    }
    if (!running_) {
        return false;
    }
    if (!clockStarted_) {
        lastTick_ = SDL_GetTicks();
        clockStarted_ = true;
    }
    const bool ticked = tickIfDue();
    if (!hadEvents && !ticked) {
        waitForNextPass();
    }
    return running_;
}

void MainLoop::waitForNextPass() {
    const bool focused = hasInputFocus();
    const bool tickDoesNothing = game_.tickDoesNothing();
    const IdleWait wait =
        idleWait(SDL_GetTicks() - lastTick_, focused, tickDoesNothing, displayConnection_ >= 0);
    if (!wait.forInput) {
        SDL_Delay(wait.ms);
        return;
    }
    waitForInput(displayConnection_, quitSignalWakeUp(), wait.ms);
    if (focused && tickDoesNothing) {
        // The ticks slept through would have done nothing. Their rhythm is kept, so that a tick
        // that does something (the first of a new game, say) comes when it always would have.
        const Uint32 sinceLastTick = SDL_GetTicks() - lastTick_;
        lastTick_ += sinceLastTick - sinceLastTick % tickInterval;
    }
}

bool MainLoop::dispatchEvents() {
    bool hadEvents = false;
    SDL_Event event;
    // Events queued behind an Escape or a close request are still handed on.
    while (SDL_PollEvent(&event) != 0) {
        dispatch(event);
        hadEvents = true;
    }
    return hadEvents;
}

void MainLoop::dispatch(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_ESCAPE) {
                running_ = false;
            } else if (isFullscreenToggle(event.key.keysym)) {
                // Only the window changes: the game, its state and its next tick stay as they are.
                if (!toggleFullscreen()) {
                    fatal(1, "Fehler bei Bildschirm init.!\n");
                }
                displayConnection_ = displayConnection();
            } else {
                game_.onKey(event.key.keysym.sym, true);
            }
            break;
        case SDL_KEYUP:
            game_.onKey(event.key.keysym.sym, false);
            break;
        case SDL_MOUSEBUTTONDOWN: {
            // Every button counts, the wheel's included; a click beside the stage hits nothing.
            Uint16 x = 0;
            Uint16 y = 0;
            if (clickOnStage(event.button.x, event.button.y, &x, &y)) {
                game_.onClick(x, y);
            }
            break;
        }
        case SDL_VIDEOEXPOSE:
            // sdl12-compat leaves the repainting of an uncovered window to the game: the window
            // shows what it showed last (black before the first key), nothing is drawn anew.
            showWindowAgain();
            break;
        case SDL_QUIT:
            running_ = false;
            break;
        default:
            break;
    }
}

bool MainLoop::hasInputFocus() {
    return (SDL_GetAppState() & SDL_APPINPUTFOCUS) != 0;
}

bool MainLoop::tickIfDue() {
    // Without input focus the playfield stands still, and the first pass with focus ticks.
    if (!hasInputFocus()) {
        return false;
    }
    // Unsigned arithmetic keeps the interval right when the tick count wraps around.
    if (SDL_GetTicks() - lastTick_ < tickInterval) {
        return false;
    }
    running_ = game_.tick();
    // Measured after the tick: late ticks are not caught up.
    lastTick_ = SDL_GetTicks();
    return true;
}
