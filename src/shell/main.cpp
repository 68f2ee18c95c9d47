// PlimSDL's entry point: brings up SDL and SDL_ttf, runs the game, and shuts everything down.
#include <SDL.h>
#include <SDL_ttf.h>

#include "display.h"
#include "display_wait.h"
#include "fatal.h"
#include "game.h"
#include "main_loop.h"
#include "quit_signals.h"
#include "standard_descriptors.h"
#include "video_defaults.h"

namespace {

constexpr Uint8 kStartColour = 1;  // green
constexpr bool kFullscreen = false;

}  // namespace

int main(int /*argc*/, char** /*argv*/) {
    openClosedStandardDescriptors();
    catchQuitSignals();
    setVideoDefaults();
    if (!startSdl()) {
        fatal(1, "SDL konnte nicht initialisiert werden: ", SDL_GetError());
    }
    if (TTF_Init() == -1) {
        fatal(1, "SDL_ttf konnte nicht initialisiert werden: ", SDL_GetError());
    }
    SDL_WM_SetCaption("SDL_Game", "SDL_Game");

    Game game;
    game.setup(kStartColour, kFullscreen);
    keepHeldKeysDown();
    letTheLoopAnswerQuitSignals();
    MainLoop(game).run();

    game.releaseResources();
    TTF_Quit();
    SDL_Quit();
    return 0;
}
