// Keyboard and mouse input, routed by game state.
#include "game.h"
#include "menu_set.h"

namespace {

MenuCommand menuCommandFor(SDLKey sym) {
    switch (sym) {
        case SDLK_SPACE:
            return MenuCommand::Home;
        case SDLK_RETURN:
            return MenuCommand::Activate;
        case SDLK_UP:
            return MenuCommand::Previous;
        case SDLK_DOWN:
            return MenuCommand::Next;
        default:
            return MenuCommand::None;
    }
}

// Left and Right move the paddle one lane, never past the outer lanes.
void movePaddle(Uint8& lane, SDLKey sym) {
    if (sym == SDLK_RIGHT && lane < kLaneCount - 1) {
        ++lane;
    } else if (sym == SDLK_LEFT && lane > 0) {
        --lane;
    }
}

// Any key or click puts the highscore view away and shows the home page.
void closeHighscoreView(Game& game) {
    if (game.menus != nullptr) {
        game.menus->goHome();
    }
    game.state = GameState::Menu;
    game.render();
}

}  // namespace

void Game::onKey(SDLKey sym, bool pressed) {
    if (!pressed) {
        return;
    }
    switch (state) {
        case GameState::Menu:
            if (menus != nullptr) {
                menus->command(menuCommandFor(sym));
            }
            render();
            break;
        case GameState::Playing:
            // No redraw here: the next tick shows the change.
            if (sym == SDLK_SPACE || sym == SDLK_DOWN) {
                // The animation itself starts with the next tick.
                state = GameState::Dropping;
            } else {
                movePaddle(paddleLane, sym);
            }
            break;
        case GameState::Dropping:
            // While the paddle reaches out to drop it stays put; once it retracts it may move.
            if (dropExtending == 0) {
                movePaddle(paddleLane, sym);
            }
            break;
        case GameState::ShowingHighscore:
            closeHighscoreView(*this);
            break;
        default:
            break;
    }
}

void Game::onClick(Uint16 x, Uint16 y) {
    switch (state) {
        case GameState::Menu:
            if (menus != nullptr) {
                menus->click(x, y);
            }
            render();
            break;
        case GameState::ShowingHighscore:
            closeHighscoreView(*this);
            break;
        default:
            // The paddle is steered with the keyboard only.
            break;
    }
}
