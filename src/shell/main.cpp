// PlimSDL's entry point: brings up SDL and SDL_ttf, runs the game, and shuts everything down.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>

#include "game/display.h"
#include "game/game.h"
#include "shell/main_loop.h"

namespace {

constexpr Uint8 kStartColour = 1;  // green
constexpr bool kFullscreen = false;

}  // namespace

int main(int, char**) {
    preferSoftwarePresentation();
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "SDL konnte nicht initialisiert werden: %s\n", SDL_GetError());
        std::exit(1);
    }
    if (TTF_Init() == -1) {
        std::fprintf(stderr, "SDL_ttf konnte nicht initialisiert werden: %s\n", SDL_GetError());
        std::exit(1);
    }
    SDL_WM_SetCaption("SDL_Game", "SDL_Game");
    SDL_EnableUNICODE(1);

    Game game;
    game.setup(kStartColour, kFullscreen);
    MainLoop(game).run();

    game.releaseResources();
    TTF_Quit();
    SDL_Quit();
    return 0;
}
