// The event loop: hands SDL's events to the game and paces its tick.
#pragma once

#include <SDL.h>

#include "display_wait.h"

class Game;

// An idle pass that cannot wait on the display connection rests instead, never longer than
// this, so that a key press or click waits at most this long (SDL 1.2 cannot wait on its queue).
constexpr Uint32 kLongestRestMs = 10;

// How an idle pass waits for the next one.
struct IdleWait {
    Uint32 ms;      // at the longest; 0 when a tick is due, kUntilInput with no tick to wait for
    bool forInput;  // on the display connection, ending as soon as input or a quit signal arrives
};

// `sinceLastTick` ms after the last tick ended; `canWaitForInput` when the display connection is
// known. Without focus, or in a state whose tick does nothing, no tick needs a wake-up.
IdleWait idleWait(Uint32 sinceLastTick, bool focused, bool tickDoesNothing, bool canWaitForInput);

// F11 and Alt+Return switch between the window and fullscreen, in every state of the game.
bool isFullscreenToggle(const SDL_keysym& key);

class MainLoop {
public:
    // Call once the game's window is open: the loop asks SDL for its display connection.
    explicit MainLoop(Game& game);

    // Runs passes until Escape, a close request, a quit signal or the game's last tick.
    void run();
    // One pass: drains the event queue, then ticks the game if a tick is due and the window has
    // input focus; with nothing to do, waits for input or the next tick. Returns false once the
    // loop is to end.
    bool pass();

private:
    // Dispatches every queued event; true if there was any.
    bool dispatchEvents();
    void dispatch(const SDL_Event& event);
    // Ticks the game when tickInterval has passed since the last tick ended; true if it did.
    bool tickIfDue();
    void waitForNextPass();
    static bool hasInputFocus();

    Game& game_;
    int displayConnection_;  // -1 when SDL does not tell it; may change with fullscreen
    bool running_ = true;
    bool clockStarted_ = false;
    Uint32 lastTick_ = 0;  // when the last tick ended, in SDL ticks
};
