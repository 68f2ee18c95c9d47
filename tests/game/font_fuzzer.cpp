// libFuzzer entry point: each input is the menu font's file. A file the font check passes is
// used as the game uses it: the menus built with their texts, the start-up check of every text
// and letter, the menus drawn. A font that crashes SDL_ttf or the game's code around it, or
// makes a text cost more than its bound, is found here rather than by a player.
#include <SDL.h>
#include <SDL_ttf.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "font_file.h"
#include "game.h"
#include "menu_font_check.h"
#include "menu_set.h"
#include "screen.h"
#include "text.h"

namespace {

std::string g_directory;
Game* g_fuzzedGame = nullptr;

[[noreturn]] void giveUp(const char* what) {
    std::fprintf(stderr, "font fuzz: %s: %s\n", what, SDL_GetError());
    std::abort();
}

void removeDirectory() {
    std::remove((g_directory + "/Data/boulder.ttf").c_str());
    rmdir((g_directory + "/Data").c_str());
    rmdir(g_directory.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || TTF_Init() != 0) {
        giveUp("SDL or SDL_ttf did not start");
    }
    static Game game;
    g_fuzzedGame = &game;
    game.screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_SWSURFACE);
    if (game.screen == nullptr) {
        giveUp("no video mode");
    }
    // The game finds its font as Data/boulder.ttf in its working directory: below $TMPDIR when
    // set (scripts/fuzz puts it in memory), else in /tmp.
    const char* chosen = std::getenv("TMPDIR");
    g_directory = std::string(chosen != nullptr && *chosen != '\0' ? chosen : "/tmp") +
                  "/plimsdl-font-fuzz-XXXXXX";
    if (mkdtemp(g_directory.data()) == nullptr ||
        mkdir((g_directory + "/Data").c_str(), 0700) != 0 || chdir(g_directory.c_str()) != 0) {
        giveUp("cannot make a working directory");
    }
    std::atexit(removeDirectory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!isCompleteFont(data, size)) {
        return 0;  // refused before SDL_ttf sees it
    }
    std::ofstream("Data/boulder.ttf", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    // The menus keep the font read under one path until another is named: read it under a
    // second name first, so that the menus read this input anew.
    setFontPath("./Data/boulder.ttf");
    if (TTF_Font* font = openMenuFont(1)) {
        TTF_CloseFont(font);
    }

    Game& game = *g_fuzzedGame;
    game.buildMenus(1);
    if (menuFontServes(*game.menus)) {
        game.menus->draw();
    }
    game.releaseResources();
    return 0;
}
