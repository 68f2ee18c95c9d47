// The event loop: hands SDL's events to the game and paces its tick.
#pragma once

#include <SDL.h>

class Game;

class MainLoop {
public:
    explicit MainLoop(Game& game) : game_(game) {}

    // Runs passes until Escape, a close request or the game's last tick.
    void run();
    // One pass: drains the event queue, then ticks the game if a tick is due and the window has
    // input focus. Returns false once the loop is to end.
    bool pass();

private:
    // Dispatches every queued event; true if there was any.
    bool dispatchEvents();
    void dispatch(const SDL_Event& event);
    // Ticks the game when tickInterval has passed since the last tick ended; true if it did.
    bool tickIfDue();

    Game& game_;
    bool running_ = true;
    bool clockStarted_ = false;
    Uint32 lastTick_ = 0;  // when the last tick ended, in SDL ticks
};
