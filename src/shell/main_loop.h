// The event loop: hands SDL's events to the game and paces its tick.
#pragma once

#include <SDL.h>

class Game;

// SDL 1.2 cannot wait on its event queue, so a pass with nothing to do rests instead: until the
// next tick is due, but never longer than this, so that a key press or click waits at most this
// long. Resting a millisecond woke the game some 850 times a second, which keeps a laptop's
// processor out of its deep idle states; this rest wakes it about a hundred times a second.
constexpr Uint32 kLongestRestMs = 10;

// How long an idle pass rests, `sinceLastTick` ms after the last tick ended: 0 when a tick is due.
Uint32 restBeforeNextTick(Uint32 sinceLastTick, bool focused);

class MainLoop {
public:
    explicit MainLoop(Game& game) : game_(game) {}

    // Runs passes until Escape, a close request, a quit signal or the game's last tick.
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
    static bool hasInputFocus();

    Game& game_;
    bool running_ = true;
    bool clockStarted_ = false;
    Uint32 lastTick_ = 0;  // when the last tick ended, in SDL ticks
};
