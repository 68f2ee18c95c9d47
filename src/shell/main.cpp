// PlimSDL's entry point: reads the command line, brings up SDL and SDL_ttf, runs the game, and
// shuts everything down.
#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <string>

#include "command_line.h"
#include "display.h"
#include "fatal.h"
#include "game.h"
#include "main_loop.h"
#include "quit_signals.h"
#include "stage_window.h"
#include "standard_descriptors.h"
#include "video_defaults.h"

namespace {

constexpr Uint8 kStartColour = 1;  // green

// A scale the desktop has no room for would make a window larger than the screen.
void requireRoomForScale(int scale) {
    const int largest = largestScaleForDesktop();
    if (scale > largest) {
        const std::string message = "Die Skalierung " + std::to_string(scale) +
                                    " passt nicht auf den Bildschirm, höchstens " +
                                    std::to_string(largest) + "!\n";
        fatal(2, message.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    openClosedStandardDescriptors();
    // Help, the version and a refused command line end the game before SDL starts.
    const CommandLine commandLine = readCommandLine(argc, argv);
    switch (commandLine.action) {
        case CommandLine::Action::ShowHelp:
            std::fputs(kUsage, stdout);
            return 0;
        case CommandLine::Action::ShowVersion:
            std::fputs("PlimSDL " PLIMSDL_VERSION "\n", stdout);
            return 0;
        case CommandLine::Action::Refuse:
            fatal(stderr, 2, kUsage);
        case CommandLine::Action::Play:
            break;
    }
    catchQuitSignals();
    setVideoDefaults();
    if (!startSdl()) {
        fatal(1, "SDL konnte nicht initialisiert werden: ", SDL_GetError());
    }
    if (TTF_Init() == -1) {
        fatal(1, "SDL_ttf konnte nicht initialisiert werden: ", SDL_GetError());
    }
    SDL_WM_SetCaption("SDL_Game", "SDL_Game");
    requireRoomForScale(commandLine.scale);
    chooseWindowScale(commandLine.scale);

    Game game;
    game.setup(kStartColour, commandLine.fullscreen);
    letTheLoopAnswerQuitSignals();
    MainLoop(game).run();

    game.releaseResources();
    closeStageWindow();
    TTF_Quit();
    SDL_Quit();
    return 0;
}
