// The one Game object: playfield model, state machine, sprites and the owned menu set.
#pragma once

#include <SDL.h>

#include "display.h"
#include "playfield.h"
#include "text.h"

class MenuSet;

constexpr int kSpawnPeriod = 50;  // Playing ticks between two new tiles

constexpr Uint8 kEmpty = 0;

enum class GameState : Sint32 {
    Menu = 0,
    Starting = 1,
    Playing = 2,
    Dropping = 3,
    // 4 and 5 are never set by the game; a tick in them only redraws.
    ShowingHighscore = 6,
    Quitting = 7,
};

class Game {
public:
    // Makes this the game the menu callbacks reach through g_game; starts in Menu, empty field.
    Game();
    // Frees nothing: the surfaces and menus go with releaseResources, before SDL shuts down.
    // Clears g_game if it names this game.
    virtual ~Game();

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Opens the video mode (through `video`), builds sprites and the menu tree, and draws the
    // home page unflipped on a black screen. Ends the process on a failure it cannot recover
    // from.
    void setup(Uint8 colour, bool fullscreen, const VideoCalls& video = kSdlVideoCalls);

    // One timed step of the state machine; false only when the program is to end.
    bool tick();
    // True in the states whose tick does nothing (the menus, a highscore table): only input
    // changes what they show, so the loop need not wake for their ticks.
    bool tickDoesNothing() const;
    void onKey(SDLKey sym, bool pressed);
    void onClick(Uint16 x, Uint16 y);

    // Clears the screen, draws the current state from scratch and shows it in the window.
    void render();

    // Creates the menu set on `screen` with its four pages, the colour page showing `colour`.
    // Ends the process when there is no memory for the set or its home page.
    void buildMenus(Uint8 colour);
    // Colours the paddle bitmap in player colour `colour` and puts the paddle back in lane 2.
    void buildPaddleSprite(Uint8 colour);
    // Draws highscore table k (0 to 3) into highscoreScreen and rewrites its file.
    void buildHighscoreScreen(int k);
    // Calls `visit` with each text the highscore view draws of its own, whatever a table holds,
    // rendered and placed as the view draws it: its captions and footer, and on every row the
    // rank, a default entry's name and the widest score.
    static void forEachHighscoreViewText(const ShownTextVisitor& visit);
    // Loads the tile, funnel and basket bitmaps and derives their rectangles.
    void loadSheets();
    // Frees every surface and the menu set, and clears the fields that held them.
    void releaseResources();

    // Playfield rules, run by tick.
    void advanceLanes();
    void dropFromPaddle();
    void onBoardEvent();

    // The three steps of drawing the playfield, in this order.
    void drawPaddle();
    void drawTiles();
    void drawFunnelsAndBasket();

    GameState state;
    MenuSet* menus;          // owned; created by setup
    SDL_Surface* screen;     // the 800x600 stage in the window (stage_window.h), not owned
    SDL_Surface* tileSheet;  // owned; eight tile colours stacked, 16 rows apart
    SDL_Rect tileFrames[kTileColours];
    SDL_Surface* funnelSheet;  // owned; three funnel pictures side by side
    SDL_Rect funnelFrames[kFunnelFrameCount];
    SDL_Rect funnelPlaces[kLaneCount];  // also the x reference of each lane and basket column
    SDL_Surface* basketSprite;          // owned
    SDL_Rect basketPlace;
    SDL_Surface* highscoreScreen;  // owned; the off-screen highscore view, null until first built
    Uint8 paddleStack[kPaddleSlots];  // slot 0 is the bottom tile; occupied slots are contiguous
    Uint8 paddleLane;
    SDL_Surface* paddleSprite;  // owned; five animation frames stacked
    SDL_Rect paddleFrames[kPaddleFrameCount];
    SDL_Rect paddlePlace;  // where the paddle was last drawn
    Uint8 paddleFrame;     // 0 when idle, up to 4 while dropping
    Uint8 dropExtending;   // set while the drop animation counts up towards frame 4
    Uint8 funnelFrame;
    Uint8 lanes[kLaneCount][kCellsPerLane];
    Uint8 bin[kLaneCount][kBasketDepth];  // basket columns; occupied cells contiguous from cell 0
};

// The game the menu callbacks act on: the most recently constructed one, null once it is gone.
extern Game* g_game;
// Playing ticks since the program started; spawning keys off it.
extern Uint32 g_tickCounter;
// Milliseconds at least between the end of one tick and the start of the next.
constexpr Uint32 tickInterval = 40;
